#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/row_expectations.h"

namespace {

const engine::UnitTable& Density() { return tables::DensityTable(); }

TEST(DensityTable, ShowsEveryUnitFromTheSourceRowFactors)
{
    const RowCase cases[] = {
        // 1000 x 0.06242797 and 1000 x 0.008345406355
        {1, "1000", "g/l", {{3, "1000"}, {9, "62.42797"}, {11, "8.345406355"}}},
        {11, "1", "lb/gal", {{4, "7000"}, {7, "16"}, {1, "119.826399993"}}},
        // 27 / 26.9999952792
        {10, "27", "lb/yd3", {{9, "1.00000017484447"}}},
    };
    for (const RowCase& c : cases) ExpectRow(Density(), c);
}

TEST(DensityTable, ShowsGramsPerLitreAndKilogramsPerCubicMetreAlike)
{
    for (const char* typed : {"0", "1", "1000", "-2.5", "0.000123", "1e300"}) {
        SCOPED_TRACE(typed);
        const RecordingSink perLitre = EvaluateRow(Density(), 1, typed);
        const RecordingSink perCubicMetre = EvaluateRow(Density(), 3, typed);
        EXPECT_EQ(perLitre.boxes, perCubicMetre.boxes);
        EXPECT_EQ(perLitre.echoes, std::vector<std::string>{"g/l"});
        EXPECT_EQ(perCubicMetre.echoes, std::vector<std::string>{"kg/m3"});
    }
}

// Reverse cells are separate rounded constants, and grains per gallon to
// grams per cubic metre is not a thousand times its grams-per-litre cell.
TEST(DensityTable, KeepsTheRoundedConstantsOfEachCell)
{
    const RowCase cases[] = {
        {4, "1", "gr/gal", {{1, "0.017118057"}, {2, "17.118057142"}, {3, "0.017118057"}}},
        {5, "1", "oz/in3", {{6, "1728.00000001661"}, {7, "231.000046760354"}}},
        {7, "1", "oz/gal", {{5, "0.004329003"}}},
        {9, "1", "lb/ft3", {{10, "26.9999952792"}}},
    };
    for (const RowCase& c : cases) ExpectRow(Density(), c);
}

TEST(DensityTable, DividesOnlyPoundsPerCubicYardIntoPoundsPerCubicFoot)
{
    ExpectDivisionsExactlyAt(Density(), {{10, 9, 26.9999952792}});
}

}  // namespace
