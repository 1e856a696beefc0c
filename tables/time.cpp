#include "tables/tables.h"

namespace tables {
using namespace engine;

namespace {
// clang-format off
constexpr UnitDef kUnits[] = {
    // caption, abbreviation, as a screen reader says it
    {"&Seconds",   "sec.", "Seconds"},
    {"&Minutes",   "min",  "Minutes"},
    {"H&ours",     "hr",   "Hours"},
    {"&Days",      "da",   "Days"},
    {"&Weeks",     "wk",   "Weeks"},
    {"Mo&nths",    "mo",   "Months"},
    {"&Years",     "yr",   "Years"},
    {"&Centuries", "cen",  "Centuries"},
};

// A year is 365.25 days and a month a twelfth of it. Exact ratios divide
// (seconds to minutes is v / 60, not v times a rounded reciprocal); the rounded
// reciprocals towards months, years and centuries multiply.
constexpr ConversionRule kRules[8][8] = {
    /* sec. */ {Cell(), Cell(Div(60.0)), Cell(Div(3600.0)), Cell(Div(86400.0)), Cell(Div(604800.0)),
        Cell(Mul(3.802570538e-07)), Cell(Mul(3.168808781e-08)), Cell(Mul(3.168808781e-10))},
    /* min */ {Cell(Mul(60.0)), Cell(), Cell(Div(60.0)), Cell(Div(1440.0)), Cell(Div(10080.0)),
        Cell(Mul(2.281542323e-05)), Cell(Mul(1.901285269e-06)), Cell(Mul(1.901285269e-08))},
    /* hr */ {Cell(Mul(3600.0)), Cell(Mul(60.0)), Cell(), Cell(Div(24.0)), Cell(Div(168.0)),
        Cell(Mul(0.001368925394)), Cell(Mul(0.0001140771161)), Cell(Mul(1.140771161e-06))},
    /* da */ {Cell(Mul(86400.0)), Cell(Mul(1440.0)), Cell(Mul(24.0)), Cell(), Cell(Div(7.0)),
        Cell(Mul(0.03285420945)), Cell(Mul(0.002737850787)), Cell(Mul(2.737850787e-05))},
    /* wk */ {Cell(Mul(604800.0)), Cell(Mul(10080.0)), Cell(Mul(168.0)), Cell(Mul(7.0)), Cell(),
        Cell(Div(4.348214286)), Cell(Div(52.17857143)), Cell(Div(5217.857143))},
    /* mo */ {Cell(Mul(2629800.0)), Cell(Mul(43830.0)), Cell(Mul(730.5)), Cell(Mul(30.4375)),
        Cell(Mul(4.348214286)), Cell(), Cell(Mul(0.08333333333)), Cell(Mul(0.0008333333333))},
    /* yr */ {Cell(Mul(31557600.0)), Cell(Mul(525960.0)), Cell(Mul(8766.0)), Cell(Mul(365.25)),
        Cell(Mul(52.17857143)), Cell(Mul(12.0)), Cell(), Cell(Mul(0.01))},
    /* cen */ {Cell(Mul(3155760000.0)), Cell(Mul(52596000.0)), Cell(Mul(876600.0)),
        Cell(Mul(36525.0)), Cell(Mul(5217.857143)), Cell(Mul(1200.0)), Cell(Mul(100.0)), Cell()},
};

// Every price undoes its conversion cell with the same constant and the
// opposite operation.
constexpr ConversionRule kPrices[8][8] = {
    /* sec. */ {Cell(), Cell(Mul(60.0)), Cell(Mul(3600.0)), Cell(Mul(86400.0)), Cell(Mul(604800.0)),
        Cell(Div(3.802570538e-07)), Cell(Div(3.168808781e-08)), Cell(Div(3.168808781e-10))},
    /* min */ {Cell(Div(60.0)), Cell(), Cell(Mul(60.0)), Cell(Mul(1440.0)), Cell(Mul(10080.0)),
        Cell(Div(2.281542323e-05)), Cell(Div(1.901285269e-06)), Cell(Div(1.901285269e-08))},
    /* hr */ {Cell(Div(3600.0)), Cell(Div(60.0)), Cell(), Cell(Mul(24.0)), Cell(Mul(168.0)),
        Cell(Div(0.001368925394)), Cell(Div(0.0001140771161)), Cell(Div(1.140771161e-06))},
    /* da */ {Cell(Div(86400.0)), Cell(Div(1440.0)), Cell(Div(24.0)), Cell(), Cell(Mul(7.0)),
        Cell(Div(0.03285420945)), Cell(Div(0.002737850787)), Cell(Div(2.737850787e-05))},
    /* wk */ {Cell(Div(604800.0)), Cell(Div(10080.0)), Cell(Div(168.0)), Cell(Div(7.0)), Cell(),
        Cell(Mul(4.348214286)), Cell(Mul(52.17857143)), Cell(Mul(5217.857143))},
    /* mo */ {Cell(Div(2629800.0)), Cell(Div(43830.0)), Cell(Div(730.5)), Cell(Div(30.4375)),
        Cell(Div(4.348214286)), Cell(), Cell(Div(0.08333333333)), Cell(Div(0.0008333333333))},
    /* yr */ {Cell(Div(31557600.0)), Cell(Div(525960.0)), Cell(Div(8766.0)), Cell(Div(365.25)),
        Cell(Div(52.17857143)), Cell(Div(12.0)), Cell(), Cell(Div(0.01))},
    /* cen */ {Cell(Div(3155760000.0)), Cell(Div(52596000.0)), Cell(Div(876600.0)),
        Cell(Div(36525.0)), Cell(Div(5217.857143)), Cell(Div(1200.0)), Cell(Div(100.0)), Cell()},
};
// clang-format on
static_assert(IsComplete(kRules), "a cell is missing from the matrix");
static_assert(IsComplete(kPrices), "a cell is missing from the price matrix");
constexpr auto kCells = Flatten(kRules);
constexpr auto kPriceCells = Flatten(kPrices);
constexpr UnitTable kTable = MakePriceTable("Time", kUnits, kCells, kPriceCells);
}  // namespace

const UnitTable& TimeTable() { return kTable; }

}  // namespace tables
