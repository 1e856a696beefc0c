#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "engine/value_text.h"

namespace {

using engine::EvalStatus;
using engine::FormatValue;
using engine::IsNumericText;
using engine::NumberFormat;
using engine::ReadValue;

const NumberFormat kPoint{".", ","};
const NumberFormat kComma{",", "."};

TEST(ReadValue, ReadsTheLeadingNumberForgivingly)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},
        {"   ", 0},
        {"-", 0},
        {".", 0},
        {".5", 0.5},
        {"-.5", -0.5},
        {"+7", 7},
        {"1 000", 1000},
        {"1,000", 1},
        {"1e3", 1000},
        {"1E", 1},
        {"2.5E-1", 0.25},
        {"12abc", 12},
        {"3.5 kg", 3.5},
        {" 1 2 3", 123},
        {"abc", 0},
        {"1\t2\n3", 123},
        {"1e+2", 100},
        {"1E-", 1},
        {"5.", 5},
        {"--5", 0},
        {"+-5", 0},
        {"1.2.3", 1.2},
        {"1e2e3", 100},
        {"0.000001", 1e-6},
        {"00012.50", 12.5},
        {"1 e 3", 1000},
        {"\r5", 0},
        {"9007199254740993", 9007199254740992.0},  // correctly rounded to even
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = ReadValue(c.text);
        ASSERT_TRUE(read);
        EXPECT_EQ(read.value, c.value);
    }
}

TEST(ReadValue, ReadsHexadecimalAndOctalWholeNumbers)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"&HFF", 255},
        {"&hff", 255},
        {"&H", 0},
        {"&O17", 15},
        {"&o777", 511},
        {"&O8", 0},
        {"&O10", 8},  // a later zero is a digit too
        {"&H1G", 1},
        {"& H 1 0", 16},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
        {"&X12", 0},
        {"-&H10", 0},
        // every digit of both bases, in both cases
        {"&H0123456789", 0x123456789},
        {"&HABCDEF", 0xABCDEF},
        {"&Habcdef", 0xABCDEF},
        {"&O01234567", 01234567},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = ReadValue(c.text);
        ASSERT_TRUE(read);
        EXPECT_EQ(read.value, c.value);
    }
    // 256 hexadecimal F's lie beyond the largest double.
    EXPECT_EQ(ReadValue("&H" + std::string(256, 'F')).status, EvalStatus::Overflow);
    EXPECT_TRUE(ReadValue("&H" + std::string(255, 'F')));
    // The longest run of digits the reader keeps: 1100 bits, 275 hexadecimal digits.
    EXPECT_EQ(ReadValue("&H" + std::string(275, 'F')).status, EvalStatus::Overflow);
    // 2^1023 is the largest power of two a double holds, 2^1024 is beyond;
    // leading zeros, however many, add nothing.
    EXPECT_EQ(ReadValue("&H8" + std::string(255, '0')).value, std::ldexp(1.0, 1023));
    EXPECT_EQ(ReadValue("&H1" + std::string(256, '0')).status, EvalStatus::Overflow);
    EXPECT_EQ(ReadValue("&O1" + std::string(341, '0')).value, std::ldexp(1.0, 1023));
    EXPECT_EQ(ReadValue("&O2" + std::string(341, '0')).status, EvalStatus::Overflow);
    EXPECT_EQ(ReadValue("&H1" + std::string(5000, '0')).status, EvalStatus::Overflow);
    EXPECT_EQ(ReadValue("&H" + std::string(5000, '0') + "1F").value, 31.0);
}

TEST(ReadValue, FailsOnlyBeyondTheDoubleRange)
{
    EXPECT_EQ(ReadValue("1e309").status, EvalStatus::Overflow);
    EXPECT_EQ(ReadValue("-1e309").status, EvalStatus::Overflow);
    EXPECT_EQ(ReadValue("1.7976931348623159e308").status, EvalStatus::Overflow);
    EXPECT_EQ(ReadValue("1.7976931348623157e308").value, std::numeric_limits<double>::max());
    EXPECT_EQ(ReadValue("1e99999999999999999999999").status, EvalStatus::Overflow);
    // Exactly halfway between 1 and the next double rounds to even (down)
    // however many zeros follow; one non-zero digit past the digits kept
    // tips it up.
    const std::string halfway =
        "1.00000000000000011102230246251565404236316680908203125" + std::string(800, '0');
    EXPECT_EQ(ReadValue(halfway).value, 1.0);
    EXPECT_EQ(ReadValue(halfway + "1").value, std::nextafter(1.0, 2.0));
    // The most digits the reader keeps, with the largest exponent it keeps.
    EXPECT_EQ(ReadValue(std::string(800, '1') + "e99999999999999999999").status,
              EvalStatus::Overflow);
    // Too small for a double reads as zero; subnormals are still numbers.
    EXPECT_EQ(ReadValue("1e-400").value, 0.0);
    EXPECT_EQ(ReadValue("-1e-400").value, 0.0);
    EXPECT_TRUE(std::signbit(ReadValue("-1e-400").value));
    // Just under half the smallest subnormal: the library's read reports it
    // out of range, and the value is still zero.
    EXPECT_EQ(ReadValue("2e-324").value, 0.0);
    EXPECT_EQ(ReadValue("2e-324").status, EvalStatus::Ok);
    EXPECT_TRUE(std::signbit(ReadValue("-2e-324").value));
    EXPECT_EQ(ReadValue("-2e-324").value, 0.0);
    EXPECT_EQ(ReadValue("1e-99999999999999999999999").value, 0.0);
    EXPECT_EQ(ReadValue("4.9e-324").value, std::numeric_limits<double>::denorm_min());
    // Zeros before the digits move the exponent: this is 1e348.
    EXPECT_EQ(ReadValue("0." + std::string(50, '0') + "1e400").status, EvalStatus::Overflow);
    EXPECT_EQ(ReadValue("0." + std::string(5000, '0') + "1e5010").value, 1e9);
}

TEST(ReadValue, AcceptsAnyBytesOfAnyLength)
{
    std::string nasty("12\0"
                      "34",
                      5);
    EXPECT_EQ(ReadValue(nasty).value, 12);
    EXPECT_EQ(ReadValue("\xff\xfe\x80").value, 0);
    EXPECT_EQ(ReadValue(std::string(100000, '9')).status, EvalStatus::Overflow);
    EXPECT_EQ(ReadValue(std::string(300, '9')).value, 1e300);
    EXPECT_EQ(ReadValue("1." + std::string(100000, '0') + "1").value, 1.0);
    EXPECT_EQ(ReadValue(std::string(1000000, ' ') + "7").value, 7);
    // A long tail of digits decides a rounding that sits exactly on a half.
    const std::string half = "9007199254740993";  // 2^53 + 1, halfway between doubles
    EXPECT_EQ(ReadValue(half + "." + std::string(2000, '0') + "1").value, 9007199254740994.0);
}

TEST(FormatValue, WritesFifteenSignificantDigits)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {1e14, "100000000000000"},
        {1e15, "1E+15"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {999999999999999.9, "1E+15"},
        {32, "32"},
        {-40, "-40"},
        {0.5, "0.5"},
        {33.8, "33.8"},
        {-160.0 / 9, "-17.7777777777778"},
        {123456789012345, "123456789012345"},
        {1234567890123456, "1.23456789012346E+15"},
        {2.5e-7, "2.5E-07"},
        {1e100, "1E+100"},
        {-1.23456789012345e100, "-1.23456789012345E+100"},
        {0.0, "0"},
        {-0.0, "0"},
        {0.000123, "0.000123"},
        {0.000099999999999999999, "0.0001"},
        {5e-324, "4.94065645841247E-324"},
        {1.7976931348623157e308, "1.79769313486232E+308"},
        {std::numeric_limits<double>::infinity(), "Infinity"},
        {-std::numeric_limits<double>::infinity(), "-Infinity"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatValue(c.value, kPoint), c.text);
    }
}

TEST(FormatValue, UsesTheRegionalDecimalSeparator)
{
    EXPECT_EQ(FormatValue(33.8, kComma), "33,8");
    EXPECT_EQ(FormatValue(2.5e-7, kComma), "2,5E-07");
    EXPECT_EQ(FormatValue(1234567, kComma), "1234567");  // never grouped
    EXPECT_EQ(FormatValue(0.5, NumberFormat{"\xd9\xab", "\xd9\xac"}), "0\xd9\xab"
                                                                      "5");
    // A separator of up to eight bytes is written whole, in the longest text
    // too; a longer one, which no region has, gives way to a point.
    const std::string eight = "\xd9\xab\xd9\xab\xd9\xab\xd9\xab";
    EXPECT_EQ(FormatValue(-1.23456789012345e100, NumberFormat{eight, ","}),
              "-1" + eight + "23456789012345E+100");
    EXPECT_EQ(FormatValue(0.5, NumberFormat{eight + "_", ","}), "0.5");
}

// Checks a written text against an independent reference: the C library's
// correctly rounded "%.14e", read back as a double.
void ExpectMatchesReference(double value)
{
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.14e", value);
    const std::string text = FormatValue(value, kPoint);
    SCOPED_TRACE(reference);
    SCOPED_TRACE(text);
    ASSERT_LE(text.size(), 22u);
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), std::strtod(reference, nullptr));

    const int exponent = std::atoi(std::strchr(reference, 'e') + 1);
    const bool plain = exponent >= -4 && exponent <= 14;
    EXPECT_EQ(text.find('E') == std::string::npos, plain);
    const std::string mantissa = text.substr(0, text.find('E'));
    if (mantissa.find('.') != std::string::npos) {
        EXPECT_NE(mantissa.back(), '0');
    }
    if (!plain) {
        const std::string exp = text.substr(text.find('E') + 1);
        ASSERT_GE(exp.size(), 3u);
        EXPECT_TRUE(exp[0] == '+' || exp[0] == '-');
    }
}

TEST(FormatValue, AgreesWithACorrectlyRoundedReference)
{
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 200000; ++i) {
        std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value) || value == 0) continue;
        ExpectMatchesReference(value);
        if (HasFailure()) return;
    }
    // Decimal-looking values near the notation boundaries and halves.
    std::uniform_int_distribution<int> exponents(-8, 18);
    std::uniform_int_distribution<long long> mantissas(1, 999999999999999999LL);
    for (int i = 0; i < 50000; ++i) {
        const double value = double(mantissas(random)) * std::pow(10.0, exponents(random) - 18);
        ExpectMatchesReference(i % 2 ? value : -value);
        if (HasFailure()) return;
    }
    // Every subnormal order of magnitude, from the smallest up.
    for (int step = 0; step < 28; ++step)  // 3.7^28 times the smallest is normal
        ExpectMatchesReference(5e-324 * std::pow(3.7, step));
}

TEST(FormatValue, ReadsBackAsTheRoundedValue)
{
    const double values[] = {1.0 / 7, 1e-5 / 3, 12345.6789, 6.02214076e23, -273.16};
    for (double value : values) {
        const std::string text = FormatValue(value, kPoint);
        const auto read = ReadValue(text);
        ASSERT_TRUE(read);
        EXPECT_EQ(FormatValue(read.value, kPoint), text);
    }
}

TEST(IsNumericText, AcceptsOneNumberInTheRegionalFormat)
{
    const struct {
        const char* text;
        bool point, comma;
    } cases[] = {
        {"12", true, true},       {" 12 ", true, true},     {"-1.5e3", true, true},
        {"-1,5e3", true, true},   {"", false, false},       {"   ", false, false},
        {"12abc", false, false},  {"abc", false, false},    {"-", false, false},
        {".", false, false},      {",", false, false},      {"1,000", true, true},
        {"1,000.5", true, false}, {"1.000,5", false, true}, {".5", true, false},
        {"5.", true, false},      {"1e", false, false},     {"1e+", false, false},
        {"+7", true, true},       {"1 2", false, false},    {"$5", false, false},
        {"(5)", false, false},    {"5-", false, false},     {"1.2.3", false, true},
        {",5", false, true},      {"1,", false, true},      {"\t7\t", true, true},
        {"1E5", true, true},      {"1..2", false, false},   {"1,,000", false, false},
        {"&H10", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsNumericText(c.text, kPoint), c.point);
        EXPECT_EQ(IsNumericText(c.text, kComma), c.comma);
    }
}

TEST(IsNumericText, HandlesMultiByteGroupSeparators)
{
    const NumberFormat french{",", "\xe2\x80\xaf"};  // narrow no-break space
    EXPECT_TRUE(IsNumericText("1\xe2\x80\xaf"
                              "000,5",
                              french));
    EXPECT_FALSE(IsNumericText("1\xe2\x80"
                               "000",
                               french));
    EXPECT_FALSE(IsNumericText(std::string("1\0"
                                           "2",
                                           3),
                               kPoint));
}

}  // namespace
