#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace tabrix_test;

enum Unit { kGr = 1, kKt, kG, kOz, kLb, kKg, kTon, kT };

const engine::UnitTable& Table() { return tables::WeightTable(); }

TEST(WeightTable, OnePoundInEveryUnit)
{
    ExpectWrites(Table(), {{kLb,
                            "1",
                            {"lb", "1=7000", "2=2267.96185", "3=453.59237", "4=16", "5=1",
                             "6=0.45359237", "7=0.0005", "8=0.00045359237"}}});
}

TEST(WeightTable, KeepsEachCellsOwnConstant)
{
    ExpectCells(Table(),
                {
                    {kG, "1000000", kT, "1"},
                    {kG, "1000000", kKg, "1000"},
                    // Ounces to grains is × 437.4999999, not the reverse of × 0.002285714286.
                    {kOz, "1", kGr, "437.4999999"},
                    {kGr, "1", kOz, "0.002285714286"},
                    {kKt, "1", kGr, "3.08647167"},
                    {kGr, "1", kKt, "0.3239945501"},
                });
}

TEST(WeightTable, PricePerKilogram)
{
    ExpectPrices(Table(),
                 {
                     {kKg, "10", kG, "$0.01"},
                     {kKg, "10", kLb, "$4.54"},
                     {kKg, "10", kT, "$10000.00"},
                     {kKg, "10", kKg, "$10.00"},
                     // Ounces to grains divides by 437.4999999: ÷ 437.5 would give $2285714285.71.
                     {kOz, "1e12", kGr, "$2285714286.24"},
                 });
}

}  // namespace
