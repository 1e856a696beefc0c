#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace tabrix_test;

const engine::UnitTable& Pressure() { return tables::PressureTable(); }

constexpr int kMercuryMillimetres = 6;
constexpr int kTorrs = 12;

TEST(PressureTable, ShowsEveryUnitFromTheSourceRowFactors)
{
    ExpectWrites(Pressure(), {
                                 {1,
                                  "1",
                                  {"atm", "1=1", "2=1.01325", "3=1.0332274528", "4=10332.274528",
                                   "5=101.325", "6=760.0021", "7=29.9212598", "8=1013.25",
                                   "9=101325", "10=14.6959494", "11=2116.21657861", "12=760.0021"}},
                             });
    ExpectCells(Pressure(), {
                                {2, "1", kEcho, "bar"},
                                {2, "1", 5, "100"},
                                {2, "1", 8, "1000"},
                                {2, "1", 9, "100000"},
                                {3, "1", kEcho, "kg/cm2"},
                                {3, "1", 4, "10000"},
                                {3, "1", 5, "98.0665"},
                                {3, "1", 9, "98066.5"},
                                {8, "1", kEcho, "mbar"},
                                {8, "1", 6, "0.75005946"},
                                {8, "1", 12, "0.75005946"},
                                {8, "1", 9, "100"},
                                {9, "1000", kEcho, "Pa"},
                                {9, "1000", 5, "1"},
                                {9, "1000", 8, "10"},
                                {9, "1000", 2, "0.01"},
                                {10, "1", kEcho, "psi"},
                                {10, "1", 11, "143.999990811"},
                            });
}

TEST(PressureTable, CopiesTheValueBetweenMercuryMillimetresAndTorrs)
{
    for (const char* typed : {"0", "1", "-2.5", "760.0021", "1e300", "123456789.123", "abc"}) {
        const std::string shown = engine::FormatValue(engine::ReadValue(typed).value, kPointFormat);
        for (int source : {kMercuryMillimetres, kTorrs})
            ExpectCells(Pressure(), {{source, typed, kMercuryMillimetres, shown},
                                     {source, typed, kTorrs, shown}});
    }
}

TEST(PressureTable, GivesMercuryMillimetresAndTorrsTheSameTextFromEveryOtherUnit)
{
    for (int source = 1; source <= int(Pressure().size); ++source) {
        if (source == kMercuryMillimetres || source == kTorrs) continue;
        for (const char* typed : {"1", "3.7", "-1000"}) {
            SCOPED_TRACE(testing::Message() << "source " << source << " typed " << typed);
            const RowRun run = Convert(Pressure(), source, typed);
            ASSERT_EQ(run.status, engine::EvalStatus::Ok);
            EXPECT_EQ(run.At(kMercuryMillimetres), run.At(kTorrs));
        }
    }
}

// The two equal-sized units are not given the same digits everywhere, and the
// mercury-inch cells are off by a few parts per million; each is kept.
TEST(PressureTable, KeepsTheRoundedConstantsOfEachCell)
{
    ExpectCells(Pressure(), {
                                {kMercuryMillimetres, "1", kEcho, "mm merc"},
                                {kMercuryMillimetres, "1", 7, "0.03937007874"},
                                {kMercuryMillimetres, "1", 4, "13.5950604947"},
                                {kTorrs, "1", kEcho, "torr"},
                                {kTorrs, "1", 7, "0.0393700787"},
                                {kTorrs, "1", 4, "13.5950604946958"},
                                {kMercuryMillimetres, "1", kEcho, "mm merc"},
                                {kMercuryMillimetres, "1", 3, "0.00135950604947"},
                                {kTorrs, "1", kEcho, "torr"},
                                {kTorrs, "1", 3, "0.0013595060495"},
                                {1, "1", kEcho, "atm"},
                                {1, "1", 7, "29.9212598"},
                                {7, "1", kEcho, "in merc"},
                                {7, "1", 1, "0.0334211399"},
                                {7, "1", 8, "33.86396506"},
                                {7, "1", 2, "0.03386397"},
                                {8, "1", kEcho, "mbar"},
                                {8, "1", 7, "0.0295299"},
                                {11, "1", kEcho, "lb/ft2"},
                                {11, "1", 5, "0.0478802599999"},
                                {11, "1", 10, "0.00694444489"},
                            });
}

TEST(PressureTable, OnlyMultiplies) { ExpectDivisionsExactlyAt(Pressure(), {}); }

}  // namespace
