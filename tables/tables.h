#pragma once

#include <span>
#include <string_view>

#include "engine/unit_table.h"

namespace tables {

const engine::UnitTable& TemperatureTable();

// Every category, in the order of the program's menu.
std::span<const engine::UnitTable* const> AllTables();

// The table whose caption matches, ignoring case; nullptr when none does.
const engine::UnitTable* FindTable(std::string_view caption);

}  // namespace tables
