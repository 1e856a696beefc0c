#pragma once

#include "engine/area_dimensions.h"

namespace tables {

// The area from a length and a width: km + m + cm, read into centimetres, and
// miles + yards + inches, read into inches.
const engine::AreaDimensionsTable& MetricDimensionsTable();
const engine::AreaDimensionsTable& StandardDimensionsTable();

}  // namespace tables
