#pragma once

#include "engine/value_text.h"

namespace tabrix_test {

// The two regional ways of writing numbers the tests read and write:
// "1,234.5" and "1.234,5".
inline const engine::NumberFormat kPointFormat{".", ","};
inline const engine::NumberFormat kCommaFormat{",", "."};

}  // namespace tabrix_test
