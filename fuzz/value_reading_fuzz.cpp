// ReadValueAccounted on any bytes and three regional formats: its value must be
// ReadValue's, bit for bit; the text up to where it says reading stopped must
// read as the same value, and what it says about the rest must hold of the
// rest's first characters.

#include <bit>
#include <cstdint>
#include <string_view>

#include "engine/value_text.h"
#include "fuzz/fuzz_check.h"

namespace {

bool SameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool IsDropped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

void Check(std::string_view text, const engine::NumberFormat& format)
{
    const engine::ReadResult plain = engine::ReadValue(text);
    const engine::ValueReading reading = engine::ReadValueAccounted(text, format);
    const std::string escaped = fuzz::Escaped(text);

    FUZZ_CHECK(reading.result.status == plain.status && SameBits(reading.result.value, plain.value),
               "the two readings differ for %s", escaped.c_str());
    FUZZ_CHECK(reading.end <= text.size(), "end %zu beyond %s", reading.end, escaped.c_str());
    FUZZ_CHECK(reading.whole() == (reading.end == text.size()), "whole but stopped early in %s",
               escaped.c_str());

    const engine::ReadResult prefix = engine::ReadValue(text.substr(0, reading.end));
    FUZZ_CHECK(prefix.status == plain.status && SameBits(prefix.value, plain.value),
               "the text up to %zu reads otherwise than %s", reading.end, escaped.c_str());
    if (reading.whole()) return;

    const std::string_view rest = text.substr(reading.end);
    FUZZ_CHECK(!IsDropped(rest.front()), "stopped at a blank in %s", escaped.c_str());
    switch (reading.stop) {
    case engine::ReadStop::DecimalSeparator:
        FUZZ_CHECK(format.decimal != "." && rest.starts_with(format.decimal),
                   "no decimal separator at %zu in %s", reading.end, escaped.c_str());
        break;
    case engine::ReadStop::Grouping:
        FUZZ_CHECK(rest.starts_with(format.group), "no group separator at %zu in %s", reading.end,
                   escaped.c_str());
        break;
    case engine::ReadStop::NoNumber:
        FUZZ_CHECK(plain.value == 0.0, "a number in %s", escaped.c_str());
        break;
    case engine::ReadStop::Unexpected:
    case engine::ReadStop::Whole: break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const engine::NumberFormat& format :
         {engine::NumberFormat{".", ","}, engine::NumberFormat{",", "."},
          engine::NumberFormat{"\u066b", "\u066c"}})
        Check(text, format);
    return 0;
}
