#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/status.h"

namespace engine {

// The user's regional number format. Strings, not chars: some locales group
// digits with U+202F or U+00A0, several bytes in UTF-8.
struct NumberFormat {
    std::string decimal = ".";
    std::string group = ",";
};

struct ReadResult {
    double value = 0.0;
    EvalStatus status = EvalStatus::Ok;
    explicit operator bool() const { return status == EvalStatus::Ok; }
};

// Reads the leading number of a typed text, forgivingly: blanks, tabs and line
// feeds are dropped wherever they stand, only the point is a decimal separator,
// reading stops at the first character that cannot continue the number, and a
// text without a number reads as 0. "&H1F" and "&O17" read hexadecimal and
// octal whole numbers of any length. Fails only with Overflow, for a magnitude
// beyond the largest finite double; a value too small for a double reads as 0.
// Never throws and never allocates; any bytes, of any length, are accepted.
ReadResult ReadValue(std::string_view text);

// Why a reading stopped before the end of the text.
enum class ReadStop {
    Whole,             // every character was read (an empty or blank text too)
    Unexpected,        // a character that cannot continue the number: "12abc", "26.2 mi"
    DecimalSeparator,  // the regional decimal separator, when it is not the point: "1,5"
    Grouping,          // the regional digit-group separator: "1,000"
    NoNumber,          // the text does not begin with a number: "abc", "-", "&HZZ"
};

// A reading and its account: the value exactly as ReadValue gives it, the
// offset in the text of the first character not read (the blanks before it
// dropped, so the text's size when it was read whole), and why reading stopped
// there. An "E" without exponent digits ("1E") is not read. Never throws and
// never allocates.
struct ValueReading {
    ReadResult result;
    std::size_t end = 0;
    ReadStop stop = ReadStop::Whole;
    bool whole() const { return stop == ReadStop::Whole; }
};
ValueReading ReadValueAccounted(std::string_view text, const NumberFormat& format);

// A value box, and each field of the area windows, takes at most this many
// typed characters.
inline constexpr std::size_t kMaxTypedText = 21;

// What the user most likely meant by a text with regional separators: the
// groups dropped and the regional decimal separator turned into the point
// ("1.234,5" under a decimal comma means "1234.5"). Offered only where every
// group separator stands before exactly three digits and the result is a text
// a value box takes and reads whole; empty when there is nothing to offer.
std::string MeantText(std::string_view text, const NumberFormat& format);

// The longest text FormatValue writes: "-1.23456789012345E+100" has 22
// characters; a multi-byte decimal separator adds a few.
inline constexpr std::size_t kMaxValueText = 40;

// Writes a double rounded to 15 significant digits: plain notation for decimal
// exponents -4..14, exponent notation ("1E+15", "2.5E-07") outside. Zero, also
// negative zero, is "0"; infinities are "Infinity" and "-Infinity". Never fails.
std::string FormatValue(double value, const NumberFormat& format);

// As FormatValue, into a caller's buffer of at least kMaxValueText bytes, with
// no allocation; returns the length written.
std::size_t FormatValueInto(double value, const NumberFormat& format, char* out);

// True when the whole text, leading and trailing blanks apart, is one number in
// the regional format: optional sign, digits with optional group separators
// between them, at most one decimal separator, optional exponent ("E", optional
// sign, digits). No currency sign, parentheses or trailing sign.
bool IsNumericText(std::string_view text, const NumberFormat& format);

}  // namespace engine
