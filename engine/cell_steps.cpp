#include "engine/cell_steps.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string_view>

#include "engine/names.h"

namespace engine {

namespace {

// Exponent notation below 1e-4 and from 1e16, as the tables were first written.
bool UsesPlainConstant(double magnitude)
{
    return magnitude == 0.0 || (magnitude >= 1e-4 && magnitude < 1e16);
}

std::string_view Sign(Op op)
{
    switch (op) {
    case Op::Mul: return " × ";
    case Op::Div: return " ÷ ";
    case Op::Add:
    case Op::AddSelf: return " + ";
    case Op::Sub: return " − ";
    }
    return " ? ";
}

// The rule applied to `operand`, written left to right. A sum that a later
// product or quotient takes as a whole is bracketed, since the steps run in
// the order written and not by the usual precedence.
std::string Expression(const ConversionRule& rule, std::string operand)
{
    bool sum = false;
    for (int s = 0; s < rule.count; ++s) {
        const Step& step = rule.steps[std::size_t(s)];
        const bool product = step.op == Op::Mul || step.op == Op::Div;
        if (product && sum) operand.insert(0, "(").append(")");
        if (step.op == Op::AddSelf) {
            const std::string once = operand;
            operand.append(" + ").append(once);
        } else {
            operand += Sign(step.op);
            operand += ConstantText(step.k);
        }
        sum = !product;
    }
    return operand;
}

std::string WholeText(std::int64_t n) { return std::to_string(n); }

std::optional<std::string> FeetAndInches(double inches)
{
    constexpr double kMostInches = 1e9 * 12.0;
    if (!std::isfinite(inches) || std::fabs(inches) > kMostInches) return std::nullopt;
    const std::int64_t sixteenths = std::llround(std::fabs(inches) * 16.0);
    if (sixteenths == 0) return std::nullopt;  // below 1/32 in
    const std::int64_t feet = sixteenths / 192;
    const std::int64_t wholeInches = sixteenths % 192 / 16;
    std::int64_t numerator = sixteenths % 16;
    std::int64_t denominator = 16;
    const std::int64_t common = std::gcd(numerator, denominator);
    numerator /= common;
    denominator /= common;

    std::string text = inches < 0 ? "-" : "";
    if (feet > 0) text += WholeText(feet) + " ft";
    if (wholeInches == 0 && numerator == 0) return text;
    if (feet > 0) text += ' ';
    if (wholeInches > 0) text += WholeText(wholeInches);
    if (numerator > 0) {
        if (wholeInches > 0) text += ' ';
        text += WholeText(numerator) + "/" + WholeText(denominator);
    }
    return text + " in";
}

std::optional<std::string> PoundsAndOunces(double pounds, const NumberFormat& format)
{
    if (!std::isfinite(pounds) || std::fabs(pounds) > 1e9) return std::nullopt;
    const std::int64_t hundredths = std::llround(std::fabs(pounds) * 1600.0);
    if (hundredths == 0) return std::nullopt;  // below 0.005 oz
    const std::int64_t wholePounds = hundredths / 1600;
    const std::int64_t ounces = hundredths % 1600 / 100;
    std::int64_t cents = hundredths % 100;

    std::string text = pounds < 0 ? "-" : "";
    if (wholePounds > 0) text += WholeText(wholePounds) + " lb";
    if (ounces == 0 && cents == 0) return text;
    if (wholePounds > 0) text += ' ';
    text += WholeText(ounces);
    if (cents > 0) {
        text += format.decimal;
        text += char('0' + cents / 10);
        if (cents % 10 != 0) text += char('0' + cents % 10);
    }
    return text + " oz";
}

}  // namespace

std::string ConstantText(double k)
{
    char buffer[64];
    const auto form =
        UsesPlainConstant(std::fabs(k)) ? std::chars_format::fixed : std::chars_format::scientific;
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, k, form).ptr;
    return {buffer, end};
}

std::string CellSteps(const UnitTable& table, int source, int target)
{
    const std::string from = WithoutAccelerator(table.Unit(source).caption);
    const std::string to = WithoutAccelerator(table.Unit(target).caption);
    const ConversionRule& rule = table.RuleAt(source, target);
    if (table.evaluation == Evaluation::SquareSide && rule.count > 0)
        return to + " = (" + Expression(rule, "√" + from) + ")²";
    return to + " = " + Expression(rule, from);
}

std::string DimensionSteps(const AreaDimensionsTable& table, int result)
{
    const ConversionRule& rule = table.cells[std::size_t(result - 1)];
    const std::string caption(table.resultCaptions[std::size_t(result - 1)]);
    if (rule.count <= 0) return caption + " = length × width";
    return caption + " = (" + Expression(rule, "length") + ") × (" + Expression(rule, "width") +
           ")";
}

std::string DimensionSides(const AreaDimensionsTable& table)
{
    std::string text = "length and width in ";
    text += table.fieldUnits.back();  // the base unit, whose factor is 1
    text += " =";
    for (std::size_t k = 0; k < table.fieldUnits.size(); ++k) {
        text += k == 0 ? " " : " + ";
        text += table.fieldUnits[k];
        if (table.fieldFactors[k] != 1.0) text += " × " + ConstantText(table.fieldFactors[k]);
    }
    return text;
}

std::optional<std::string> ReadingText(Reading unit, double value, const NumberFormat& format)
{
    switch (unit) {
    case Reading::Inches: return FeetAndInches(value);
    case Reading::Feet: return FeetAndInches(value * 12.0);
    case Reading::Yards: return FeetAndInches(value * 36.0);
    case Reading::Pounds: return PoundsAndOunces(value, format);
    case Reading::None: break;
    }
    return std::nullopt;
}

}  // namespace engine
