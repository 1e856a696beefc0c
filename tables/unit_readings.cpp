#include "tables/unit_readings.h"

#include "tables/tables.h"

namespace tables {

namespace {

struct UnitReading {
    const engine::UnitTable& (*table)();
    int unit;
    engine::Reading reading;
};

constexpr UnitReading kReadings[] = {
    {.table = &DistanceTable, .unit = 3, .reading = engine::Reading::Inches},
    {.table = &DistanceTable, .unit = 4, .reading = engine::Reading::Feet},
    {.table = &DistanceTable, .unit = 5, .reading = engine::Reading::Yards},
    {.table = &WeightTable, .unit = 5, .reading = engine::Reading::Pounds},
};

}  // namespace

engine::Reading ReadingOf(const engine::UnitTable& table, int unit)
{
    for (const UnitReading& row : kReadings)
        if (&row.table() == &table && row.unit == unit) return row.reading;
    return engine::Reading::None;
}

}  // namespace tables
