#include "engine/whole_number.h"

#include <string>

namespace engine {

ReadResult ReadWholeNumber(std::string_view text, const NumberFormat& format)
{
    if (!IsNumericText(text, format)) return {0.0, EvalStatus::InvalidOperation};

    // The text is known to be one number, so it only needs respelling in the
    // fixed syntax ReadValue reads: group separators dropped, the decimal
    // separator turned into a point. ReadValue then rounds it correctly and
    // judges overflow and underflow the same way as for typed texts.
    const std::string_view decimal = format.decimal;
    const std::string_view group = format.group;
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        // The decimal separator is tested first: where a locale spells both
        // alike, IsNumericText has already read it as the decimal separator.
        if (!decimal.empty() && text.substr(i, decimal.size()) == decimal) {
            plain.push_back('.');
            i += decimal.size();
        } else if (!group.empty() && text.substr(i, group.size()) == group) {
            i += group.size();
        } else {
            plain.push_back(text[i]);
            ++i;
        }
    }
    return ReadValue(plain);
}

}  // namespace engine
