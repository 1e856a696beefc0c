#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table_runs.h"
#include "tables/tables.h"

namespace {

using namespace engine;
using tabrix_test::CellCase;
using tabrix_test::Convert;
using tabrix_test::Price;
using Writes = std::vector<std::string>;

enum Unit { kGr = 1, kKt, kG, kOz, kLb, kKg, kTon, kT };

const UnitTable& Table() { return tables::WeightTable(); }

TEST(WeightTable, OnePoundInEveryUnit)
{
    const auto run = Convert(Table(), kLb, "1");
    ASSERT_EQ(run.status, EvalStatus::Ok);
    EXPECT_EQ(run.writes, (Writes{"lb", "1=7000", "2=2267.96185", "3=453.59237", "4=16", "5=1",
                                  "6=0.45359237", "7=0.0005", "8=0.00045359237"}));
}

TEST(WeightTable, KeepsEachCellsOwnConstant)
{
    const CellCase cases[] = {
        {kG, "1000000", kT, "1"},
        {kG, "1000000", kKg, "1000"},
        // Ounces to grains is × 437.4999999, not the reverse of × 0.002285714286.
        {kOz, "1", kGr, "437.4999999"},
        {kGr, "1", kOz, "0.002285714286"},
        {kKt, "1", kGr, "3.08647167"},
        {kGr, "1", kKt, "0.3239945501"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.source << " -> " << c.target << " of " << c.typed);
        const auto run = Convert(Table(), c.source, c.typed);
        ASSERT_EQ(run.status, EvalStatus::Ok);
        EXPECT_EQ(run.At(c.target), c.text);
    }
}

TEST(WeightTable, PricePerKilogram)
{
    const CellCase cases[] = {
        {kKg, "10", kG, "$0.01"},
        {kKg, "10", kLb, "$4.54"},
        {kKg, "10", kT, "$10000.00"},
        {kKg, "10", kKg, "$10.00"},
        // Ounces to grains divides by 437.4999999: ÷ 437.5 would give $2285714285.71.
        {kOz, "1e12", kGr, "$2285714286.24"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.source << " -> " << c.target << " of " << c.typed);
        const auto run = Price(Table(), c.source, c.typed);
        ASSERT_EQ(run.status, EvalStatus::Ok);
        EXPECT_EQ(run.At(c.target), c.text);
    }
}

}  // namespace
