#pragma once

#include <string_view>

#include "engine/value_text.h"

namespace engine {

// Reads a text as a whole, as the locale's strict number conversion does: the
// text, leading and trailing blanks apart, must be one number in the regional
// format (IsNumericText), digit-group separators and the regional decimal
// separator included, so "1,000" is 1000 where the comma groups digits.
// Returns InvalidOperation for any other text (empty, "12abc", "Infinity"),
// Overflow for a magnitude beyond the largest finite double; a value too small
// for a double reads as 0. Never throws.
ReadResult ReadWholeNumber(std::string_view text, const NumberFormat& format);

}  // namespace engine
