#include "tables/tables.h"

namespace tables {
using namespace engine;

namespace {
// clang-format off
constexpr UnitDef kUnits[] = {
    // caption, abbreviation, as a screen reader says it
    {"Kips",        "kip",    "Kips"},
    {"KiloNewtons", "kN",     "KiloNewtons"},
    {"Pound Force", "lbf",    "Pound Force"},
    {"Ounce Force", "ozf",    "Ounce Force"},
    {"Poundals",    "pdl",    "Poundals"},
    {"Kilo Dynes",  "k dyne", "Kilo Dynes"},
    {"Gram Force",  "gf",     "Gram Force"},
};

// Kips to kilonewtons divides by the factor of the reverse cell, so one kip
// shows 4.44822161723344 kN while one pound force shows 0.00444822162 kN.
constexpr ConversionRule kRules[7][7] = {
    // 1 kip
    {Cell(), Cell(Div(0.224808943)), Cell(Mul(1000)), Cell(Mul(16000)), Cell(Mul(32174.0486)),
     Cell(Mul(444822.162)), Cell(Mul(453592.37))},
    // 2 kN
    {Cell(Mul(0.224808943)), Cell(), Cell(Mul(224.808943)), Cell(Mul(3596.94309)),
     Cell(Mul(7233.01385)), Cell(Mul(100000)), Cell(Mul(101971.621))},
    // 3 lbf
    {Cell(Mul(0.001)), Cell(Mul(0.00444822162)), Cell(), Cell(Mul(16)), Cell(Mul(32.1740486)),
     Cell(Mul(444.822162)), Cell(Mul(453.59237))},
    // 4 ozf
    {Cell(Mul(6.25e-05)), Cell(Mul(0.000278013851)), Cell(Mul(0.0625)), Cell(),
     Cell(Mul(2.01087803)), Cell(Mul(27.8013851)), Cell(Mul(28.3495231))},
    // 5 poundal
    {Cell(Mul(3.10809502e-05)), Cell(Mul(0.000138254954)), Cell(Mul(0.0310809502)),
     Cell(Mul(0.497295203)), Cell(), Cell(Mul(13.8254954)), Cell(Mul(14.0980819))},
    // 6 kdyn
    {Cell(Mul(2.24808943e-06)), Cell(Mul(1e-05)), Cell(Mul(0.00224808943)),
     Cell(Mul(0.0359694309)), Cell(Mul(0.0723301385)), Cell(), Cell(Mul(1.01971621))},
    // 7 gf
    {Cell(Mul(2.20462262e-06)), Cell(Mul(9.80665e-06)), Cell(Mul(0.00220462262)),
     Cell(Mul(0.0352739619)), Cell(Mul(0.0709316353)), Cell(Mul(0.980665)), Cell()},
};
// clang-format on
static_assert(IsComplete(kRules), "a cell is missing from the matrix");
constexpr auto kCells = Flatten(kRules);
constexpr UnitTable kTable = MakeTable("Force", kUnits, kCells);
}  // namespace

const UnitTable& ForceTable() { return kTable; }

}  // namespace tables
