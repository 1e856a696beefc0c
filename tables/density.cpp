#include "tables/tables.h"

namespace tables {
using namespace engine;

namespace {
// clang-format off
constexpr UnitDef kUnits[] = {
    // caption, abbreviation, as a screen reader says it
    {"Grams/Liter",           "g/l",    "Grams per Liter"},
    {"Grams/Cubic Meter",     "g/m3",   "Grams per Cubic Meter"},
    {"Kilograms/Cubic Meter", "kg/m3",  "Kilograms per Cubic Meter"},
    {"Grains/U.S. Gallon",    "gr/gal", "Grains per U.S. Gallon"},
    {"Ounces/Cubic Inch",     "oz/in3", "Ounces per Cubic Inch"},
    {"Ounces/Cubic Foot",     "oz/ft3", "Ounces per Cubic Foot"},
    {"Ounces/U.S. Gallon",    "oz/gal", "Ounces per U.S. Gallon"},
    {"Pounds/Cubic Inch",     "lb/in3", "Pounds per Cubic Inch"},
    {"Pounds/Cubic Foot",     "lb/ft3", "Pounds per Cubic Foot"},
    {"Pounds/Cubic Yard",     "lb/yd3", "Pounds per Cubic Yard"},
    {"Pounds/U.S. Gallon",    "lb/gal", "Pounds per U.S. Gallon"},
    {"Long Tons/Cubic Yard",  "t/yd3",  "Long Tons per Cubic Yard"},
};

// Grams per litre and kilograms per cubic metre are the same density, so the
// cells between them are identities. Pounds per cubic yard to pounds per cubic
// foot divides by the factor of the reverse cell; the other factors are rounded
// constants of their own cells and need not be reciprocals of their reverses.
constexpr ConversionRule kRules[12][12] = {
    // 1 g/l
    {Cell(), Cell(Mul(1000.0)), Cell(), Cell(Mul(58.417844485)), Cell(Mul(0.0005780367)),
     Cell(Mul(0.9988473948)), Cell(Mul(0.1335265017)), Cell(Mul(3.61273e-05)),
     Cell(Mul(0.06242797)), Cell(Mul(1.685554996)), Cell(Mul(0.008345406355)),
     Cell(Mul(0.00075248))},
    // 2 g/m3
    {Cell(Mul(0.001)), Cell(), Cell(Mul(0.001)), Cell(Mul(0.058417844485)),
     Cell(Mul(5.780367e-07)), Cell(Mul(0.0009988473948)), Cell(Mul(0.0001335265017)),
     Cell(Mul(3.61273e-08)), Cell(Mul(6.242797e-05)), Cell(Mul(0.001685554996)),
     Cell(Mul(8.345406355e-06)), Cell(Mul(7.5248e-07))},
    // 3 kg/m3
    {Cell(), Cell(Mul(1000.0)), Cell(), Cell(Mul(58.417844485)), Cell(Mul(0.0005780367)),
     Cell(Mul(0.9988473948)), Cell(Mul(0.1335265017)), Cell(Mul(3.61273e-05)),
     Cell(Mul(0.06242797)), Cell(Mul(1.685554996)), Cell(Mul(0.008345406355)),
     Cell(Mul(0.00075248))},
    // 4 gr/gal
    {Cell(Mul(0.017118057)), Cell(Mul(17.118057142)), Cell(Mul(0.017118057)), Cell(),
     Cell(Mul(9.895e-06)), Cell(Mul(0.017098327)), Cell(Mul(0.002285714286)),
     Cell(Mul(6.18e-07)), Cell(Mul(0.001068646)), Cell(Mul(0.028853427)),
     Cell(Mul(0.000142857143)), Cell(Mul(1.2881e-05))},
    // 5 oz/in3
    {Cell(Mul(1729.99400009709)), Cell(Mul(1729994.00009709)), Cell(Mul(1729.99400009709)),
     Cell(Mul(101062.520457655)), Cell(), Cell(Mul(1728.00000001661)),
     Cell(Mul(231.000046760354)), Cell(Mul(0.062500009039)), Cell(Mul(108.000019991119)),
     Cell(Mul(2916.00002991367)), Cell(Mul(14.4375029225221)), Cell(Mul(1.3017858608))},
    // 6 oz/ft3
    {Cell(Mul(1.001153935232)), Cell(Mul(1001.15393523175)), Cell(Mul(1.001153935232)),
     Cell(Mul(58.485254893914)), Cell(Mul(0.000578703704)), Cell(), Cell(Mul(0.133680582614661)),
     Cell(Mul(3.6168987e-05)), Cell(Mul(0.062500011568)), Cell(Mul(1.687500017295)),
     Cell(Mul(0.008355036413416)), Cell(Mul(0.000753348299))},
    // 7 oz/gal
    {Cell(Mul(7.48915)), Cell(Mul(7489.149999575)), Cell(Mul(7.48915)), Cell(Mul(437.5)),
     Cell(Mul(0.004329003)), Cell(Mul(7.480517966)), Cell(), Cell(Mul(0.000270563)),
     Cell(Mul(0.467532459)), Cell(Mul(12.623374198)), Cell(Mul(0.0625)), Cell(Mul(0.005635435))},
    // 8 lb/in3
    {Cell(Mul(27679.8999982787)), Cell(Mul(27679899.9982787)), Cell(Mul(27679.8999982787)),
     Cell(Mul(1617000.0934598)), Cell(Mul(15.99999768596)), Cell(Mul(27647.9960016052)),
     Cell(Mul(3696.0002136224)), Cell(), Cell(Mul(1728.00006994157)),
     Cell(Mul(46655.9937308791)), Cell(Mul(231.0000133514)), Cell(Mul(20.828570760418))},
    // 9 lb/ft3
    {Cell(Mul(16.018459998798)), Cell(Mul(16018.4599987977)), Cell(Mul(16.018459998798)),
     Cell(Mul(935.763905098958)), Cell(Mul(0.009259257545)), Cell(Mul(15.999997038507)),
     Cell(Mul(2.13888892594048)), Cell(Mul(0.00057870368)), Cell(), Cell(Mul(26.9999952792)),
     Cell(Mul(0.13368055787128)), Cell(Mul(0.012053570554))},
    // 10 lb/yd3
    {Cell(Mul(0.593276399983)), Cell(Mul(593.276399982858)), Cell(Mul(0.593276399983)),
     Cell(Mul(34.6579284708192)), Cell(Mul(0.000342935525)), Cell(Mul(0.592592586519)),
     Cell(Mul(0.079218122219015)), Cell(Mul(2.1433473e-05)), Cell(Div(26.9999952792)), Cell(),
     Cell(Mul(0.004951132638688)), Cell(Mul(0.000446428617))},
    // 11 lb/gal
    {Cell(Mul(119.826399993)), Cell(Mul(119826.399993197)), Cell(Mul(119.826399993)),
     Cell(Mul(7000.0)), Cell(Mul(0.069264055)), Cell(Mul(119.688287461)), Cell(Mul(16.0)),
     Cell(Mul(0.004329004)), Cell(Mul(7.480519351)), Cell(Mul(201.973987161)), Cell(),
     Cell(Mul(0.090166968))},
    // 12 t/yd3
    {Cell(Mul(1328.93900002397)), Cell(Mul(1328939.00002397)), Cell(Mul(1328.93900002397)),
     Cell(Mul(77633.7518334519)), Cell(Mul(0.768175496533)), Cell(Mul(1327.40725802206)),
     Cell(Mul(177.448575619319)), Cell(Mul(0.048010975477)), Cell(Mul(82.962968982269)),
     Cell(Mul(2239.99977086965)), Cell(Mul(11.0905359762074)), Cell()},
};
// clang-format on
static_assert(IsComplete(kRules), "a cell is missing from the matrix");
constexpr auto kCells = Flatten(kRules);
constexpr UnitTable kTable = MakeTable("Density", kUnits, kCells);
}  // namespace

const UnitTable& DensityTable() { return kTable; }

}  // namespace tables
