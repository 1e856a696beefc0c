#include "engine/civil_date.h"

#include <gtest/gtest.h>

#include "tests/number_formats.h"

using tabrix_test::kPointFormat;

namespace {

using engine::CivilDate;

TEST(DayNumber, CountsEveryDayFromTheFirstOfJanuary1970)
{
    const struct {
        CivilDate date;
        std::int64_t days;
    } cases[] = {
        {{1970, 1, 1}, 0},         {{2000, 3, 1}, 11017},    {{2024, 2, 29}, 19782},
        {{1900, 3, 1}, -25508},    {{1600, 2, 29}, -135081}, {{1, 1, 1}, -719162},
        {{9999, 12, 31}, 2932896},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(engine::FormatUsDate(c.date));
        EXPECT_EQ(engine::DayNumber(c.date), c.days);
    }
}

TEST(DayNumber, StepsByOneAcrossEveryDayOfFourCenturies)
{
    // 1900 is not a leap year, 2000 is: both kinds of century are crossed.
    std::int64_t previous = engine::DayNumber({1899, 12, 31});
    for (int year = 1900; year < 2300; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= engine::DaysInMonth(year, month); ++day) {
                const std::int64_t n = engine::DayNumber({year, month, day});
                ASSERT_EQ(n, previous + 1) << year << '-' << month << '-' << day;
                previous = n;
            }
    EXPECT_EQ(previous - engine::DayNumber({1899, 12, 31}), 146097);  // 400 years
}

TEST(DaysInMonth, KnowsLeapYears)
{
    EXPECT_EQ(engine::DaysInMonth(2024, 2), 29);
    EXPECT_EQ(engine::DaysInMonth(2023, 2), 28);
    EXPECT_EQ(engine::DaysInMonth(1900, 2), 28);
    EXPECT_EQ(engine::DaysInMonth(2000, 2), 29);
    EXPECT_EQ(engine::DaysInMonth(2023, 4), 30);
    EXPECT_EQ(engine::DaysInMonth(2023, 13), 0);
}

TEST(FormatUsDate, PadsMonthDayAndYear)
{
    EXPECT_EQ(engine::FormatUsDate({2026, 1, 5}), "01/05/2026");
    EXPECT_EQ(engine::FormatUsDate({2026, 12, 7}), "12/07/2026");
    EXPECT_EQ(engine::FormatUsDate({999, 10, 31}), "10/31/0999");
}

TEST(ParseUsDate, ReadsMonthFirstDates)
{
    const struct {
        const char* text;
        CivilDate date;
    } cases[] = {
        {"03/01/2024", {2024, 3, 1}},   {"3/1/2024", {2024, 3, 1}}, {"02/29/2024", {2024, 2, 29}},
        {"12/31/9999", {9999, 12, 31}}, {"01/01/0001", {1, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto date = engine::ParseUsDate(c.text);
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(*date, c.date);
    }
}

TEST(ParseUsDate, RefusesMalformedAndImpossibleDates)
{
    for (const char* text : {"",
                             "02/30/2024",
                             "02/29/2023",
                             "02/29/1900",
                             "13/01/2024",
                             "00/10/2024",
                             "10/00/2024",
                             "04/31/2024",
                             "01/01/0000",
                             "1/5/26",
                             "01/05/20261",
                             "001/05/2026",
                             " 01/05/2026",
                             "01/05/2026 ",
                             "01/05/2026x",
                             "01-05-2026",
                             "+1/05/2026",
                             "01//2026",
                             "2026-01-05",
                             "abc"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(engine::ParseUsDate(text).has_value());
    }
}

TEST(ParseUsDate, ReadsBackEveryDateItWrites)
{
    for (const CivilDate date :
         {CivilDate{2024, 2, 29}, CivilDate{1753, 1, 1}, CivilDate{9999, 12, 31},
          CivilDate{1, 1, 1}, CivilDate{2026, 1, 5}}) {
        const auto back = engine::ParseUsDate(engine::FormatUsDate(date));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, date);
    }
}

TEST(DifferenceSentence, NamesTheOrderAndNeverCountsBackwards)
{
    const struct {
        CivilDate first, second;
        const char* sentence;
    } cases[] = {
        {{2026, 12, 7},
         {2026, 12, 7},
         "The difference between your first and second date is 0 days."},
        {{2024, 3, 1}, {2024, 2, 28}, "The difference between your dates is 2 days."},
        {{2024, 2, 28},
         {2024, 3, 1},
         "The difference between your first and second date is 2 days."},
        {{2023, 3, 1}, {2023, 2, 28}, "The difference between your dates is 1 days."},
        {{2000, 1, 1}, {1999, 12, 31}, "The difference between your dates is 1 days."},
        {{1753, 1, 1},
         {9999, 12, 31},
         "The difference between your first and second date is 3012153 days."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sentence);
        EXPECT_EQ(engine::DifferenceSentence(c.first, c.second, kPointFormat), c.sentence);
    }
}

}  // namespace
