#pragma once

#include <optional>
#include <string>

#include "engine/area_dimensions.h"
#include "engine/unit_table.h"
#include "engine/value_text.h"

namespace engine {

// The shortest decimal text that reads back to the same double: plain
// notation from 1e-4 up to below 1e16 ("0.0001988387", "1000000"), exponent
// notation outside ("4.9709e-06", "1e-05"). Every constant of a table reads
// back from it exactly.
std::string ConstantText(double k);

// How cell (source, target) of a table makes its number, with the unit
// captions (without "&") standing for the values and every constant as
// ConstantText writes it. Steps run left to right, so an addition followed by a
// multiplication is bracketed:
//   "Miles = Kilometers × 0.6213711922"
//   "Celsius = (Fahrenheit − 32) ÷ 9 × 5"
//   "Kilometers = Kilometers" (the unit itself)
//   "sq. Feet = (√sq. Meters × 3.280839895)²" (a square-side table)
std::string CellSteps(const UnitTable& table, int source, int target);

// How result box k (1..10) of an area-from-length-and-width window is made
// from the length and the width in the window's base unit:
//   "sq. Feet = (length × 0.03280839895) × (width × 0.03280839895)"
//   "sq. Centimeters = length × width"
std::string DimensionSteps(const AreaDimensionsTable& table, int result);

// How the three fields make a length or a width in the base unit:
// "length and width in cm = km × 100000 + m × 100 + cm".
std::string DimensionSides(const AreaDimensionsTable& table);

// A number read the way a tape or a kitchen scale gives it.
enum class Reading : unsigned char { None, Inches, Feet, Yards, Pounds };

// "7 ft 6 9/16 in" to the nearest sixteenth of an inch, the fraction reduced
// and 12 inches carried into a foot; "2 lb 3.27 oz" to the nearest hundredth
// of an ounce, written with the regional decimal separator. The sign is kept.
// Empty for Reading::None, for a number that is not finite, beyond 1e9 feet or
// pounds, or below half the last step (1/32 in, 0.005 oz).
std::optional<std::string> ReadingText(Reading unit, double value, const NumberFormat& format);

}  // namespace engine
