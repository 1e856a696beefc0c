#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace tabrix_test;

enum Unit { kMm = 1, kCm, kIn, kFt, kYd, kM, kRd, kFur, kKm, kMi, kNmi };

const engine::UnitTable& Table() { return tables::DistanceTable(); }

TEST(DistanceTable, OneMileInEveryUnit)
{
    ExpectWrites(Table(),
                 {{kMi,
                   "1",
                   {"mi", "1=1609344", "2=160934.4", "3=63360", "4=5280", "5=1760", "6=1609.344",
                    "7=320", "8=8", "9=1.609344", "10=1", "11=0.86956521739"}}});
}

TEST(DistanceTable, OneNauticalMileIs1852MetresTowardsMetricUnits)
{
    ExpectCells(Table(), {
                             {kNmi, "1", kMm, "1852000"},
                             {kNmi, "1", kCm, "185200"},
                             {kNmi, "1", kM, "1852"},
                         });
}

// Cells whose constants are not the reverse of their reverse cell, or which
// use the other size of the nautical mile; each is kept as entered.
TEST(DistanceTable, KeepsEachCellsOwnConstant)
{
    ExpectCells(Table(),
                {
                    {kKm, "2", kNmi, "1.079913607"},     // 2 × 0.5399568035
                    {kKm, "2", kMi, "1.2427423844"},     // 2 × 0.6213711922
                    {kMm, "1000000", kMi, "0.6213712"},  // × 6.213712e-07, shorter than the cm row
                    {kCm, "100000", kMi, "0.6213711922"},  // × 6.213711922e-06
                    {kFt, "3", kYd, "0.999999"},  // × 0.333333, though yards to feet is × 3
                    {kYd, "1", kFt, "3"},
                    {kRd, "368", kNmi, "1"},   // ÷ 368.0, reverse of × 368.0
                    {kFur, "9.2", kNmi, "1"},  // ÷ 9.2
                    {kNmi, "1", kRd, "368"},   // 1.15 statute miles
                    {kNmi, "1", kFur, "9.2"},
                    {kNmi, "1", kMi, "1.150779448"},     // 1852 m
                    {kIn, "1", kNmi, "1.37241985E-05"},  // 1.15 statute miles
                    {kM, "1", kNmi, "0.0005399568035"},  // 1852 m
                    {kMi, "1", kNmi, "0.86956521739"},   // 1 ÷ 1.15
                });
}

TEST(DistanceTable, PricePerMileInEveryUnit)
{
    // Rods: 2 ÷ 320 = 0.00625, a half cent and more.
    ExpectPriceWrites(Table(), {{kMi,
                                 "2",
                                 {"1=$0.00", "2=$0.00", "3=$0.00", "4=$0.00", "5=$0.00", "6=$0.00",
                                  "7=$0.01", "8=$0.25", "9=$1.24", "10=$2.00", "11=$2.30"}}});
}

// Price cells that multiply by whole counts or use another constant than their
// conversion cell; a regular "divide by the conversion constant" would show
// other cents for these prices.
TEST(DistanceTable, KeepsIrregularPriceCells)
{
    ExpectPrices(
        Table(),
        {
            {kIn, "1", kFt, "$12.00"},
            {kIn, "1000", kNmi, "$72864000.00"},  // ÷ 1.37241985e-05 would give $72864000.04
            {kFt, "1", kNmi, "$6072.00"},
            {kYd, "1000", kMi, "$1760000.00"},
            {kYd, "1", kNmi, "$2024.00"},
            {kMi, "1", kNmi, "$1.15"},
            {kMm, "1", kMi, "$1609344.00"},  // ÷ 6.213712e-07 would give $1609343.98
            {kRd, "1", kNmi, "$368.00"},
            {kFur, "1", kNmi, "$9.20"},
            {kNmi, "1", kMi, "$0.87"},
        });
}

TEST(DistanceTable, NegativePriceOnTheDiagonal)
{
    ExpectPrices(Table(), {{kFt, "-3", kFt, "-$3.00"}});
}

TEST(DistanceTable, PriceBeyondTheRangeStopsAtThatLabel)
{
    // 1e302 ÷ 5.399568035e-07 exceeds the largest double; the labels before
    // it are written.
    const RowRun run = Price(Table(), kMm, "1e302");
    EXPECT_EQ(run.status, engine::EvalStatus::Overflow);
    ASSERT_EQ(run.writes.size(), 10u);
    EXPECT_EQ(run.writes.back().rfind("10=$", 0), 0u);
}

}  // namespace
