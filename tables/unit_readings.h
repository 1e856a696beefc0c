#pragma once

#include "engine/cell_steps.h"
#include "engine/unit_table.h"

namespace tables {

// The reading a unit's number gets beside its result, as a tape or a scale
// gives it: the inches, feet and yards of Distance, the pounds of Weight.
// Reading::None for every other unit.
engine::Reading ReadingOf(const engine::UnitTable& table, int unit);

}  // namespace tables
