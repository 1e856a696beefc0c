#include "tables/tables.h"

namespace tables {
using namespace engine;

namespace {
// clang-format off
constexpr UnitDef kUnits[] = {
    // caption, abbreviation, as a screen reader says it
    {"F&ahrenheit", "*F", "degrees Fahrenheit"},
    {"&Celsius",    "*C", "degrees Celsius"},
    {"&Kelvin",     "*K", "Kelvin"},
};

// Fahrenheit to Kelvin uses the rounded factor 0.55555556 while Fahrenheit to
// Celsius divides by 9 and multiplies by 5; both are kept exactly as given.
constexpr ConversionRule kRules[3][3] = {
    /* *F */ {Cell(), Cell(Sub(32), Div(9), Mul(5)), Cell(Mul(0.55555556), Add(255.382222))},
    /* *C */ {Cell(Mul(1.8), Add(32)), Cell(), Cell(Add(273.16))},
    /* *K */ {Cell(Mul(1.8), Sub(459.688)), Cell(Sub(273.16)), Cell()},
};
// clang-format on
static_assert(IsComplete(kRules), "a cell is missing from the matrix");
constexpr auto kCells = Flatten(kRules);
constexpr UnitTable kTable = MakeTable("Temperature", kUnits, kCells);
}  // namespace

const UnitTable& TemperatureTable() { return kTable; }

}  // namespace tables
