#include <gtest/gtest.h>

#include "tables/tables.h"
#include "tests/tables/table_checks.h"

namespace {

using namespace engine;
using namespace tabrix_test;

enum Unit {
    kMl = 1,
    kL,
    kTsp,
    kTbsp,
    kOz,
    kCup,
    kPt,
    kQt,
    kGal,
    kImpOz,
    kImpCup,
    kImpPint,
    kImpQt,
    kImpGal
};

const UnitTable& Table() { return tables::LiquidTable(); }

TEST(LiquidTable, OneGallonInEveryUnit)
{
    ExpectWrites(Table(), {{kGal,
                            "1",
                            {"gal", "1=3785.411784", "2=3.785411784", "3=768", "4=256", "5=128",
                             "6=16", "7=8", "8=4", "9=1", "10=133.2278104", "11=13.32278104",
                             "12=6.66139052", "13=3.33069526", "14=0.832673818"}}});
}

TEST(LiquidTable, KeepsEachCellsOwnConstant)
{
    ExpectCells(Table(), {
                             {kMl, "1000", kTbsp, "67.6280454"},
                             {kMl, "1000", kImpGal, "0.219969"},  // the litre row has 0.219969151
                             {kL, "1", kImpGal, "0.219969151"},
                             {kOz, "3", kTbsp, "6"},  // v + v
                             {kOz, "3", kTsp, "18"},
                             {kImpPint, "1", kTsp, "115.2930036"},
                             {kImpPint, "1", kTbsp, "38.4310012"},
                             {kImpPint, "1", kOz, "19.2155006"},
                             {kImpPint, "1", kMl, "568.27017576"},
                             {kImpPint, "1", kImpCup, "2"},  // v + v
                             {kImpQt, "1", kMl, "1136.54035152"},
                             {kImpQt, "1", kL, "1.13654035152"},
                             {kImpQt, "1", kTsp, "230.5860072"},
                             {kImpQt, "1", kTbsp, "76.8620024"},
                             {kImpQt, "1", kOz, "38.4310012"},
                             {kTbsp, "1", kMl, "14.786764782"},
                             {kTbsp, "1", kTsp, "3"},
                             {kTbsp, "1", kOz, "0.5"},
                             // Not the reverse of each other: the product is about 1.000015.
                             {kImpOz, "1", kMl, "28.413508788"},
                             {kMl, "1", kImpOz, "0.03519504"},
                             // Imperial quarts to quarts is × 1.20096878 while imperial gallons to
                             // gallons is × 1.20095045.
                             {kImpQt, "1", kQt, "1.20096878"},
                             {kImpGal, "1", kGal, "1.20095045"},
                             {kCup, "1", kImpQt, "0.208168452"},
                         });
}

// A doubling gives the same double as × 2.0, so only the rule itself shows it.
TEST(LiquidTable, DoublingCellsAddTheValueToItself)
{
    const struct {
        bool price;
        int source;
        int target;
    } cases[] = {
        {false, kOz, kTbsp},        {false, kPt, kCup},        {false, kQt, kPt},
        {false, kImpPint, kImpCup}, {false, kImpQt, kImpPint}, {true, kTbsp, kOz},
        {true, kImpCup, kImpPint},  {true, kImpPint, kImpQt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << (c.price ? "price " : "") << c.source << " -> " << c.target);
        const ConversionRule& rule =
            c.price ? Table().PriceRuleAt(c.source, c.target) : Table().RuleAt(c.source, c.target);
        ASSERT_EQ(rule.count, 1);
        EXPECT_EQ(rule.steps[0].op, Op::AddSelf);
    }
}

TEST(LiquidTable, PricePerGallonInEveryUnit)
{
    // Cups: 2 ÷ 16.0 is exactly half a cent above $0.12, rounded away from zero.
    ExpectPriceWrites(Table(), {{kGal,
                                 "2",
                                 {"1=$0.00", "2=$0.53", "3=$0.00", "4=$0.01", "5=$0.02", "6=$0.13",
                                  "7=$0.25", "8=$0.50", "9=$2.00", "10=$0.02", "11=$0.15",
                                  "12=$0.30", "13=$0.60", "14=$2.40"}}});
}

TEST(LiquidTable, PricePerPint)
{
    ExpectPrices(Table(), {
                              {kPt, "96", kTsp, "$1.00"},
                              {kPt, "96", kTbsp, "$3.00"},
                              {kPt, "96", kOz, "$6.00"},
                              {kPt, "96", kCup, "$48.00"},
                              {kPt, "96", kPt, "$96.00"},
                              {kPt, "96", kQt, "$192.00"},
                              {kPt, "96", kGal, "$768.00"},
                          });
}

// Two price cells divide by another constant than their conversion cell.
TEST(LiquidTable, KeepsPriceCellsThatDifferFromTheirConversion)
{
    ExpectPrices(Table(),
                 {
                     {kCup, "1e9", kImpQt, "$4803801854.07"},  // ÷ 0.2081684529, not 0.208168452
                     {kImpQt, "1000000", kQt, "$832673.82"},   // ÷ 1.20095045, not 1.20096878
                 });
}

}  // namespace
