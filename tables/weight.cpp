#include "tables/tables.h"

namespace tables {
using namespace engine;

namespace {
// clang-format off
constexpr UnitDef kUnits[] = {
    // caption, abbreviation, as a screen reader says it
    {"G&rains",       "gr",  "Grains"},
    {"C&arats",       "Kt",  "Carats"},
    {"&Grams",        "g",   "Grams"},
    {"&Ounces",       "oz",  "Ounces"},
    {"&Pounds",       "lb",  "Pounds"},
    {"&Kilograms",    "kg",  "Kilograms"},
    {"Tons (&short)", "ton", "short Tons"},
    {"&Tons(metric)", "t",   "metric Tons"},
};

// Rounded constants entered pair by pair: ounces to grains is 437.4999999 while
// grains to ounces is 0.002285714286; neither is derived from the other.
constexpr ConversionRule kRules[8][8] = {
    /* gr */ {Cell(), Cell(Mul(0.3239945501)), Cell(Mul(0.06479891001)), Cell(Mul(0.002285714286)),
        Cell(Mul(0.0001428571429)), Cell(Mul(6.479891001e-05)), Cell(Mul(7.142857143e-08)),
        Cell(Mul(6.479891001e-08))},
    /* Kt */ {Cell(Mul(3.08647167)), Cell(), Cell(Mul(0.2)), Cell(Mul(0.007054792391)),
        Cell(Mul(0.0004409245244)), Cell(Mul(0.0002)), Cell(Mul(2.204622622e-07)),
        Cell(Mul(2e-07))},
    /* g */ {Cell(Mul(15.43235835)), Cell(Mul(5.0)), Cell(), Cell(Mul(0.03527396196)),
        Cell(Mul(0.002204622622)), Cell(Mul(0.001)), Cell(Mul(1.102311311e-06)), Cell(Mul(1e-06))},
    /* oz */ {Cell(Mul(437.4999999)), Cell(Mul(141.7476156)), Cell(Mul(28.34952312)), Cell(),
        Cell(Mul(0.0625)), Cell(Mul(0.02834952312)), Cell(Mul(3.125e-05)),
        Cell(Mul(2.834952312e-05))},
    /* lb */ {Cell(Mul(7000.0)), Cell(Mul(2267.96185)), Cell(Mul(453.59237)), Cell(Mul(16.0)),
        Cell(), Cell(Mul(0.45359237)), Cell(Mul(0.0005)), Cell(Mul(0.00045359237))},
    /* kg */ {Cell(Mul(15432.35835)), Cell(Mul(5000.0)), Cell(Mul(1000.0)), Cell(Mul(35.27396196)),
        Cell(Mul(2.204622622)), Cell(), Cell(Mul(0.001102311311)), Cell(Mul(0.001))},
    /* ton */ {Cell(Mul(14000000.0)), Cell(Mul(4535923.7)), Cell(Mul(907184.7399)),
        Cell(Mul(32000.0)), Cell(Mul(2000.0)), Cell(Mul(907.1847399)), Cell(),
        Cell(Mul(0.9071847399))},
    /* t */ {Cell(Mul(15432358.35)), Cell(Mul(5000000.0)), Cell(Mul(1000000.0)),
        Cell(Mul(35273.96196)), Cell(Mul(2204.622622)), Cell(Mul(1000.0)), Cell(Mul(1.102311311)),
        Cell()},
};

// Every price divides by the constant of the matching conversion cell.
constexpr ConversionRule kPrices[8][8] = {
    /* gr */ {Cell(), Cell(Div(0.3239945501)), Cell(Div(0.06479891001)), Cell(Div(0.002285714286)),
        Cell(Div(0.0001428571429)), Cell(Div(6.479891001e-05)), Cell(Div(7.142857143e-08)),
        Cell(Div(6.479891001e-08))},
    /* Kt */ {Cell(Div(3.08647167)), Cell(), Cell(Div(0.2)), Cell(Div(0.007054792391)),
        Cell(Div(0.0004409245244)), Cell(Div(0.0002)), Cell(Div(2.204622622e-07)),
        Cell(Div(2e-07))},
    /* g */ {Cell(Div(15.43235835)), Cell(Div(5.0)), Cell(), Cell(Div(0.03527396196)),
        Cell(Div(0.002204622622)), Cell(Div(0.001)), Cell(Div(1.102311311e-06)), Cell(Div(1e-06))},
    /* oz */ {Cell(Div(437.4999999)), Cell(Div(141.7476156)), Cell(Div(28.34952312)), Cell(),
        Cell(Div(0.0625)), Cell(Div(0.02834952312)), Cell(Div(3.125e-05)),
        Cell(Div(2.834952312e-05))},
    /* lb */ {Cell(Div(7000.0)), Cell(Div(2267.96185)), Cell(Div(453.59237)), Cell(Div(16.0)),
        Cell(), Cell(Div(0.45359237)), Cell(Div(0.0005)), Cell(Div(0.00045359237))},
    /* kg */ {Cell(Div(15432.35835)), Cell(Div(5000.0)), Cell(Div(1000.0)), Cell(Div(35.27396196)),
        Cell(Div(2.204622622)), Cell(), Cell(Div(0.001102311311)), Cell(Div(0.001))},
    /* ton */ {Cell(Div(14000000.0)), Cell(Div(4535923.7)), Cell(Div(907184.7399)),
        Cell(Div(32000.0)), Cell(Div(2000.0)), Cell(Div(907.1847399)), Cell(),
        Cell(Div(0.9071847399))},
    /* t */ {Cell(Div(15432358.35)), Cell(Div(5000000.0)), Cell(Div(1000000.0)),
        Cell(Div(35273.96196)), Cell(Div(2204.622622)), Cell(Div(1000.0)), Cell(Div(1.102311311)),
        Cell()},
};
// clang-format on
static_assert(IsComplete(kRules), "a cell is missing from the matrix");
static_assert(IsComplete(kPrices), "a cell is missing from the price matrix");
constexpr auto kCells = Flatten(kRules);
constexpr auto kPriceCells = Flatten(kPrices);
constexpr UnitTable kTable = MakePriceTable("Weight", kUnits, kCells, kPriceCells);
}  // namespace

const UnitTable& WeightTable() { return kTable; }

}  // namespace tables
