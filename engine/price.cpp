#include "engine/price.h"

#include <charconv>
#include <cmath>
#include <string>

#include "engine/evaluate.h"

namespace engine {

EvalStatus EvaluatePrice(const UnitTable& table, int source, std::string_view priceText,
                         const NumberFormat& format, PriceSink& sink)
{
    return EvaluatePrice(table, source, ReadValue(priceText), format, sink);
}

EvalStatus EvaluatePrice(const UnitTable& table, int source, ReadResult read,
                         const NumberFormat& format, PriceSink& sink)
{
    if (!table.HasPrices() || source < 1 || std::size_t(source) > table.size)
        return EvalStatus::InvalidOperation;
    if (!read) return read.status;
    for (int j = 1; j <= int(table.size); ++j) {
        // Unlike a conversion, a price beyond the double range is a fault and
        // is never shown.
        const RuleResult cell = ApplyRule(table.PriceRuleAt(source, j), read.value, true);
        if (cell.status != EvalStatus::Ok) return cell.status;
        sink.Price(j, FormatPrice(cell.value, format));
    }
    return EvalStatus::Ok;
}

std::string FormatPrice(double value, const NumberFormat& format)
{
    if (!std::isfinite(value))
        return value < 0 ? "-$Infinity" : std::isnan(value) ? "$NaN" : "$Infinity";

    // The value's 15-significant-digit decimal form, "d.dddddddddddddde±XX",
    // as the displayed values are rounded.
    char sci[40];
    const auto end =
        std::to_chars(sci, sci + sizeof sci, std::fabs(value), std::chars_format::scientific, 14)
            .ptr;
    const std::string_view text(sci, std::size_t(end - sci));
    const std::size_t ePos = text.find('e');
    int exponent = 0;
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), end, exponent);
    std::string digits;
    for (std::size_t i = 0; i < ePos; ++i)
        if (text[i] != '.') digits.push_back(text[i]);

    // Cents as a decimal string: the digits scaled by 10^(exponent + 2 - 14).
    // Shift the decimal point and keep the first dropped digit for rounding.
    const int integerDigits = exponent + 3;  // digits before the point of value × 100
    std::string cents;
    char firstDropped = '0';
    if (integerDigits <= 0) {
        cents = "0";
        firstDropped = integerDigits == 0 ? digits[0] : '0';
    } else if (std::size_t(integerDigits) >= digits.size()) {
        cents = digits + std::string(std::size_t(integerDigits) - digits.size(), '0');
    } else {
        cents = digits.substr(0, std::size_t(integerDigits));
        firstDropped = digits[std::size_t(integerDigits)];
    }
    if (firstDropped >= '5') {  // half away from zero
        std::size_t i = cents.size();
        while (i > 0 && cents[i - 1] == '9') cents[--i] = '0';
        if (i == 0) cents.insert(cents.begin(), '1');
        else ++cents[i - 1];
    }
    const std::size_t first = cents.find_first_not_of('0');
    cents = first == std::string::npos ? "0" : cents.substr(first);
    if (cents.size() < 3) cents.insert(0, 3 - cents.size(), '0');

    const bool negative = value < 0 && cents.find_first_not_of('0') != std::string::npos;
    std::string out = negative ? "-$" : "$";
    out.append(cents, 0, cents.size() - 2);
    out += format.decimal;
    out.append(cents, cents.size() - 2, 2);
    return out;
}

}  // namespace engine
