// FormatValue on any 8 bytes taken as a double (NaN skipped: no evaluation
// produces one). The text must read back, with ReadValue, to the value rounded
// to 15 significant digits, be at most 22 characters long, use plain notation
// exactly for decimal exponents -4..14, and differ between the point and the
// comma format only in the separator.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/value_text.h"
#include "fuzz/fuzz_check.h"

namespace {

// The value rounded to 15 significant digits, and the decimal exponent of the
// rounded value; infinite when the rounding carries past the largest double.
double Rounded15(double value, int& exponent)
{
    char text[40];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14).ptr;
    const char* e = std::strchr(text, 'e');
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    double rounded = 0.0;
    const auto [stop, ec] = std::from_chars(text, end, rounded);
    (void)stop;
    if (ec == std::errc::result_out_of_range) return value < 0 ? -HUGE_VAL : HUGE_VAL;
    return rounded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size != sizeof(double)) return -1;  // keeps such inputs out of the corpus
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    if (std::isnan(value)) return 0;

    const engine::NumberFormat point{".", ","}, comma{",", "."};
    const std::string text = engine::FormatValue(value, point);
    FUZZ_CHECK(text.size() <= 22, "%s has %zu characters", text.c_str(), text.size());

    std::string withComma = text;
    for (char& c : withComma)
        if (c == '.') c = ',';
    FUZZ_CHECK(engine::FormatValue(value, comma) == withComma, "comma format differs for %s",
               text.c_str());

    if (std::isinf(value)) {
        FUZZ_CHECK(text == (value < 0 ? "-Infinity" : "Infinity"), "infinity written as %s",
                   text.c_str());
        return 0;
    }
    if (value == 0.0) {
        FUZZ_CHECK(text == "0", "zero written as %s", text.c_str());
        return 0;
    }

    int exponent = 0;
    const double rounded = Rounded15(value, exponent);
    const engine::ReadResult back = engine::ReadValue(text);
    if (std::isinf(rounded)) {
        // Only the last few doubles below the largest round up past it: their
        // text, "1.79769313486232E+308", names a number beyond the range.
        FUZZ_CHECK(back.status == engine::EvalStatus::Overflow, "%s read back as %.17g",
                   text.c_str(), back.value);
    } else {
        FUZZ_CHECK(back && back.value == rounded,
                   "%s read back as %.17g (status %d), expected %.17g", text.c_str(), back.value,
                   int(back.status), rounded);
    }

    const bool plain = text.find('E') == std::string::npos;
    FUZZ_CHECK(plain == (exponent >= -4 && exponent <= 14), "%s written with exponent %d",
               text.c_str(), exponent);
    FUZZ_CHECK(text.front() != '+' && text.front() != ' ', "%s has a leading sign or blank",
               text.c_str());
    FUZZ_CHECK((text.front() == '-') == (value < 0), "%s has the wrong sign for %.17g",
               text.c_str(), value);
    if (plain && text.find('.') != std::string::npos)
        FUZZ_CHECK(text.back() != '0', "%s keeps a trailing zero", text.c_str());
    return 0;
}
