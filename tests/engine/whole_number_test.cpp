#include "engine/whole_number.h"

#include <cmath>

#include <gtest/gtest.h>

#include "tests/number_formats.h"

using tabrix_test::kCommaFormat;
using tabrix_test::kPointFormat;

namespace {

const engine::NumberFormat kNarrowSpaceFormat{",", "\u202f"};

TEST(ReadWholeNumber, ReadsTheWholeTextWithRegionalSeparators)
{
    const struct {
        const char* text;
        const engine::NumberFormat* format;
        double value;
    } cases[] = {
        {"1,000", &kPointFormat, 1000.0},
        {"1.5", &kPointFormat, 1.5},
        {" 12 ", &kPointFormat, 12.0},
        {"-2.5E-3", &kPointFormat, -0.0025},
        {"1.23456789012346E+15", &kPointFormat, 1.23456789012346e15},
        {"1.000,5", &kCommaFormat, 1000.5},
        {"100,5", &kCommaFormat, 100.5},
        {"1\u202f000,5", &kNarrowSpaceFormat, 1000.5},
        {"1E-400", &kPointFormat, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const engine::ReadResult read = engine::ReadWholeNumber(c.text, *c.format);
        ASSERT_EQ(read.status, engine::EvalStatus::Ok);
        EXPECT_EQ(read.value, c.value);
    }
}

TEST(ReadWholeNumber, RefusesTextsThatAreNotOneNumber)
{
    for (const char* text : {"", "   ", "12abc", "5 m", "abc", "-", ".", "Infinity", "-Infinity",
                             "NaN", "1e", "&H10", "1.2.3"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(engine::ReadWholeNumber(text, kPointFormat).status,
                  engine::EvalStatus::InvalidOperation);
    }
    // With a decimal comma the point is a digit-group separator, not a decimal one.
    EXPECT_EQ(engine::ReadWholeNumber("1,5", kPointFormat).value, 15.0);
    EXPECT_EQ(engine::ReadWholeNumber("1.5", kCommaFormat).value, 15.0);
}

TEST(ReadWholeNumber, FailsWithOverflowBeyondTheDoubleRange)
{
    // FormatValue writes the largest double rounded up to 15 digits, beyond it.
    for (const char* text : {"1E+400", "1.79769313486232E+308", "-1.79769313486232E+308"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(engine::ReadWholeNumber(text, kPointFormat).status, engine::EvalStatus::Overflow);
    }
    const engine::ReadResult largest =
        engine::ReadWholeNumber("1.79769313486231E+308", kPointFormat);
    ASSERT_TRUE(largest);
    EXPECT_TRUE(std::isfinite(largest.value));
}

}  // namespace
