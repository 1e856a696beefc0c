#include "tables/tables.h"

namespace tables {
using namespace engine;

namespace {
// clang-format off
constexpr UnitDef kUnits[] = {
    // caption, abbreviation, as a screen reader says it
    {"sq. Millimeter&s",  "sq. mm",  "square Millimeters"},
    {"sq. &Centimeters",  "sq. cm",  "square Centimeters"},
    {"sq. &Inches",       "sq. in",  "square Inches"},
    {"sq. Fee&t",         "sq. ft",  "square Feet"},
    {"sq. &Yards",        "sq. yd",  "square Yards"},
    {"sq. &Meters",       "sq. m",   "square Meters"},
    {"sq. &Rods",         "sq. rd",  "square Rods"},
    {"sq. Furlon&gs",     "sq. fur", "square Furlongs"},
    {"sq. &Kilometers",   "sq. km",  "square Kilometers"},
    {"sq. Mil&es",        "sq. mi",  "square Miles"},
    {"sq. Miles (&Naut)", "sq. nmi", "square Nautical Miles"},
};

// Each cell is the length factor from the source unit's side to the target
// unit's side; the area is its square. Inches, feet and yards reach miles and
// nautical miles by dividing by whole counts, and the nautical mile is 1.15
// statute miles from the customary units but 1852 m from the metric ones.
constexpr ConversionRule kRules[11][11] = {
    /* sq. mm */ {Cell(), Cell(Mul(0.1)), Cell(Mul(0.03937007874)), Cell(Mul(0.003280839895)),
        Cell(Mul(0.001093613298)), Cell(Mul(0.001)), Cell(Mul(0.0001988387)), Cell(Mul(4.9709e-06)),
        Cell(Mul(1e-06)), Cell(Mul(6.213711922e-07)), Cell(Mul(5.399568035e-07))},
    /* sq. cm */ {Cell(Mul(10.0)), Cell(), Cell(Mul(0.3937007874)), Cell(Mul(0.03280839895)),
        Cell(Mul(0.01093613298)), Cell(Mul(0.01)), Cell(Mul(0.001988387)), Cell(Mul(4.9709e-05)),
        Cell(Mul(1e-05)), Cell(Mul(6.213711922e-06)), Cell(Mul(5.399568035e-06))},
    /* sq. in */ {Cell(Mul(25.4)), Cell(Mul(2.54)), Cell(), Cell(Div(12.0)), Cell(Div(36.0)),
        Cell(Mul(0.0254)), Cell(Mul(0.005050505)), Cell(Mul(0.000126262)), Cell(Mul(2.54e-05)),
        Cell(Div(63360.0)), Cell(Div(72864.0))},
    /* sq. ft */ {Cell(Mul(304.8)), Cell(Mul(30.48)), Cell(Mul(12.0)), Cell(), Cell(Div(3.0)),
        Cell(Mul(0.3048)), Cell(Mul(0.06060606)), Cell(Mul(0.001515151)), Cell(Mul(0.0003048)),
        Cell(Div(5280.0)), Cell(Div(6072.0))},
    /* sq. yd */ {Cell(Mul(914.4)), Cell(Mul(91.44)), Cell(Mul(36.0)), Cell(Mul(3.0)), Cell(),
        Cell(Mul(0.9144)), Cell(Mul(0.181818181)), Cell(Mul(0.004545454)), Cell(Mul(0.0009144)),
        Cell(Div(1760.0)), Cell(Div(2024.0))},
    /* sq. m */ {Cell(Mul(1000.0)), Cell(Mul(100.0)), Cell(Mul(39.37007874)),
        Cell(Mul(3.280839895)), Cell(Mul(1.093613298)), Cell(), Cell(Mul(0.1988387)),
        Cell(Mul(0.0049709)), Cell(Mul(0.001)), Cell(Mul(0.0006213711922)),
        Cell(Mul(0.0005399568035))},
    /* sq. rd */ {Cell(Mul(5029.2)), Cell(Mul(502.92)), Cell(Mul(198.0)), Cell(Mul(16.5)),
        Cell(Mul(5.5)), Cell(Mul(5.0292)), Cell(), Cell(Mul(0.025)), Cell(Mul(0.0050292)),
        Cell(Mul(0.003125)), Cell(Div(368.0))},
    /* sq. fur */ {Cell(Mul(201168.0)), Cell(Mul(20116.8)), Cell(Mul(7920.0)), Cell(Mul(660.0)),
        Cell(Mul(220.0)), Cell(Mul(201.168)), Cell(Mul(40.0)), Cell(), Cell(Mul(0.201168)),
        Cell(Mul(0.125)), Cell(Div(9.2))},
    /* sq. km */ {Cell(Mul(1000000.0)), Cell(Mul(100000.0)), Cell(Mul(39370.07874)),
        Cell(Mul(3280.839895)), Cell(Mul(1093.613298)), Cell(Mul(1000.0)), Cell(Mul(198.838781)),
        Cell(Mul(4.97096953)), Cell(), Cell(Mul(0.6213711922)), Cell(Mul(0.5399568035))},
    /* sq. mi */ {Cell(Mul(1609344.0)), Cell(Mul(160934.4)), Cell(Mul(63360.0)), Cell(Mul(5280.0)),
        Cell(Mul(1760.0)), Cell(Mul(1609.344)), Cell(Mul(320.0)), Cell(Mul(8.0)),
        Cell(Mul(1.609344)), Cell(), Cell(Mul(0.868976242))},
    /* sq. nmi */ {Cell(Mul(1852000.0)), Cell(Mul(185200.0)), Cell(Mul(72913.38583)),
        Cell(Mul(6076.115486)), Cell(Mul(2025.371829)), Cell(Mul(1852.0)), Cell(Mul(368.0)),
        Cell(Mul(9.2)), Cell(Mul(1.852)), Cell(Mul(1.150779448)), Cell()},
};
// clang-format on
static_assert(IsComplete(kRules), "a cell is missing from the matrix");
constexpr auto kCells = Flatten(kRules);
constexpr UnitTable kTable = MakeSquareSideTable("Area", kUnits, kCells);
}  // namespace

const UnitTable& AreaTable() { return kTable; }

}  // namespace tables
