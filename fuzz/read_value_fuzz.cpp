// ReadValue on any bytes: it must never crash, hang or fail other than with
// Overflow, must ignore blanks wherever they stand, and must agree with the C
// library's correctly rounded reading of the same leading number.

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/value_text.h"
#include "fuzz/fuzz_check.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Bit for bit, so that 0 and -0 differ.
bool SameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

std::string WithoutBlanks(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') out.push_back(c);
    return out;
}

// The expected reading of a text without blanks, by an independent route:
// the longest prefix of the form [+-]digits[.digits][E[+-]digits] handed to
// strtod (the fuzzer runs in the "C" locale), "&H"/"&O" numbers summed exactly
// when they fit 53 bits. Returns false when there is no simple expectation.
bool Expected(const std::string& text, engine::ReadResult& expected)
{
    if (!text.empty() && text[0] == '&') {
        int base = 0;
        if (text.size() > 1 && (text[1] == 'H' || text[1] == 'h')) base = 16;
        if (text.size() > 1 && (text[1] == 'O' || text[1] == 'o')) base = 8;
        if (base == 0) {
            expected = {0.0, engine::EvalStatus::Ok};
            return true;
        }
        std::uint64_t sum = 0;
        for (std::size_t i = 2; i < text.size(); ++i) {
            const char c = text[i];
            int digit = -1;
            if (IsDigit(c)) digit = c - '0';
            else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            if (digit < 0 || digit >= base) break;
            if (sum >= (std::uint64_t(1) << 49)) return false;  // beyond exact doubles
            sum = sum * std::uint64_t(base) + std::uint64_t(digit);
        }
        expected = {double(sum), engine::EvalStatus::Ok};
        return true;
    }

    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t mantissaStart = i;
    bool anyDigit = false;
    while (i < text.size() && IsDigit(text[i])) anyDigit = true, ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) anyDigit = true, ++i;
    }
    if (!anyDigit) {
        expected = {0.0, engine::EvalStatus::Ok};
        return true;
    }
    (void)mantissaStart;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            end = j;
        }
    }
    const std::string number = text.substr(0, end);
    errno = 0;
    char* stop = nullptr;
    const double value = std::strtod(number.c_str(), &stop);
    FUZZ_CHECK(stop == number.c_str() + number.size(), "strtod stopped early in %s",
               fuzz::Escaped(number).c_str());
    if (std::isinf(value)) expected = {0.0, engine::EvalStatus::Overflow};
    else if (errno == ERANGE && std::fpclassify(value) != FP_ZERO && !std::isnormal(value))
        return false;  // underflow to a subnormal: the two may round differently
    else expected = {value, engine::EvalStatus::Ok};
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const engine::ReadResult read = engine::ReadValue(text);

    FUZZ_CHECK(read.status == engine::EvalStatus::Ok || read.status == engine::EvalStatus::Overflow,
               "status %d for %s", int(read.status), fuzz::Escaped(text).c_str());
    if (read)
        FUZZ_CHECK(std::isfinite(read.value), "non-finite value for %s",
                   fuzz::Escaped(text).c_str());

    const std::string compact = WithoutBlanks(text);
    const engine::ReadResult again = engine::ReadValue(compact);
    FUZZ_CHECK(again.status == read.status && SameBits(again.value, read.value),
               "blanks changed the reading of %s", fuzz::Escaped(text).c_str());

    engine::ReadResult expected;
    if (Expected(compact, expected)) {
        FUZZ_CHECK(expected.status == read.status, "status %d, expected %d for %s",
                   int(read.status), int(expected.status), fuzz::Escaped(text).c_str());
        if (read)
            FUZZ_CHECK(SameBits(expected.value, read.value), "read %.17g, expected %.17g for %s",
                       read.value, expected.value, fuzz::Escaped(text).c_str());
    }
    return 0;
}
