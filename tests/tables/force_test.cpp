#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace tabrix_test;

const engine::UnitTable& Force() { return tables::ForceTable(); }

TEST(ForceTable, ShowsEveryUnitFromTheSourceRowFactors)
{
    ExpectWrites(Force(), {
                              {3,
                               "1000",
                               {"lbf", "1=1", "2=4.44822162", "3=1000", "4=16000", "5=32174.0486",
                                "6=444822.162", "7=453592.37"}},
                              {2,
                               "1",
                               {"kN", "1=0.224808943", "2=1", "3=224.808943", "4=3596.94309",
                                "5=7233.01385", "6=100000", "7=101971.621"}},
                              // Kips to kilonewtons divides by the kilonewtons-to-kips factor.
                              {1,
                               "1",
                               {"kip", "1=1", "2=4.44822161723344", "3=1000", "4=16000",
                                "5=32174.0486", "6=444822.162", "7=453592.37"}},
                          });
}

TEST(ForceTable, EchoesALabelNamingEachUnit)
{
    ExpectCells(Force(), {
                             {1, "1", kEcho, "kip"},
                             {2, "1", kEcho, "kN"},
                             {3, "1", kEcho, "lbf"},
                             {4, "1", kEcho, "ozf"},
                             {5, "1", kEcho, "pdl"},
                             {6, "1", kEcho, "k dyne"},
                             {7, "1", kEcho, "gf"},
                         });
}

TEST(ForceTable, DividesOnlyKipsIntoKilonewtons)
{
    ExpectDivisionsExactlyAt(Force(), {{1, 2, 0.224808943}});
}

}  // namespace
