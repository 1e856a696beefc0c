#include "engine/value_text.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace engine {

namespace {

constexpr bool IsDropped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the text as a stream with blanks, tabs and line feeds removed, without
// copying it: a typed text may be of any length.
class Cursor {
public:
    explicit Cursor(std::string_view text) : m_text(text) { skip(); }
    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    // Where the next character to read stands, the blanks before it dropped.
    std::size_t position() const { return m_pos; }
    void next()
    {
        ++m_pos;
        skip();
    }

private:
    void skip()
    {
        while (m_pos < m_text.size() && IsDropped(m_text[m_pos])) ++m_pos;
    }
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// A string of at most N characters on the stack: a reading must not touch the
// heap, however long the text. A std::array so that the library's checked
// indexing stops a write past the end rather than let it run over the stack.
template <std::size_t N>
class FixedText {
public:
    void push_back(char c) { m_data[m_size++] = c; }
    bool empty() const { return m_size == 0; }
    std::size_t size() const { return m_size; }
    const char* data() const { return m_data.data(); }
    char operator[](std::size_t i) const { return m_data[i]; }

private:
    std::array<char, N> m_data{};
    std::size_t m_size = 0;
};

// More digits than this never change a double's rounding: beyond them only
// whether any further digit is non-zero counts, kept as one sticky digit.
constexpr std::size_t kMaxSignificantDigits = 780;
using Digits = FixedText<kMaxSignificantDigits + 1>;

// 2^1024 and up overflow; a few bits of room tell that apart from the edge.
constexpr std::size_t kMaxBits = 1100;

// Decimal exponents past these give infinity or zero whatever the digits.
constexpr std::int64_t kOverflowExponent = 310;    // 0.d × 10^310 > DBL_MAX
constexpr std::int64_t kUnderflowExponent = -330;  // 0.d × 10^-330 < min subnormal / 2

std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b)
{
    constexpr std::int64_t kLimit = std::int64_t(1) << 60;
    const std::int64_t sum = a + b;  // both stay within ±2^61, so no overflow
    return sum > kLimit ? kLimit : sum < -kLimit ? -kLimit : sum;
}

ReadResult FromDigits(bool negative, const Digits& digits, std::int64_t exponent)
{
    // digits holds the significant digits d1 d2 … (no leading zeros); the
    // value is 0.d1d2… × 10^exponent.
    if (digits.empty() || exponent < kUnderflowExponent)
        return {negative ? -0.0 : 0.0, EvalStatus::Ok};
    if (exponent > kOverflowExponent) return {0.0, EvalStatus::Overflow};

    char buffer[kMaxSignificantDigits + 16];
    char* p = buffer;
    *p++ = '.';
    std::memcpy(p, digits.data(), digits.size());
    p += digits.size();
    *p++ = 'e';
    p = std::to_chars(p, buffer + sizeof buffer, exponent).ptr;

    double value = 0.0;  // a read out of range leaves it alone
    const auto [end, ec] = std::from_chars(buffer, p, value);
    (void)end;
    // The exponent bounds above leave only the edges of the range out of it:
    // beyond the largest double, or below half the smallest, which is zero.
    if (ec == std::errc::result_out_of_range && exponent > 0) return {0.0, EvalStatus::Overflow};
    return {negative ? -value : value, EvalStatus::Ok};
}

// Where reading stopped, before the stop is explained against the regional
// format.
struct Scan {
    ReadResult result;
    std::size_t end = 0;    // first character not read, blanks before it dropped
    bool anyDigit = false;  // a number was found at all
};

// "&H" and "&O" numbers: unsigned whole numbers of any length. The digits are
// turned into a hexadecimal significand so that from_chars rounds them once,
// correctly, however many there are.
Scan ReadRadix(Cursor& cursor, int bitsPerDigit)
{
    FixedText<kMaxBits + 8> bits;  // binary digits, most significant first, no leading zeros
    bool anyDigit = false;
    for (;; cursor.next()) {
        const char c = cursor.peek();
        int digit = -1;
        if (bitsPerDigit == 4) {
            if (IsDigit(c)) digit = c - '0';
            else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        } else if (c >= '0' && c <= '7') {
            digit = c - '0';
        }
        if (digit < 0) break;
        anyDigit = true;
        for (int b = bitsPerDigit - 1; b >= 0; --b) {
            const bool one = (digit >> b) & 1;
            if (one || !bits.empty()) bits.push_back(one ? '1' : '0');
        }
        if (bits.size() > kMaxBits) {
            // Overflow whatever follows; the rest of the digits still count as read.
            for (cursor.next();
                 std::isxdigit(static_cast<unsigned char>(cursor.peek())) &&
                 (bitsPerDigit == 4 || (cursor.peek() >= '0' && cursor.peek() <= '7'));
                 cursor.next()) {
            }
            return {{0.0, EvalStatus::Overflow}, cursor.position(), true};
        }
    }
    if (bits.empty()) return {{0.0, EvalStatus::Ok}, cursor.position(), anyDigit};

    // Left-pad to whole hexadecimal digits.
    const std::size_t pad = (4 - bits.size() % 4) % 4;
    FixedText<kMaxBits / 4 + 4> hex;
    int nibble = 0;
    for (std::size_t i = 0; i < pad + bits.size(); ++i) {
        nibble = nibble * 2 + (i < pad ? 0 : bits[i - pad] - '0');
        if (i % 4 == 3) {
            hex.push_back("0123456789abcdef"[nibble]);
            nibble = 0;
        }
    }
    double value = 0.0;
    const std::from_chars_result read =
        std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
    if (read.ec != std::errc() || std::isinf(value))
        return {{0.0, EvalStatus::Overflow}, cursor.position(), true};
    return {{value, EvalStatus::Ok}, cursor.position(), true};
}

Scan ScanValue(std::string_view text)
{
    Cursor cursor(text);
    const std::size_t start = cursor.position();

    if (cursor.peek() == '&') {
        cursor.next();
        const char radix = cursor.peek();
        if (radix == 'H' || radix == 'h' || radix == 'O' || radix == 'o') {
            cursor.next();
            Scan scan = ReadRadix(cursor, radix == 'H' || radix == 'h' ? 4 : 3);
            if (!scan.anyDigit) scan.end = start;  // "&H" alone holds no number
            return scan;
        }
        return {{0.0, EvalStatus::Ok}, start, false};
    }

    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.next();
    }

    Digits digits;                // significant digits, leading zeros dropped
    bool sticky = false;          // a non-zero digit beyond kMaxSignificantDigits
    std::int64_t pointShift = 0;  // decimal exponent of 0.digits, before 'E'
    bool anyDigit = false;

    auto takeDigit = [&](char c, bool integerPart) {
        anyDigit = true;
        if (digits.empty() && c == '0') {
            if (!integerPart) pointShift = SaturatingAdd(pointShift, -1);
            return;
        }
        if (integerPart) pointShift = SaturatingAdd(pointShift, 1);
        if (digits.size() < kMaxSignificantDigits) digits.push_back(c);
        else if (c != '0') sticky = true;
    };

    for (; IsDigit(cursor.peek()); cursor.next()) takeDigit(cursor.peek(), true);
    if (cursor.peek() == '.') {
        cursor.next();
        for (; IsDigit(cursor.peek()); cursor.next()) takeDigit(cursor.peek(), false);
    }
    if (!anyDigit) return {{0.0, EvalStatus::Ok}, start, false};

    // An "E" without digits after it adds nothing: the number ends before it.
    std::size_t end = cursor.position();
    std::int64_t exponent = 0;
    if (cursor.peek() == 'E' || cursor.peek() == 'e') {
        cursor.next();
        bool negativeExponent = false;
        if (cursor.peek() == '+' || cursor.peek() == '-') {
            negativeExponent = cursor.peek() == '-';
            cursor.next();
        }
        bool exponentDigit = false;
        for (; IsDigit(cursor.peek()); cursor.next()) {
            exponentDigit = true;
            if (exponent < (std::int64_t(1) << 50))
                exponent = exponent * 10 + (cursor.peek() - '0');
        }
        if (exponentDigit) end = cursor.position();
        if (negativeExponent) exponent = -exponent;
    }

    if (sticky) digits.push_back('1');
    return {FromDigits(negative, digits, SaturatingAdd(pointShift, exponent)), end, true};
}

}  // namespace

ReadResult ReadValue(std::string_view text) { return ScanValue(text).result; }

ValueReading ReadValueAccounted(std::string_view text, const NumberFormat& format)
{
    const Scan scan = ScanValue(text);
    ValueReading reading{scan.result, scan.end, ReadStop::Whole};
    if (scan.end >= text.size()) return reading;

    const std::string_view rest = text.substr(scan.end);
    const auto startsWith = [rest](std::string_view s) {
        return !s.empty() && rest.starts_with(s);
    };
    // ",5" under a decimal comma is a misread fraction, not a text without a number.
    if (format.decimal != "." && startsWith(format.decimal))
        reading.stop = ReadStop::DecimalSeparator;
    else if (!scan.anyDigit) reading.stop = ReadStop::NoNumber;
    else if (startsWith(format.group)) reading.stop = ReadStop::Grouping;
    else reading.stop = ReadStop::Unexpected;
    return reading;
}

std::string MeantText(std::string_view text, const NumberFormat& format)
{
    const std::string_view decimal = format.decimal;
    const std::string_view group =
        format.group == format.decimal ? std::string_view() : format.group;
    std::string meant;
    bool decimalSeen = false;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        if (!group.empty() && !decimalSeen && rest.starts_with(group)) {
            const std::size_t after = i + group.size();
            const bool threeDigits = after + 3 <= text.size() && IsDigit(text[after]) &&
                                     IsDigit(text[after + 1]) && IsDigit(text[after + 2]) &&
                                     (after + 3 == text.size() || !IsDigit(text[after + 3]));
            if (meant.empty() || !IsDigit(meant.back()) || !threeDigits) return {};
            i = after;
        } else if (decimal != "." && rest.starts_with(decimal)) {
            decimalSeen = true;
            meant += '.';
            i += decimal.size();
        } else if (IsDropped(text[i])) {
            ++i;
        } else {
            meant += text[i++];
        }
    }
    if (meant.empty() || meant.size() > kMaxTypedText || !ReadValueAccounted(meant, format).whole())
        return {};
    return meant;
}

namespace {

// Plain notation for decimal exponents -4..14 ("0.0001"), exponent notation
// outside ("1E-05"); the exponent is taken after rounding to 15 digits.
constexpr bool UsesPlainNotation(int e) { return e >= -4 && e <= 14; }

constexpr int kSignificantDigits = 15;

char* Append(char* out, std::string_view text)
{
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

}  // namespace

std::size_t FormatValueInto(double value, const NumberFormat& format, char* out)
{
    char* const start = out;
    if (std::isnan(value)) return std::size_t(Append(out, "NaN") - start);
    if (std::isinf(value))
        return std::size_t(Append(out, value < 0 ? "-Infinity" : "Infinity") - start);
    if (value == 0.0) {
        *out = '0';
        return 1;
    }

    // to_chars with a precision rounds the exact binary value correctly:
    // "d.dddddddddddddde±XX".
    char sci[40];
    const auto result = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific,
                                      kSignificantDigits - 1);
    const std::string_view text(sci, std::size_t(result.ptr - sci));
    const bool negative = text.front() == '-';
    const std::size_t first = negative ? 1 : 0;
    const std::size_t ePos = text.find('e');

    // to_chars writes exactly 15 digits here; the bound and the "0" default
    // keep a surprise from ever writing past the array or reading garbage.
    char digits[kSignificantDigits] = {'0'};
    int count = 0;
    for (std::size_t i = first; i < ePos && count < kSignificantDigits; ++i)
        if (IsDigit(text[i])) digits[count++] = text[i];
    if (count == 0) count = 1;
    while (count > 1 && digits[count - 1] == '0') --count;

    int exponent = 0;
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);

    const std::string_view decimal =
        format.decimal.size() <= 8 ? std::string_view(format.decimal) : std::string_view(".");
    if (negative) *out++ = '-';
    if (UsesPlainNotation(exponent)) {
        if (exponent < 0) {
            *out++ = '0';
            out = Append(out, decimal);
            for (int i = -1; i > exponent; --i) *out++ = '0';
            out = Append(out, std::string_view(digits, std::size_t(count)));
        } else {
            const int integerDigits = exponent + 1;
            for (int i = 0; i < integerDigits; ++i) *out++ = i < count ? digits[i] : '0';
            if (count > integerDigits) {
                out = Append(out, decimal);
                out = Append(out, std::string_view(digits + integerDigits,
                                                   std::size_t(count - integerDigits)));
            }
        }
    } else {
        *out++ = digits[0];
        if (count > 1) {
            out = Append(out, decimal);
            out = Append(out, std::string_view(digits + 1, std::size_t(count - 1)));
        }
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) *out++ = '0';
        out = std::to_chars(out, out + 4, magnitude).ptr;
    }
    return std::size_t(out - start);
}

std::string FormatValue(double value, const NumberFormat& format)
{
    char buffer[kMaxValueText];
    return std::string(buffer, FormatValueInto(value, format, buffer));
}

bool IsNumericText(std::string_view text, const NumberFormat& format)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    const std::string_view decimal = format.decimal;
    const std::string_view group = format.group;
    std::size_t i = 0;
    auto at = [&](std::string_view s) { return !s.empty() && text.substr(i, s.size()) == s; };
    auto digitAt = [&](std::size_t pos) { return pos < text.size() && IsDigit(text[pos]); };

    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;

    bool anyDigit = false;
    // Integer part: digits, with group separators only between two digits.
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            anyDigit = true;
            ++i;
        } else if (anyDigit && at(group) && group != decimal && digitAt(i + group.size())) {
            i += group.size();
        } else {
            break;
        }
    }
    if (at(decimal)) {
        i += decimal.size();
        while (digitAt(i)) {
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit) return false;

    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (!digitAt(i)) return false;
        while (digitAt(i)) ++i;
    }
    return i == text.size();
}

const char* Describe(EvalStatus status)
{
    switch (status) {
    case EvalStatus::Ok: return "OK";
    case EvalStatus::Overflow: return "The number is too large to compute";
    case EvalStatus::DivideByZero: return "A conversion divided by zero";
    case EvalStatus::InvalidOperation: return "A conversion gave no valid number";
    }
    return "Unknown fault";
}

}  // namespace engine
