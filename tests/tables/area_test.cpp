#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace tabrix_test;

enum Unit { kMm = 1, kCm, kIn, kFt, kYd, kM, kRd, kFur, kKm, kMi, kNmi };

const engine::UnitTable& Table() { return tables::AreaTable(); }

TEST(AreaTable, GoesThroughTheSideOfTheSquare)
{
    const RowRun run = Convert(Table(), kMm, "100");
    ASSERT_EQ(run.status, engine::EvalStatus::Ok);
    ASSERT_GE(run.writes.size(), 2u);
    EXPECT_EQ(run.writes[0], "side=10");
    EXPECT_EQ(run.writes[1], "sq. mm");
    ExpectCells(Table(), {
                             {kMm, "100", kMm, "100"},
                             {kMm, "100", kCm, "1"},      // (10 × 0.1)²
                             {kMm, "100", kM, "0.0001"},  // (10 × 0.001)²
                         });
}

TEST(AreaTable, EachCellIsOneStepOnTheSide)
{
    ExpectCells(Table(), {
                             {kFt, "4", kIn, "576"},                // (2 × 12)²
                             {kFt, "4", kYd, "0.444444444444444"},  // (2 ÷ 3)²
                             {kFt, "2.50", kFt, "2.5"},  // the source box shows the value as read
                             // Inches, feet and yards divide by whole counts towards miles and
                             // nautical miles (1.15 statute miles).
                             {kIn, "5309162496", kNmi, "1"},  // (72864 ÷ 72864)²
                             {kFt, "27878400", kMi, "1"},     // (5280 ÷ 5280)²
                             {kYd, "4096576", kNmi, "1"},     // (2024 ÷ 2024)²
                             {kNmi, "1", kRd, "135424"},      // 368²
                             // Towards the metric units the nautical mile is 1852 m.
                             {kNmi, "1", kM, "3429904"},  // 1852²
                             // Miles to nautical miles is × 0.868976242, unlike the distance cell.
                             {kMi, "1", kNmi, "0.755119709160443"},
                             // Millimetres to miles uses 6.213711922e-07, unlike the distance cell.
                             {kMm, "1e12", kMi, "0.386102158496049"},
                         });
}

TEST(AreaTable, ValuesNotAboveZeroShowZeroEverywhereWithoutEcho)
{
    const Writes zeros{"1=0", "2=0", "3=0", "4=0",  "5=0", "6=0",
                       "7=0", "8=0", "9=0", "10=0", "11=0"};
    for (const char* typed : {"0", "-5", "abc", ""}) {
        SCOPED_TRACE(typed);
        const RowRun run = Convert(Table(), kFt, typed);
        EXPECT_EQ(run.status, engine::EvalStatus::Ok);
        EXPECT_EQ(run.writes, zeros);
    }
}

}  // namespace
