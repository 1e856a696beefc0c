#include <array>

#include "engine/names.h"
#include "tables/tables.h"

namespace tables {

std::span<const engine::UnitTable* const> AllTables()
{
    static const std::array kAll = {
        &AreaTable(),        &DensityTable(), &DistanceTable(), &EnergyTable(),
        &ForceTable(),       &LiquidTable(),  &PressureTable(), &SpeedTable(),
        &TemperatureTable(), &TimeTable(),    &VolumeTable(),   &WeightTable(),
    };
    return kAll;
}

const engine::UnitTable* FindTable(std::string_view caption)
{
    for (const engine::UnitTable* table : AllTables())
        if (engine::SameIgnoringCase(table->caption, caption)) return table;
    return nullptr;
}

}  // namespace tables
