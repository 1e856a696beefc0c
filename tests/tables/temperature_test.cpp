#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace tabrix_test;

const engine::UnitTable& Temperature() { return tables::TemperatureTable(); }

TEST(Evaluate, EchoesThenWritesEveryUnitInIndexOrder)
{
    ExpectWrites(Temperature(), {{2, "1", {"*C", "1=33.8", "2=1", "3=274.16"}}});
}

TEST(Evaluate, TemperatureRows)
{
    ExpectWrites(Temperature(),
                 {
                     {1, "32", {"*F", "1=32", "2=0", "3=273.15999992"}},
                     {1, "212", {"*F", "1=212", "2=100", "3=373.16000072"}},
                     {1, "-40", {"*F", "1=-40", "2=-40", "3=233.1599996"}},
                     {2, "100", {"*C", "1=212", "2=100", "3=373.16"}},
                     {2, "1", {"*C", "1=33.8", "2=1", "3=274.16"}},
                     {3, "0", {"*K", "1=-459.688", "2=-273.16", "3=0"}},
                     {1, "", {"*F", "1=0", "2=-17.7777777777778", "3=255.382222"}},
                     // The identity cell shows the value as read, not the typed text.
                     {2, "1e3", {"*C", "1=1832", "2=1000", "3=1273.16"}},
                     {2, " 12 ", {"*C", "1=53.6", "2=12", "3=285.16"}},
                     {2, "abc", {"*C", "1=32", "2=0", "3=273.16"}},
                 });
}

TEST(Evaluate, ResultsBeyondTheRangeAreWrittenNotFaults)
{
    ExpectWrites(Temperature(), {{2, "1.7e308", {"*C", "1=Infinity", "2=1.7E+308", "3=1.7E+308"}}});
}

TEST(Evaluate, AnUnreadableTextEchoesOnly)
{
    const RowRun run = Convert(Temperature(), 3, "1e400");
    EXPECT_EQ(run.status, engine::EvalStatus::Overflow);
    EXPECT_EQ(run.writes, Writes{"*K"});
}

}  // namespace
