#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/row_expectations.h"

namespace {

const engine::UnitTable& Speed() { return tables::SpeedTable(); }

TEST(SpeedTable, ShowsEveryUnitFromTheSourceRowFactors)
{
    const RowCase cases[] = {
        {6, "1", "Mi/Hr",
         {{1, "1056"}, {2, "88"}, {3, "5280"}, {4, "0.0002777777778"}, {5, "0.016666666666"},
          {6, "1"}, {7, "2682.24"}, {8, "26.8224"}, {9, "1609.344"}, {10, "0.00044704"},
          {11, "0.0268224"}, {12, "1.609344"}, {13, "0.8689763168275"}, {14, "0.00134869969"}}},
        {11, "1", "KM/Min", {{1, "39370.07874"}, {2, "3280.839895"}, {8, "1000"}, {12, "60"}}},
        {7, "1", "CM/Min", {{8, "0.01"}, {9, "0.6"}, {12, "0.0006"}}},
        {2, "1", "Ft/Min", {{1, "12"}, {3, "60"}, {8, "0.3048"}}},
        {14, "1", "MA", {{8, "19887.5999981715"}, {13, "644.306750944362"}}},
        {13, "1", "KN", {{9, "1851.99984035761"}, {12, "1.8519998403576"}}},
    };
    for (const RowCase& c : cases) ExpectRow(Speed(), c);
}

// The constants carry as many digits as they were given, so reverse cells are
// not reciprocals and some rows carry a small excess; each is kept.
TEST(SpeedTable, KeepsTheRoundedConstantsOfEachCell)
{
    const RowCase cases[] = {
        {1, "1", "In/Min", {{10, "4.2333E-07"}}},
        {10, "1", "KM/Sec", {{1, "2362204.7244"}}},
        // A foot per hour is a little more than a fifth of an inch per minute,
        // except towards kilometres per minute and per hour.
        {3, "1", "Ft/Hr",
         {{1, "0.2000000078232"}, {2, "0.01666666732"}, {7, "0.5080000199"},
          {11, "5.08E-06"}, {12, "0.0003048"}}},
        {4, "1", "Mi/Sec", {{3, "19007999.257549"}, {5, "60"}}},
        {5, "1", "Mi/Min", {{4, "0.016666666666667"}}},
    };
    for (const RowCase& c : cases) ExpectRow(Speed(), c);
}

TEST(SpeedTable, OnlyMultiplies)
{
    ExpectDivisionsExactlyAt(Speed(), {});
}

}  // namespace
