#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace tabrix_test;

const engine::UnitTable& Speed() { return tables::SpeedTable(); }

TEST(SpeedTable, ShowsEveryUnitFromTheSourceRowFactors)
{
    ExpectWrites(Speed(),
                 {
                     {6,
                      "1",
                      {"Mi/Hr", "1=1056", "2=88", "3=5280", "4=0.0002777777778", "5=0.016666666666",
                       "6=1", "7=2682.24", "8=26.8224", "9=1609.344", "10=0.00044704",
                       "11=0.0268224", "12=1.609344", "13=0.8689763168275", "14=0.00134869969"}},
                 });
    ExpectCells(Speed(), {
                             {11, "1", kEcho, "KM/Min"},
                             {11, "1", 1, "39370.07874"},
                             {11, "1", 2, "3280.839895"},
                             {11, "1", 8, "1000"},
                             {11, "1", 12, "60"},
                             {7, "1", kEcho, "CM/Min"},
                             {7, "1", 8, "0.01"},
                             {7, "1", 9, "0.6"},
                             {7, "1", 12, "0.0006"},
                             {2, "1", kEcho, "Ft/Min"},
                             {2, "1", 1, "12"},
                             {2, "1", 3, "60"},
                             {2, "1", 8, "0.3048"},
                             {14, "1", kEcho, "MA"},
                             {14, "1", 8, "19887.5999981715"},
                             {14, "1", 13, "644.306750944362"},
                             {13, "1", kEcho, "KN"},
                             {13, "1", 9, "1851.99984035761"},
                             {13, "1", 12, "1.8519998403576"},
                         });
}

// The constants carry as many digits as they were given, so reverse cells are
// not reciprocals and some rows carry a small excess; each is kept.
TEST(SpeedTable, KeepsTheRoundedConstantsOfEachCell)
{
    ExpectCells(Speed(), {
                             {1, "1", kEcho, "In/Min"},
                             {1, "1", 10, "4.2333E-07"},
                             {10, "1", kEcho, "KM/Sec"},
                             {10, "1", 1, "2362204.7244"},
                             // A foot per hour is a little more than a fifth of an inch per minute,
                             // except towards kilometres per minute and per hour.
                             {3, "1", kEcho, "Ft/Hr"},
                             {3, "1", 1, "0.2000000078232"},
                             {3, "1", 2, "0.01666666732"},
                             {3, "1", 7, "0.5080000199"},
                             {3, "1", 11, "5.08E-06"},
                             {3, "1", 12, "0.0003048"},
                             {4, "1", kEcho, "Mi/Sec"},
                             {4, "1", 3, "19007999.257549"},
                             {4, "1", 5, "60"},
                             {5, "1", kEcho, "Mi/Min"},
                             {5, "1", 4, "0.016666666666667"},
                         });
}

TEST(SpeedTable, OnlyMultiplies) { ExpectDivisionsExactlyAt(Speed(), {}); }

}  // namespace
