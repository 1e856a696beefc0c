#pragma once

#include <span>
#include <string_view>

#include "engine/unit_table.h"

namespace tables {

// One table per category; each lives in its own source file.
const engine::UnitTable& AreaTable();
const engine::UnitTable& DensityTable();
const engine::UnitTable& DistanceTable();
const engine::UnitTable& EnergyTable();
const engine::UnitTable& ForceTable();
const engine::UnitTable& LiquidTable();
const engine::UnitTable& PressureTable();
const engine::UnitTable& SpeedTable();
const engine::UnitTable& TemperatureTable();
const engine::UnitTable& TimeTable();
const engine::UnitTable& VolumeTable();
const engine::UnitTable& WeightTable();

// Every category, in the order of the program's menu (alphabetical by caption).
std::span<const engine::UnitTable* const> AllTables();

// The table whose caption matches, ignoring case; nullptr when none does.
const engine::UnitTable* FindTable(std::string_view caption);

}  // namespace tables
