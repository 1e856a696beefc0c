#pragma once

#include <string>
#include <string_view>

#include "engine/status.h"
#include "engine/unit_table.h"
#include "engine/value_text.h"

namespace engine {

// Receives the price labels of one price evaluation, targets 1..n ascending.
class PriceSink {
public:
    virtual ~PriceSink() = default;
    virtual void Price(int target, std::string_view text) = 0;
};

// Evaluates price row `source` of a table that has prices, for the price text
// as typed (read as ReadValue reads it). Stops at the first cell whose result is
// invalid, divides by zero or lies beyond the double range, returning that
// status; labels from that cell on are not written.
EvalStatus EvaluatePrice(const UnitTable& table, int source, std::string_view priceText,
                         const NumberFormat& format, PriceSink& sink);
// The same for a price text already read: `read` is ReadValue's result for it.
EvalStatus EvaluatePrice(const UnitTable& table, int source, ReadResult read,
                         const NumberFormat& format, PriceSink& sink);

// "$###0.00": "$", at least one integer digit, no grouping, two decimals with
// the regional decimal separator, rounded half away from zero as judged on the
// value's 15-significant-digit form (so 0.345 gives "$0.35"). Negatives get a
// leading "-" ("-$3.00"), except when they round to zero ("$0.00").
std::string FormatPrice(double value, const NumberFormat& format);

}  // namespace engine
