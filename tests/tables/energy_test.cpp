#include <gtest/gtest.h>

#include <limits>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace tabrix_test;

const engine::UnitTable& Energy() { return tables::EnergyTable(); }

TEST(EnergyTable, ShowsEveryUnitFromTheSourceRowFactors)
{
    ExpectWrites(Energy(), {
                               {4,
                                "1",
                                {"kWh", "1=3599999.999712", "2=2655223.63538758", "3=1000", "4=1",
                                 "5=3409.51064013", "6=3412.14115617", "7=3414.42594945",
                                 "8=35999999997000", "9=860.42064989", "10=859184.44193127",
                                 "11=860420.64989117", "12=2.24692452198025E+25"}},
                           });
    ExpectCells(Energy(), {
                              // 1 / 0.000948451653
                              {7, "1", kEcho, "BTU"},
                              {7, "1", 1, "1054.34999964094"},
                              {9, "1", kEcho, "cal"},
                              {9, "1", 11, "1000"},
                          });
}

TEST(EnergyTable, EchoesTheSameLabelForEveryBtuAndEveryCalorie)
{
    ExpectCells(Energy(), {
                              {5, "1", kEcho, "BTU"},
                              {6, "1", kEcho, "BTU"},
                              {7, "1", kEcho, "BTU"},
                              {9, "1", kEcho, "cal"},
                              {10, "1", kEcho, "cal"},
                              {11, "1", kEcho, "cal"},
                          });
}

// Mean and thermal calories differ towards joules but share their three BTU
// constants, and the reverse cells are not reciprocals; each is kept.
TEST(EnergyTable, KeepsTheSharedCalorieToBtuConstants)
{
    ExpectCells(Energy(), {
                              {10, "1", kEcho, "cal"},
                              {10, "1", 5, "0.0039626090338005"},
                              {10, "1", 6, "0.0039656662779986"},
                              {10, "1", 7, "0.0039683217155222"},
                              {10, "1", 1, "4.19002000504101"},
                              {11, "1", kEcho, "cal"},
                              {11, "1", 5, "0.0039626090338005"},
                              {11, "1", 6, "0.0039656662779986"},
                              {11, "1", 7, "0.0039683217155222"},
                              {11, "1", 1, "4.18400000066"},
                              {5, "1", kEcho, "BTU"},
                              {5, "1", 10, "251.99641022361"},
                              {6, "1", kEcho, "BTU"},
                              {6, "1", 10, "251.80213906989"},
                              {7, "1", kEcho, "BTU"},
                              {7, "1", 10, "251.633643444649"},
                              {3, "1", kEcho, "Wh"},
                              {3, "1", 1, "3599.999999712"},
                              {12, "1", kEcho, "eV"},
                              {12, "1", 8, "1.602189999929E-12"},
                          });
}

TEST(EnergyTable, DividesOnlyThermalBtusIntoJoules)
{
    ExpectDivisionsExactlyAt(Energy(), {{7, 1, 0.000948451653}});
}

TEST(EnergyTable, WritesAnElectronVoltResultBeyondTheDoubleRangeAsInfinite)
{
    const std::string infinite =
        engine::FormatValue(std::numeric_limits<double>::infinity(), kPointFormat);
    ExpectCells(Energy(), {{4, "1e300", 11, "8.6042064989117E+305"}, {4, "1e300", 12, infinite}});
}

}  // namespace
