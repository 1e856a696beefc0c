#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/row_expectations.h"

namespace {

const engine::UnitTable& Force() { return tables::ForceTable(); }

TEST(ForceTable, ShowsEveryUnitFromTheSourceRowFactors)
{
    const RowCase cases[] = {
        {3, "1000", "lbf",
         {{1, "1"}, {2, "4.44822162"}, {3, "1000"}, {4, "16000"}, {5, "32174.0486"},
          {6, "444822.162"}, {7, "453592.37"}}},
        {2, "1", "kN",
         {{1, "0.224808943"}, {2, "1"}, {3, "224.808943"}, {4, "3596.94309"}, {5, "7233.01385"},
          {6, "100000"}, {7, "101971.621"}}},
        // Kips to kilonewtons divides by the kilonewtons-to-kips factor.
        {1, "1", "kip",
         {{1, "1"}, {2, "4.44822161723344"}, {3, "1000"}, {4, "16000"}, {5, "32174.0486"},
          {6, "444822.162"}, {7, "453592.37"}}},
    };
    for (const RowCase& c : cases) ExpectRow(Force(), c);
}

TEST(ForceTable, EchoesALabelNamingEachUnit)
{
    const char* const labels[] = {"kip", "kN", "lbf", "ozf", "pdl", "k dyne", "gf"};
    for (int source = 1; source <= 7; ++source) {
        SCOPED_TRACE(source);
        const RecordingSink sink = EvaluateRow(Force(), source, "1");
        EXPECT_EQ(sink.echoes, std::vector<std::string>{labels[source - 1]});
    }
}

TEST(ForceTable, DividesOnlyKipsIntoKilonewtons)
{
    ExpectDivisionsExactlyAt(Force(), {{1, 2, 0.224808943}});
}

}  // namespace
