#include "tables/tables.h"

namespace tables {
using namespace engine;

namespace {
// clang-format off
constexpr UnitDef kUnits[] = {
    // caption, abbreviation, as a screen reader says it
    {"&Milliliters", "ml",       "Milliliters"},
    {"&Liters",      "l",        "Liters"},
    {"&Teaspoons",   "tsp",      "Teaspoons"},
    {"T&ablespoon",  "tbsp",     "Tablespoon"},
    {"&Ounces",      "oz",       "Ounces"},
    {"&Cups",        "cup",      "Cups"},
    {"&Pints",       "pt",       "Pints"},
    {"&Quarts",      "qt",       "Quarts"},
    {"&Gallons",     "gal",      "Gallons"},
    {"Imp Ounc&es",  "imp oz",   "Imperial Ounces"},
    {"&Imp Cups",    "imp cup",  "Imperial Cups"},
    {"Imp Pi&nts",   "imp pint", "Imperial Pints"},
    {"Imp Qua&rts",  "imp qt",   "Imperial Quarts"},
    {"Imp Gallon&s", "imp gal",  "Imperial Gallons"},
};

// Rounded constants entered pair by pair: between metric or US units and
// imperial ones a cell and its reverse multiply to about 1.000015, and cells of
// one column may differ in their last digits (litres to imperial gallons is
// 0.219969151, millilitres to imperial gallons 0.000219969). Doubling cells
// add the value to itself.
constexpr ConversionRule kRules[14][14] = {
    /* ml */ {Cell(), Cell(Mul(0.001)), Cell(Mul(0.2028841362)), Cell(Mul(0.0676280454)),
        Cell(Mul(0.0338140227)), Cell(Mul(0.004226752838)), Cell(Mul(0.002113376419)),
        Cell(Mul(0.001056688209)), Cell(Mul(0.0002641720524)), Cell(Mul(0.03519504)),
        Cell(Mul(0.003519504)), Cell(Mul(0.001759752)), Cell(Mul(0.000879876)),
        Cell(Mul(0.000219969))},
    /* l */ {Cell(Mul(1000.0)), Cell(), Cell(Mul(202.8841362)), Cell(Mul(67.6280454)),
        Cell(Mul(33.8140227)), Cell(Mul(4.226752838)), Cell(Mul(2.113376419)),
        Cell(Mul(1.056688209)), Cell(Mul(0.2641720524)), Cell(Mul(35.19504)), Cell(Mul(3.519504)),
        Cell(Mul(1.759752)), Cell(Mul(0.879876)), Cell(Mul(0.219969151))},
    /* tsp */ {Cell(Mul(4.928921594)), Cell(Mul(0.004928921594)), Cell(), Cell(Div(3.0)),
        Cell(Mul(0.1666666667)), Cell(Mul(0.02083333333)), Cell(Mul(0.01041666667)),
        Cell(Mul(0.005208333333)), Cell(Mul(0.001302083333)), Cell(Mul(0.1734736)),
        Cell(Mul(0.01734736)), Cell(Mul(0.00867368)), Cell(Mul(0.00433684)), Cell(Mul(0.00108421))},
    /* tbsp */ {Cell(Mul(14.786764782)), Cell(Mul(0.014786764782)), Cell(Mul(3.0)), Cell(),
        Cell(Div(2.0)), Cell(Div(16.0)), Cell(Div(32.0)), Cell(Div(64.0)), Cell(Div(256.0)),
        Cell(Mul(0.52042112)), Cell(Mul(0.052042112)), Cell(Mul(0.026021056)),
        Cell(Mul(0.013010528)), Cell(Mul(0.003252632))},
    /* oz */ {Cell(Mul(29.57352956)), Cell(Mul(0.02957352956)), Cell(Mul(6.0)), Cell(AddSelf()),
        Cell(), Cell(Mul(0.125)), Cell(Mul(0.0625)), Cell(Mul(0.03125)), Cell(Mul(0.0078125)),
        Cell(Mul(1.04084224)), Cell(Mul(0.104084224)), Cell(Mul(0.052042112)),
        Cell(Mul(0.026021056)), Cell(Mul(0.006505264))},
    /* cup */ {Cell(Mul(236.5882365)), Cell(Mul(0.2365882365)), Cell(Mul(48.0)), Cell(Mul(16.0)),
        Cell(Mul(8.0)), Cell(), Cell(Mul(0.5)), Cell(Mul(0.25)), Cell(Mul(0.0625)),
        Cell(Mul(8.32673808)), Cell(Mul(0.832673808)), Cell(Mul(0.416336904)),
        Cell(Mul(0.208168452)), Cell(Mul(0.052042113))},
    /* pt */ {Cell(Mul(473.176473)), Cell(Mul(0.473176473)), Cell(Mul(96.0)), Cell(Mul(32.0)),
        Cell(Mul(16.0)), Cell(AddSelf()), Cell(), Cell(Mul(0.5)), Cell(Mul(0.125)),
        Cell(Mul(16.65347635)), Cell(Mul(1.665347635)), Cell(Mul(0.832673816)),
        Cell(Mul(0.4163369)), Cell(Mul(0.104084227))},
    /* qt */ {Cell(Mul(946.352946)), Cell(Mul(0.946352946)), Cell(Mul(192.0)), Cell(Mul(64.0)),
        Cell(Mul(32.0)), Cell(Mul(4.0)), Cell(AddSelf()), Cell(), Cell(Mul(0.25)),
        Cell(Mul(33.30695264)), Cell(Mul(3.330695264)), Cell(Mul(1.665347632)),
        Cell(Mul(0.832673816)), Cell(Mul(0.208168454))},
    /* gal */ {Cell(Mul(3785.411784)), Cell(Mul(3.785411784)), Cell(Mul(768.0)), Cell(Mul(256.0)),
        Cell(Mul(128.0)), Cell(Mul(16.0)), Cell(Mul(8.0)), Cell(Mul(4.0)), Cell(),
        Cell(Mul(133.2278104)), Cell(Mul(13.32278104)), Cell(Mul(6.66139052)),
        Cell(Mul(3.33069526)), Cell(Mul(0.832673818))},
    /* imp oz */ {Cell(Mul(28.413508788)), Cell(Mul(0.028413508788)), Cell(Mul(5.764501877)),
        Cell(Mul(1.92155)), Cell(Mul(0.96077503)), Cell(Mul(0.1200968789)), Cell(Mul(0.060048439)),
        Cell(Mul(0.0300242197)), Cell(Mul(0.0075060549)), Cell(), Cell(Div(10.0)), Cell(Div(20.0)),
        Cell(Div(40.0)), Cell(Div(160.0))},
    /* imp cup */ {Cell(Mul(284.13508788)), Cell(Mul(0.28413508788)), Cell(Mul(57.64501877)),
        Cell(Mul(19.2155)), Cell(Mul(9.6077503)), Cell(Mul(1.200968789)), Cell(Mul(0.60048439)),
        Cell(Mul(0.300242197)), Cell(Mul(0.075060549)), Cell(Mul(10.0)), Cell(), Cell(Div(2.0)),
        Cell(Div(4.0)), Cell(Div(16.0))},
    /* imp pint */ {Cell(Mul(568.27017576)), Cell(Mul(0.56827017576)), Cell(Mul(115.2930036)),
        Cell(Mul(38.4310012)), Cell(Mul(19.2155006)), Cell(Mul(2.401937578)),
        Cell(Mul(1.200968789)), Cell(Mul(0.60048439)), Cell(Mul(0.150121098)), Cell(Mul(20.0)),
        Cell(AddSelf()), Cell(), Cell(Div(2.0)), Cell(Div(8.0))},
    /* imp qt */ {Cell(Mul(1136.54035152)), Cell(Mul(1.13654035152)), Cell(Mul(230.5860072)),
        Cell(Mul(76.8620024)), Cell(Mul(38.4310012)), Cell(Mul(4.803875156)),
        Cell(Mul(2.401937578)), Cell(Mul(1.20096878)), Cell(Mul(0.300242196)), Cell(Mul(40.0)),
        Cell(Mul(4.0)), Cell(AddSelf()), Cell(), Cell(Div(4.0))},
    /* imp gal */ {Cell(Mul(4546.092)), Cell(Mul(4.546092)), Cell(Mul(922.329948)),
        Cell(Mul(307.443316)), Cell(Mul(153.721658)), Cell(Mul(19.2152072)), Cell(Mul(9.60760363)),
        Cell(Mul(4.80380181)), Cell(Mul(1.20095045)), Cell(Mul(160.0)), Cell(Mul(16.0)),
        Cell(Mul(8.0)), Cell(Mul(4.0)), Cell()},
};

// Prices undo their conversion cells with the same constant, a doubling being
// undone by halving and a halving by doubling; cups to imperial quarts and
// imperial quarts to quarts use other constants than their conversion cells.
constexpr ConversionRule kPrices[14][14] = {
    /* ml */ {Cell(), Cell(Div(0.001)), Cell(Div(0.2028841362)), Cell(Div(0.0676280454)),
        Cell(Div(0.0338140227)), Cell(Div(0.004226752838)), Cell(Div(0.002113376419)),
        Cell(Div(0.001056688209)), Cell(Div(0.0002641720524)), Cell(Div(0.03519504)),
        Cell(Div(0.003519504)), Cell(Div(0.001759752)), Cell(Div(0.000879876)),
        Cell(Div(0.000219969))},
    /* l */ {Cell(Div(1000.0)), Cell(), Cell(Div(202.8841362)), Cell(Div(67.6280454)),
        Cell(Div(33.8140227)), Cell(Div(4.226752838)), Cell(Div(2.113376419)),
        Cell(Div(1.056688209)), Cell(Div(0.2641720524)), Cell(Div(35.19504)), Cell(Div(3.519504)),
        Cell(Div(1.759752)), Cell(Div(0.879876)), Cell(Div(0.219969151))},
    /* tsp */ {Cell(Div(4.928921594)), Cell(Div(0.004928921594)), Cell(), Cell(Mul(3.0)),
        Cell(Div(0.1666666667)), Cell(Div(0.02083333333)), Cell(Div(0.01041666667)),
        Cell(Div(0.005208333333)), Cell(Div(0.001302083333)), Cell(Div(0.1734736)),
        Cell(Div(0.01734736)), Cell(Div(0.00867368)), Cell(Div(0.00433684)), Cell(Div(0.00108421))},
    /* tbsp */ {Cell(Div(14.786764782)), Cell(Div(0.014786764782)), Cell(Div(3.0)), Cell(),
        Cell(AddSelf()), Cell(Mul(16.0)), Cell(Mul(32.0)), Cell(Mul(64.0)), Cell(Mul(256.0)),
        Cell(Div(0.52042112)), Cell(Div(0.052042112)), Cell(Div(0.026021056)),
        Cell(Div(0.013010528)), Cell(Div(0.003252632))},
    /* oz */ {Cell(Div(29.57352956)), Cell(Div(0.02957352956)), Cell(Div(6.0)), Cell(Div(2.0)),
        Cell(), Cell(Div(0.125)), Cell(Div(0.0625)), Cell(Div(0.03125)), Cell(Div(0.0078125)),
        Cell(Div(1.04084224)), Cell(Div(0.104084224)), Cell(Div(0.052042112)),
        Cell(Div(0.026021056)), Cell(Div(0.006505264))},
    /* cup */ {Cell(Div(236.5882365)), Cell(Div(0.2365882365)), Cell(Div(48.0)), Cell(Div(16.0)),
        Cell(Div(8.0)), Cell(), Cell(Div(0.5)), Cell(Div(0.25)), Cell(Div(0.0625)),
        Cell(Div(8.32673808)), Cell(Div(0.832673808)), Cell(Div(0.416336904)),
        Cell(Div(0.2081684529)), Cell(Div(0.052042113))},
    /* pt */ {Cell(Div(473.176473)), Cell(Div(0.473176473)), Cell(Div(96.0)), Cell(Div(32.0)),
        Cell(Div(16.0)), Cell(Div(2.0)), Cell(), Cell(Div(0.5)), Cell(Div(0.125)),
        Cell(Div(16.65347635)), Cell(Div(1.665347635)), Cell(Div(0.832673816)),
        Cell(Div(0.4163369)), Cell(Div(0.104084227))},
    /* qt */ {Cell(Div(946.352946)), Cell(Div(0.946352946)), Cell(Div(192.0)), Cell(Div(64.0)),
        Cell(Div(32.0)), Cell(Div(4.0)), Cell(Div(2.0)), Cell(), Cell(Div(0.25)),
        Cell(Div(33.30695264)), Cell(Div(3.330695264)), Cell(Div(1.665347632)),
        Cell(Div(0.832673816)), Cell(Div(0.208168454))},
    /* gal */ {Cell(Div(3785.411784)), Cell(Div(3.785411784)), Cell(Div(768.0)), Cell(Div(256.0)),
        Cell(Div(128.0)), Cell(Div(16.0)), Cell(Div(8.0)), Cell(Div(4.0)), Cell(),
        Cell(Div(133.2278104)), Cell(Div(13.32278104)), Cell(Div(6.66139052)),
        Cell(Div(3.33069526)), Cell(Div(0.832673818))},
    /* imp oz */ {Cell(Div(28.413508788)), Cell(Div(0.028413508788)), Cell(Div(5.764501877)),
        Cell(Div(1.92155)), Cell(Div(0.96077503)), Cell(Div(0.1200968789)), Cell(Div(0.060048439)),
        Cell(Div(0.0300242197)), Cell(Div(0.0075060549)), Cell(), Cell(Mul(10.0)), Cell(Mul(20.0)),
        Cell(Mul(40.0)), Cell(Mul(160.0))},
    /* imp cup */ {Cell(Div(284.13508788)), Cell(Div(0.28413508788)), Cell(Div(57.64501877)),
        Cell(Div(19.2155)), Cell(Div(9.6077503)), Cell(Div(1.200968789)), Cell(Div(0.60048439)),
        Cell(Div(0.300242197)), Cell(Div(0.075060549)), Cell(Div(10.0)), Cell(), Cell(AddSelf()),
        Cell(Mul(4.0)), Cell(Mul(16.0))},
    /* imp pint */ {Cell(Div(568.27017576)), Cell(Div(0.56827017576)), Cell(Div(115.2930036)),
        Cell(Div(38.4310012)), Cell(Div(19.2155006)), Cell(Div(2.401937578)),
        Cell(Div(1.200968789)), Cell(Div(0.60048439)), Cell(Div(0.150121098)), Cell(Div(20.0)),
        Cell(Div(2.0)), Cell(), Cell(AddSelf()), Cell(Mul(8.0))},
    /* imp qt */ {Cell(Div(1136.54035152)), Cell(Div(1.13654035152)), Cell(Div(230.5860072)),
        Cell(Div(76.8620024)), Cell(Div(38.4310012)), Cell(Div(4.803875156)),
        Cell(Div(2.401937578)), Cell(Div(1.20095045)), Cell(Div(0.300242196)), Cell(Div(40.0)),
        Cell(Div(4.0)), Cell(Div(2.0)), Cell(), Cell(Mul(4.0))},
    /* imp gal */ {Cell(Div(4546.092)), Cell(Div(4.546092)), Cell(Div(922.329948)),
        Cell(Div(307.443316)), Cell(Div(153.721658)), Cell(Div(19.2152072)), Cell(Div(9.60760363)),
        Cell(Div(4.80380181)), Cell(Div(1.20095045)), Cell(Div(160.0)), Cell(Div(16.0)),
        Cell(Div(8.0)), Cell(Div(4.0)), Cell()},
};
// clang-format on
static_assert(IsComplete(kRules), "a cell is missing from the matrix");
static_assert(IsComplete(kPrices), "a cell is missing from the price matrix");
constexpr auto kCells = Flatten(kRules);
constexpr auto kPriceCells = Flatten(kPrices);
constexpr UnitTable kTable = MakePriceTable("Liquid", kUnits, kCells, kPriceCells);
}  // namespace

const UnitTable& LiquidTable() { return kTable; }

}  // namespace tables
