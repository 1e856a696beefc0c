#include <gtest/gtest.h>

#include <limits>

#include "tables/tables.h"
#include "tests/tables/row_expectations.h"

namespace {

const engine::UnitTable& Energy() { return tables::EnergyTable(); }

TEST(EnergyTable, ShowsEveryUnitFromTheSourceRowFactors)
{
    const RowCase cases[] = {
        {4, "1", "kWh",
         {{1, "3599999.999712"}, {2, "2655223.63538758"}, {3, "1000"}, {4, "1"},
          {5, "3409.51064013"}, {6, "3412.14115617"}, {7, "3414.42594945"},
          {8, "35999999997000"}, {9, "860.42064989"}, {10, "859184.44193127"},
          {11, "860420.64989117"}, {12, "2.24692452198025E+25"}}},
        // 1 / 0.000948451653
        {7, "1", "BTU", {{1, "1054.34999964094"}}},
        {9, "1", "cal", {{11, "1000"}}},
    };
    for (const RowCase& c : cases) ExpectRow(Energy(), c);
}

TEST(EnergyTable, EchoesTheSameLabelForEveryBtuAndEveryCalorie)
{
    const struct {
        int source;
        const char* echo;
    } cases[] = {{5, "BTU"}, {6, "BTU"}, {7, "BTU"}, {9, "cal"}, {10, "cal"}, {11, "cal"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        const RecordingSink sink = EvaluateRow(Energy(), c.source, "1");
        EXPECT_EQ(sink.echoes, std::vector<std::string>{c.echo});
    }
}

// Mean and thermal calories differ towards joules but share their three BTU
// constants, and the reverse cells are not reciprocals; each is kept.
TEST(EnergyTable, KeepsTheSharedCalorieToBtuConstants)
{
    const std::vector<BoxText> btus = {
        {5, "0.0039626090338005"}, {6, "0.0039656662779986"}, {7, "0.0039683217155222"}};
    RowCase mean{10, "1", "cal", btus};
    mean.boxes.push_back({1, "4.19002000504101"});
    RowCase thermal{11, "1", "cal", btus};
    thermal.boxes.push_back({1, "4.18400000066"});
    ExpectRow(Energy(), mean);
    ExpectRow(Energy(), thermal);

    const RowCase reverses[] = {
        {5, "1", "BTU", {{10, "251.99641022361"}}},
        {6, "1", "BTU", {{10, "251.80213906989"}}},
        {7, "1", "BTU", {{10, "251.633643444649"}}},
        {3, "1", "Wh", {{1, "3599.999999712"}}},
        {12, "1", "eV", {{8, "1.602189999929E-12"}}},
    };
    for (const RowCase& c : reverses) ExpectRow(Energy(), c);
}

TEST(EnergyTable, DividesOnlyThermalBtusIntoJoules)
{
    ExpectDivisionsExactlyAt(Energy(), {{7, 1, 0.000948451653}});
}

TEST(EnergyTable, WritesAnElectronVoltResultBeyondTheDoubleRangeAsInfinite)
{
    const std::string infinite =
        engine::FormatValue(std::numeric_limits<double>::infinity(), kPointFormat);
    const RecordingSink sink = EvaluateRow(Energy(), 4, "1e300");
    EXPECT_EQ(sink.boxes.at(11), "8.6042064989117E+305");
    EXPECT_EQ(sink.boxes.at(12), infinite);
}

}  // namespace
