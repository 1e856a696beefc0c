#include "tables/tables.h"

namespace tables {
using namespace engine;

namespace {
// clang-format off
constexpr UnitDef kUnits[] = {
    // caption, abbreviation, as a screen reader says it
    {"Millimeter&s",  "mm",  "Millimeters"},
    {"&Centimeters",  "cm",  "Centimeters"},
    {"&Inches",       "in",  "Inches"},
    {"Fee&t",         "ft",  "Feet"},
    {"&Yards",        "yd",  "Yards"},
    {"&Meters",       "m",   "Meters"},
    {"&Rods",         "rd",  "Rods"},
    {"Furlon&gs",     "f",   "Furlongs"},
    {"&Kilometers",   "km",  "Kilometers"},
    {"Mil&es",        "mi",  "Miles"},
    {"Miles (&Naut)", "nmi", "Nautical Miles"},
};

// The factors are rounded constants entered pair by pair, so a cell and its
// reverse need not multiply to 1 (feet to yards is 0.333333, yards to feet 3).
// Two sizes of the nautical mile stand side by side: 1852 m towards and from
// the metric units, 1.15 statute miles from the customary units and towards
// rods and furlongs. Both are kept exactly as entered.
constexpr ConversionRule kRules[11][11] = {
    /* mm */ {Cell(), Cell(Mul(0.1)), Cell(Mul(0.03937007874)), Cell(Mul(0.003280839895)),
        Cell(Mul(0.001093613298)), Cell(Mul(0.001)), Cell(Mul(0.0001988387)), Cell(Mul(4.9709e-06)),
        Cell(Mul(1e-06)), Cell(Mul(6.213712e-07)), Cell(Mul(5.399568e-07))},
    /* cm */ {Cell(Mul(10.0)), Cell(), Cell(Mul(0.3937007874)), Cell(Mul(0.03280839895)),
        Cell(Mul(0.01093613298)), Cell(Mul(0.01)), Cell(Mul(0.001988387)), Cell(Mul(4.9709e-05)),
        Cell(Mul(1e-05)), Cell(Mul(6.213711922e-06)), Cell(Mul(5.399568035e-06))},
    /* in */ {Cell(Mul(25.4)), Cell(Mul(2.54)), Cell(), Cell(Mul(0.0833333333)),
        Cell(Mul(0.0277777778)), Cell(Mul(0.0254)), Cell(Mul(0.005050505)), Cell(Mul(0.000126262)),
        Cell(Mul(2.54e-05)), Cell(Mul(1.57828e-05)), Cell(Mul(1.37241985e-05))},
    /* ft */ {Cell(Mul(304.8)), Cell(Mul(30.48)), Cell(Mul(12.0)), Cell(), Cell(Mul(0.333333)),
        Cell(Mul(0.3048)), Cell(Mul(0.06060606)), Cell(Mul(0.001515151)), Cell(Mul(0.0003048)),
        Cell(Mul(0.00018939394)), Cell(Mul(0.000164690382))},
    /* yd */ {Cell(Mul(914.4)), Cell(Mul(91.44)), Cell(Mul(36.0)), Cell(Mul(3.0)), Cell(),
        Cell(Mul(0.9144)), Cell(Mul(0.181818181)), Cell(Mul(0.004545454)), Cell(Mul(0.0009144)),
        Cell(Mul(0.00056818182)), Cell(Mul(0.000494071146))},
    /* m */ {Cell(Mul(1000.0)), Cell(Mul(100.0)), Cell(Mul(39.37007874)), Cell(Mul(3.280839895)),
        Cell(Mul(1.093613298)), Cell(), Cell(Mul(0.1988387)), Cell(Mul(0.0049709)),
        Cell(Mul(0.001)), Cell(Mul(0.0006213711922)), Cell(Mul(0.0005399568035))},
    /* rd */ {Cell(Mul(5029.2)), Cell(Mul(502.92)), Cell(Mul(198.0)), Cell(Mul(16.5)),
        Cell(Mul(5.5)), Cell(Mul(5.0292)), Cell(), Cell(Mul(0.025)), Cell(Mul(0.0050292)),
        Cell(Mul(0.003125)), Cell(Div(368.0))},
    /* f */ {Cell(Mul(201168.0)), Cell(Mul(20116.8)), Cell(Mul(7920.0)), Cell(Mul(660.0)),
        Cell(Mul(220.0)), Cell(Mul(201.168)), Cell(Mul(40.0)), Cell(), Cell(Mul(0.201168)),
        Cell(Mul(0.125)), Cell(Div(9.2))},
    /* km */ {Cell(Mul(1000000.0)), Cell(Mul(100000.0)), Cell(Mul(39370.07874)),
        Cell(Mul(3280.839895)), Cell(Mul(1093.613298)), Cell(Mul(1000.0)), Cell(Mul(198.838781)),
        Cell(Mul(4.97096953)), Cell(), Cell(Mul(0.6213711922)), Cell(Mul(0.5399568035))},
    /* mi */ {Cell(Mul(1609344.0)), Cell(Mul(160934.4)), Cell(Mul(63360.0)), Cell(Mul(5280.0)),
        Cell(Mul(1760.0)), Cell(Mul(1609.344)), Cell(Mul(320.0)), Cell(Mul(8.0)),
        Cell(Mul(1.609344)), Cell(), Cell(Mul(0.86956521739))},
    /* nmi */ {Cell(Mul(1852000.0)), Cell(Mul(185200.0)), Cell(Mul(72913.38583)),
        Cell(Mul(6076.115486)), Cell(Mul(2025.371829)), Cell(Mul(1852.0)), Cell(Mul(368.0)),
        Cell(Mul(9.2)), Cell(Mul(1.852)), Cell(Mul(1.150779448)), Cell()},
};

// Prices mostly divide by the conversion constant, but inches, feet, yards and
// miles multiply by whole counts (72864 inches to the 1.15-mile nautical mile),
// and millimetres to miles and nautical miles divide by longer constants
// (6.213711922e-07, 5.399568035e-07) than their conversion cells multiply by.
constexpr ConversionRule kPrices[11][11] = {
    /* mm */ {Cell(), Cell(Div(0.1)), Cell(Div(0.03937007874)), Cell(Div(0.003280839895)),
        Cell(Div(0.001093613298)), Cell(Div(0.001)), Cell(Div(0.0001988387)), Cell(Div(4.9709e-06)),
        Cell(Div(1e-06)), Cell(Div(6.213711922e-07)), Cell(Div(5.399568035e-07))},
    /* cm */ {Cell(Div(10.0)), Cell(), Cell(Div(0.3937007874)), Cell(Div(0.03280839895)),
        Cell(Div(0.01093613298)), Cell(Div(0.01)), Cell(Div(0.001988387)), Cell(Div(4.9709e-05)),
        Cell(Div(1e-05)), Cell(Div(6.213711922e-06)), Cell(Div(5.399568035e-06))},
    /* in */ {Cell(Div(25.4)), Cell(Div(2.54)), Cell(), Cell(Mul(12.0)), Cell(Mul(36.0)),
        Cell(Div(0.0254)), Cell(Div(0.005050505)), Cell(Div(0.000126262)), Cell(Div(2.54e-05)),
        Cell(Mul(63360.0)), Cell(Mul(72864.0))},
    /* ft */ {Cell(Div(304.8)), Cell(Div(30.48)), Cell(Div(12.0)), Cell(), Cell(Mul(3.0)),
        Cell(Div(0.3048)), Cell(Div(0.06060606)), Cell(Div(0.001515151)), Cell(Div(0.0003048)),
        Cell(Mul(5280.0)), Cell(Mul(6072.0))},
    /* yd */ {Cell(Div(914.4)), Cell(Div(91.44)), Cell(Div(36.0)), Cell(Div(3.0)), Cell(),
        Cell(Div(0.9144)), Cell(Div(0.181818181)), Cell(Div(0.004545454)), Cell(Div(0.0009144)),
        Cell(Mul(1760.0)), Cell(Mul(2024.0))},
    /* m */ {Cell(Div(1000.0)), Cell(Div(100.0)), Cell(Div(39.37007874)), Cell(Div(3.280839895)),
        Cell(Div(1.093613298)), Cell(), Cell(Div(0.1988387)), Cell(Div(0.0049709)),
        Cell(Div(0.001)), Cell(Div(0.0006213711922)), Cell(Div(0.0005399568035))},
    /* rd */ {Cell(Div(5029.2)), Cell(Div(502.92)), Cell(Div(198.0)), Cell(Div(16.5)),
        Cell(Div(5.5)), Cell(Div(5.0292)), Cell(), Cell(Div(0.025)), Cell(Div(0.0050292)),
        Cell(Div(0.003125)), Cell(Mul(368.0))},
    /* f */ {Cell(Div(201168.0)), Cell(Div(20116.8)), Cell(Div(7920.0)), Cell(Div(660.0)),
        Cell(Div(220.0)), Cell(Div(201.168)), Cell(Div(40.0)), Cell(), Cell(Div(0.201168)),
        Cell(Div(0.125)), Cell(Mul(9.2))},
    /* km */ {Cell(Div(1000000.0)), Cell(Div(100000.0)), Cell(Div(39370.07874)),
        Cell(Div(3280.839895)), Cell(Div(1093.613298)), Cell(Div(1000.0)), Cell(Div(198.838781)),
        Cell(Div(4.97096953)), Cell(), Cell(Div(0.6213711922)), Cell(Div(0.5399568035))},
    /* mi */ {Cell(Div(1609344.0)), Cell(Div(160934.4)), Cell(Div(63360.0)), Cell(Div(5280.0)),
        Cell(Div(1760.0)), Cell(Div(1609.344)), Cell(Div(320.0)), Cell(Div(8.0)),
        Cell(Div(1.609344)), Cell(), Cell(Mul(1.15))},
    /* nmi */ {Cell(Div(1852000.0)), Cell(Div(185200.0)), Cell(Div(72913.38583)),
        Cell(Div(6076.115486)), Cell(Div(2025.371829)), Cell(Div(1852.0)), Cell(Div(368.0)),
        Cell(Div(9.2)), Cell(Div(1.852)), Cell(Div(1.150779448)), Cell()},
};
// clang-format on
static_assert(IsComplete(kRules), "a cell is missing from the matrix");
static_assert(IsComplete(kPrices), "a cell is missing from the price matrix");
constexpr auto kCells = Flatten(kRules);
constexpr auto kPriceCells = Flatten(kPrices);
constexpr UnitTable kTable = MakePriceTable("Distance", kUnits, kCells, kPriceCells);
}  // namespace

const UnitTable& DistanceTable() { return kTable; }

}  // namespace tables
