#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/row_expectations.h"

namespace {

const engine::UnitTable& Pressure() { return tables::PressureTable(); }

constexpr int kMercuryMillimetres = 6;
constexpr int kTorrs = 12;

TEST(PressureTable, ShowsEveryUnitFromTheSourceRowFactors)
{
    const RowCase cases[] = {
        {1, "1", "atm",
         {{1, "1"}, {2, "1.01325"}, {3, "1.0332274528"}, {4, "10332.274528"}, {5, "101.325"},
          {6, "760.0021"}, {7, "29.9212598"}, {8, "1013.25"}, {9, "101325"}, {10, "14.6959494"},
          {11, "2116.21657861"}, {12, "760.0021"}}},
        {2, "1", "bar", {{5, "100"}, {8, "1000"}, {9, "100000"}}},
        {3, "1", "kg/cm2", {{4, "10000"}, {5, "98.0665"}, {9, "98066.5"}}},
        {8, "1", "mbar", {{6, "0.75005946"}, {12, "0.75005946"}, {9, "100"}}},
        {9, "1000", "Pa", {{5, "1"}, {8, "10"}, {2, "0.01"}}},
        {10, "1", "psi", {{11, "143.999990811"}}},
    };
    for (const RowCase& c : cases) ExpectRow(Pressure(), c);
}

TEST(PressureTable, CopiesTheValueBetweenMercuryMillimetresAndTorrs)
{
    for (const char* typed : {"0", "1", "-2.5", "760.0021", "1e300", "123456789.123", "abc"}) {
        for (int source : {kMercuryMillimetres, kTorrs}) {
            SCOPED_TRACE(testing::Message() << "source " << source << " typed " << typed);
            const RecordingSink sink = EvaluateRow(Pressure(), source, typed);
            const std::string shown = engine::FormatValue(engine::ReadValue(typed).value, kPointFormat);
            EXPECT_EQ(sink.boxes.at(kMercuryMillimetres), shown);
            EXPECT_EQ(sink.boxes.at(kTorrs), shown);
        }
    }
}

TEST(PressureTable, GivesMercuryMillimetresAndTorrsTheSameTextFromEveryOtherUnit)
{
    for (int source = 1; source <= int(Pressure().size); ++source) {
        if (source == kMercuryMillimetres || source == kTorrs) continue;
        for (const char* typed : {"1", "3.7", "-1000"}) {
            SCOPED_TRACE(testing::Message() << "source " << source << " typed " << typed);
            const RecordingSink sink = EvaluateRow(Pressure(), source, typed);
            EXPECT_EQ(sink.boxes.at(kMercuryMillimetres), sink.boxes.at(kTorrs));
        }
    }
}

// The two equal-sized units are not given the same digits everywhere, and the
// mercury-inch cells are off by a few parts per million; each is kept.
TEST(PressureTable, KeepsTheRoundedConstantsOfEachCell)
{
    const RowCase cases[] = {
        {kMercuryMillimetres, "1", "mm merc", {{7, "0.03937007874"}, {4, "13.5950604947"}}},
        {kTorrs, "1", "torr", {{7, "0.0393700787"}, {4, "13.5950604946958"}}},
        {kMercuryMillimetres, "1", "mm merc", {{3, "0.00135950604947"}}},
        {kTorrs, "1", "torr", {{3, "0.0013595060495"}}},
        {1, "1", "atm", {{7, "29.9212598"}}},
        {7, "1", "in merc", {{1, "0.0334211399"}, {8, "33.86396506"}, {2, "0.03386397"}}},
        {8, "1", "mbar", {{7, "0.0295299"}}},
        {11, "1", "lb/ft2", {{5, "0.0478802599999"}, {10, "0.00694444489"}}},
    };
    for (const RowCase& c : cases) ExpectRow(Pressure(), c);
}

TEST(PressureTable, OnlyMultiplies)
{
    ExpectDivisionsExactlyAt(Pressure(), {});
}

}  // namespace
