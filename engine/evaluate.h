#pragma once

#include <string_view>

#include "engine/status.h"
#include "engine/unit_table.h"
#include "engine/value_text.h"

namespace engine {

// Receives the writes of one evaluation, strictly in order: Echo once, then
// Result for targets 1..n ascending. A sink applies each write at once, so a
// fault part-way leaves the earlier writes in place. The texts are valid only
// during the call.
class EvalSink {
public:
    virtual ~EvalSink() = default;
    virtual void Echo(std::string_view abbreviation) = 0;
    virtual void Result(int target, std::string_view text) = 0;
    // Square-side tables only: the side of the square, before the echo.
    virtual void Side(std::string_view /*text*/) {}
};

// Evaluates row `source` (1..n) of the table for the typed `input`. Returns Ok,
// Overflow when the input is beyond the double range (only the echo is done),
// or the fault of the first cell whose arithmetic is invalid or divides by zero
// (nothing from that cell on is written). A result beyond the double range is
// not a fault: it is written as an infinity.
//
// A square-side table writes no echo and "0" into every box when the value is
// not above zero; otherwise the side of the square is the square root of the
// value, and each box shows (side op c)², the source's own box the value.
EvalStatus Evaluate(const UnitTable& table, int source, std::string_view input,
                    const NumberFormat& format, EvalSink& sink);
// The same for a text already read: `read` is ReadValue's result for it.
EvalStatus Evaluate(const UnitTable& table, int source, ReadResult read, const NumberFormat& format,
                    EvalSink& sink);

// Applies one rule to v, reporting an invalid operation or a division by zero.
// With checkOverflow, a finite operand turning infinite is an Overflow too.
struct RuleResult {
    double value = 0.0;
    EvalStatus status = EvalStatus::Ok;
};
RuleResult ApplyRule(const ConversionRule& rule, double v, bool checkOverflow = false);

}  // namespace engine
