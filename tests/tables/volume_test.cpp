#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/row_expectations.h"

namespace {

const engine::UnitTable& Volume() { return tables::VolumeTable(); }

TEST(VolumeTable, ShowsEveryUnitFromTheSourceRowFactors)
{
    const RowCase cases[] = {
        {9, "1", "l", {{1, "1000"}, {2, "0.001"}, {9, "1"}, {12, "0.2641720373"}}},
        {12, "1", "gal", {{11, "128.0021695443"}}},
        // 8 x 8.000133905784
        {10, "8", "cup", {{11, "64.001071246272"}}},
        // 1 / 0.210937511
        {6, "1", "cord", {{5, "4.7407404935199"}, {4, "127.9999849483"}}},
    };
    for (const RowCase& c : cases) ExpectRow(Volume(), c);
}

// A cell and its reverse are separate rounded constants; none may be replaced
// by the reciprocal of the other.
TEST(VolumeTable, KeepsReverseCellsThatAreNotReciprocals)
{
    const RowCase cases[] = {
        {4, "1", "ft3", {{3, "1728.0006297637"}, {5, "0.0370370394593"}}},
        {3, "1", "in3", {{4, "0.0005787034928"}}},
        {5, "1", "yd3", {{4, "26.9999982342"}}},
        {10, "1", "cup", {{11, "8.000133905784"}, {12, "0.0624999867913"}}},
        {11, "1", "oz", {{10, "0.1249979078"}, {12, "0.0078123676"}}},
        // Fluid ounces to cubic metres keeps fewer digits than to cubic centimetres.
        {11, "1", "oz", {{1, "29.57303"}, {2, "2.9573E-05"}}},
    };
    for (const RowCase& c : cases) ExpectRow(Volume(), c);
}

TEST(VolumeTable, DividesOnlyCordsIntoCubicYards)
{
    ExpectDivisionsExactlyAt(Volume(), {{6, 5, 0.210937511}});
}

}  // namespace
