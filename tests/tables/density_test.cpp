#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace tabrix_test;

const engine::UnitTable& Density() { return tables::DensityTable(); }

TEST(DensityTable, ShowsEveryUnitFromTheSourceRowFactors)
{
    ExpectCells(Density(), {
                               // 1000 x 0.06242797 and 1000 x 0.008345406355
                               {1, "1000", kEcho, "g/l"},
                               {1, "1000", 3, "1000"},
                               {1, "1000", 9, "62.42797"},
                               {1, "1000", 11, "8.345406355"},
                               {11, "1", kEcho, "lb/gal"},
                               {11, "1", 4, "7000"},
                               {11, "1", 7, "16"},
                               {11, "1", 1, "119.826399993"},
                               // 27 / 26.9999952792
                               {10, "27", kEcho, "lb/yd3"},
                               {10, "27", 9, "1.00000017484447"},
                           });
}

TEST(DensityTable, ShowsGramsPerLitreAndKilogramsPerCubicMetreAlike)
{
    for (const char* typed : {"0", "1", "1000", "-2.5", "0.000123", "1e300"}) {
        SCOPED_TRACE(typed);
        ExpectCells(Density(), {{1, typed, kEcho, "g/l"}, {3, typed, kEcho, "kg/m3"}});
        EXPECT_EQ(Convert(Density(), 1, typed).Boxes(), Convert(Density(), 3, typed).Boxes());
    }
}

// Reverse cells are separate rounded constants, and grains per gallon to
// grams per cubic metre is not a thousand times its grams-per-litre cell.
TEST(DensityTable, KeepsTheRoundedConstantsOfEachCell)
{
    ExpectCells(Density(), {
                               {4, "1", kEcho, "gr/gal"},
                               {4, "1", 1, "0.017118057"},
                               {4, "1", 2, "17.118057142"},
                               {4, "1", 3, "0.017118057"},
                               {5, "1", kEcho, "oz/in3"},
                               {5, "1", 6, "1728.00000001661"},
                               {5, "1", 7, "231.000046760354"},
                               {7, "1", kEcho, "oz/gal"},
                               {7, "1", 5, "0.004329003"},
                               {9, "1", kEcho, "lb/ft3"},
                               {9, "1", 10, "26.9999952792"},
                           });
}

TEST(DensityTable, DividesOnlyPoundsPerCubicYardIntoPoundsPerCubicFoot)
{
    ExpectDivisionsExactlyAt(Density(), {{10, 9, 26.9999952792}});
}

}  // namespace
