#include "engine/evaluate.h"

#include <cmath>

namespace engine {

namespace {

// Faults are judged from operands and results, not from the floating-point
// environment: the compiler may move or drop an operation whose only visible
// effect is a flag.
RuleResult ApplyStep(const Step& step, double v, bool checkOverflow)
{
    double result = 0.0;
    switch (step.op) {
    case Op::Mul: result = v * step.k; break;
    case Op::Div:
        if (step.k == 0.0) {
            if (v == 0.0 || std::isnan(v)) return {0.0, EvalStatus::InvalidOperation};
            return {0.0, EvalStatus::DivideByZero};
        }
        result = v / step.k;
        break;
    case Op::Add: result = v + step.k; break;
    case Op::Sub: result = v - step.k; break;
    case Op::AddSelf: result = v + v; break;
    }
    if (std::isnan(result)) return {0.0, EvalStatus::InvalidOperation};
    if (checkOverflow && std::isinf(result) && !std::isinf(v)) return {0.0, EvalStatus::Overflow};
    return {result, EvalStatus::Ok};
}

class FormattedWriter {
public:
    explicit FormattedWriter(const NumberFormat& format) : m_format(format) {}
    std::string_view operator()(double value)
    {
        return {m_buffer, FormatValueInto(value, m_format, m_buffer)};
    }

private:
    const NumberFormat& m_format;
    char m_buffer[kMaxValueText] = {};
};

EvalStatus EvaluateSquareSide(const UnitTable& table, int source, double v, FormattedWriter& text,
                              EvalSink& sink)
{
    const int n = int(table.size);
    if (!(v > 0.0)) {
        for (int j = 1; j <= n; ++j) sink.Result(j, "0");
        return EvalStatus::Ok;
    }
    // The side comes from the same value every box shows, so "1,000" or
    // "12abc" cannot give one area in the source box and another elsewhere.
    const double side = std::sqrt(v);
    sink.Side(text(side));
    sink.Echo(table.Unit(source).abbreviation);
    for (int j = 1; j <= n; ++j) {
        if (j == source) {
            sink.Result(j, text(v));
            continue;
        }
        // The side in the target unit is computed twice and the two multiplied,
        // so the box shows exactly t × t.
        const RuleResult first = ApplyRule(table.RuleAt(source, j), side);
        if (first.status != EvalStatus::Ok) return first.status;
        const RuleResult second = ApplyRule(table.RuleAt(source, j), side);
        if (second.status != EvalStatus::Ok) return second.status;
        const double area = first.value * second.value;
        if (std::isnan(area)) return EvalStatus::InvalidOperation;
        sink.Result(j, text(area));
    }
    return EvalStatus::Ok;
}

}  // namespace

RuleResult ApplyRule(const ConversionRule& rule, double v, bool checkOverflow)
{
    RuleResult result{v, EvalStatus::Ok};
    for (int s = 0; s < rule.count; ++s) {
        result = ApplyStep(rule.steps[std::size_t(s)], result.value, checkOverflow);
        if (result.status != EvalStatus::Ok) break;
    }
    return result;
}

// The text cannot change during one evaluation, so reading it once gives
// every cell the same value as reading it afresh would.
EvalStatus Evaluate(const UnitTable& table, int source, std::string_view input,
                    const NumberFormat& format, EvalSink& sink)
{
    return Evaluate(table, source, ReadValue(input), format, sink);
}

EvalStatus Evaluate(const UnitTable& table, int source, ReadResult read, const NumberFormat& format,
                    EvalSink& sink)
{
    if (source < 1 || std::size_t(source) > table.size) return EvalStatus::InvalidOperation;
    FormattedWriter text(format);

    if (table.evaluation == Evaluation::SquareSide) {
        if (!read) return read.status;
        return EvaluateSquareSide(table, source, read.value, text, sink);
    }

    sink.Echo(table.Unit(source).abbreviation);
    if (!read) return read.status;
    for (int j = 1; j <= int(table.size); ++j) {
        const RuleResult cell = ApplyRule(table.RuleAt(source, j), read.value);
        if (cell.status != EvalStatus::Ok) return cell.status;
        sink.Result(j, text(cell.value));
    }
    return EvalStatus::Ok;
}

}  // namespace engine
