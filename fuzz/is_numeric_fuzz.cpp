// IsNumericText on any bytes, with the point format, the comma format and a
// format with multi-byte separators (Arabic decimal U+066B, group U+066C). Each
// verdict is checked against a regular expression of the same grammar, and a
// text judged numeric must read, once its separators are normalised, as a
// whole number with the C library's reader.

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>

#include "engine/value_text.h"
#include "fuzz/fuzz_check.h"

namespace {

std::string Escape(std::string_view separator)
{
    std::string out;
    for (char c : separator) {
        if (std::string_view(".,'^$\\|?*+()[]{}").find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
    return out;
}

struct Format {
    engine::NumberFormat format;
    std::regex grammar;
};

// Blanks and tabs around the number; a sign; digits with group separators
// only between two digits; at most one decimal separator, with digits on at
// least one side of it; an exponent with at least one digit.
Format Make(std::string decimal, std::string group)
{
    const std::string d = Escape(decimal), g = Escape(group);
    const std::string pattern = "[ \\t]*[+-]?(([0-9]+(" + g + "[0-9]+)*(" + d + "[0-9]*)?)|(" + d +
                                "[0-9]+))([eE][+-]?[0-9]+)?[ \\t]*";
    return {{std::move(decimal), std::move(group)}, std::regex(pattern, std::regex::ECMAScript)};
}

// The text with blanks trimmed, groups removed and the decimal separator made
// a point, as the C library's reader wants it.
std::string Normalised(std::string_view text, const engine::NumberFormat& format)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i).starts_with(format.decimal)) {
            out += '.';
            i += format.decimal.size();
        } else if (text.substr(i).starts_with(format.group)) {
            i += format.group.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Format kFormats[] = {
        Make(".", ","),
        Make(",", "."),
        Make("\xd9\xab", "\xd9\xac"),
    };
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    for (const Format& f : kFormats) {
        const bool numeric = engine::IsNumericText(text, f.format);
        // std::regex recurses per character; long texts are checked only for
        // crashes and by the reading below.
        if (size <= 128) {
            const bool matches = std::regex_match(text.begin(), text.end(), f.grammar);
            FUZZ_CHECK(numeric == matches, "IsNumericText %d, grammar %d for %s (decimal %s)",
                       int(numeric), int(matches), fuzz::Escaped(text).c_str(),
                       fuzz::Escaped(f.format.decimal).c_str());
        }
        if (!numeric) continue;
        const std::string plain = Normalised(text, f.format);
        char* stop = nullptr;
        errno = 0;
        (void)std::strtod(plain.c_str(), &stop);
        FUZZ_CHECK(!plain.empty() && stop == plain.c_str() + plain.size(),
                   "numeric text %s does not read as a whole: %s", fuzz::Escaped(text).c_str(),
                   fuzz::Escaped(plain).c_str());
    }
    return 0;
}
