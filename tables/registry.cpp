#include <algorithm>
#include <array>
#include <cctype>

#include "tables/tables.h"

namespace tables {

namespace {
bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}
}  // namespace

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
        if (SameIgnoringCase(table->caption, caption)) return table;
    return nullptr;
}

}  // namespace tables
