#include "tables/tables.h"

namespace tables {
using namespace engine;

namespace {
// clang-format off
constexpr UnitDef kUnits[] = {
    // caption, abbreviation, as a screen reader says it
    {"Atmosphere",          "atm",     "Atmosphere"},
    {"Bars",                "bar",     "Bars"},
    {"Kilograms/Sq. CM",    "kg/cm2",  "Kilograms per square Centimeter"},
    {"Kilograms/Sq. Meter", "kg/m2",   "Kilograms per square Meter"},
    {"Kilopascal",          "kPa",     "Kilopascal"},
    {"Mercury Millimeters", "mm merc", "Millimeters of Mercury"},
    {"Mercury Inches",      "in merc", "Inches of Mercury"},
    {"Millibar",            "mbar",    "Millibar"},
    {"Pascal",              "Pa",      "Pascal"},
    {"Pounds/Sq. Inch",     "psi",     "Pounds per square Inch"},
    {"Pounds/Sq. Foot",     "lb/ft2",  "Pounds per square Foot"},
    {"Torrs",               "torr",    "Torrs"},
};

// Millimetres of mercury and torrs are one size: between them the value is
// copied, and each other row gives both the same factor. Their own rows still
// differ in the digits of some cells (to inches of mercury x 0.03937007874 from
// millimetres, x 0.0393700787 from torrs), and the mercury-inch cells are off by
// a few parts per million. All are kept exactly as given.
constexpr ConversionRule kRules[12][12] = {
    // 1 atm
    {Cell(), Cell(Mul(1.01325)), Cell(Mul(1.0332274528)), Cell(Mul(10332.274528)),
     Cell(Mul(101.325)), Cell(Mul(760.0021)), Cell(Mul(29.9212598)), Cell(Mul(1013.25)),
     Cell(Mul(101325.0)), Cell(Mul(14.6959494)), Cell(Mul(2116.21657861)), Cell(Mul(760.0021))},
    // 2 bar
    {Cell(Mul(0.9869232667)), Cell(), Cell(Mul(1.01971621298)), Cell(Mul(10197.1621298)),
     Cell(Mul(100.0)), Cell(Mul(750.063755419)), Cell(Mul(29.53006911)), Cell(Mul(1000.0)),
     Cell(Mul(100000.0)), Cell(Mul(14.5037743897)), Cell(Mul(2088.54338)),
     Cell(Mul(750.063755419))},
    // 3 kg/cm2
    {Cell(Mul(0.96784110535)), Cell(Mul(0.980665)), Cell(), Cell(Mul(10000.0)),
     Cell(Mul(98.0665)), Cell(Mul(735.56127271)), Cell(Mul(28.959105115)), Cell(Mul(980.665)),
     Cell(Mul(98066.5)), Cell(Mul(14.223343912)), Cell(Mul(2048.16139261)),
     Cell(Mul(735.56127271))},
    // 4 kg/m2
    {Cell(Mul(9.6784111e-05)), Cell(Mul(9.80665e-05)), Cell(Mul(0.0001)), Cell(),
     Cell(Mul(0.00980665)), Cell(Mul(0.0735561273)), Cell(Mul(0.0028959105115)),
     Cell(Mul(0.0980665)), Cell(Mul(9.80665)), Cell(Mul(0.001422334391)),
     Cell(Mul(0.204816139261)), Cell(Mul(0.0735561273))},
    // 5 kPa
    {Cell(Mul(0.009869232667)), Cell(Mul(0.01)), Cell(Mul(0.01019716213)),
     Cell(Mul(101.9716213)), Cell(), Cell(Mul(7.5006375542)), Cell(Mul(0.2953006911)),
     Cell(Mul(10.0)), Cell(Mul(1000.0)), Cell(Mul(0.145037743897)), Cell(Mul(20.885433788)),
     Cell(Mul(7.5006375542))},
    // 6 mm merc
    {Cell(Mul(0.00131578584)), Cell(Mul(0.00133322)), Cell(Mul(0.00135950604947)),
     Cell(Mul(13.5950604947)), Cell(Mul(0.133322)), Cell(), Cell(Mul(0.03937007874)),
     Cell(Mul(1.33322)), Cell(Mul(133.322)), Cell(Mul(0.0193367221)), Cell(Mul(2.78448780354)),
     Cell()},
    // 7 in merc
    {Cell(Mul(0.0334211399)), Cell(Mul(0.03386397)), Cell(Mul(0.034531639)),
     Cell(Mul(345.314537873)), Cell(Mul(3.386397)), Cell(Mul(25.4)), Cell(),
     Cell(Mul(33.86396506)), Cell(Mul(3386.396506)), Cell(Mul(0.491155)), Cell(Mul(70.726362)),
     Cell(Mul(25.4))},
    // 8 mbar
    {Cell(Mul(0.0009869232667)), Cell(Mul(0.001)), Cell(Mul(0.001019716213)),
     Cell(Mul(10.1971621298)), Cell(Mul(0.1)), Cell(Mul(0.75005946)), Cell(Mul(0.0295299)),
     Cell(), Cell(Mul(100.0)), Cell(Mul(0.0145037743897)), Cell(Mul(2.0885433788)),
     Cell(Mul(0.75005946))},
    // 9 Pa
    {Cell(Mul(9.8692327e-06)), Cell(Mul(1e-05)), Cell(Mul(1.0197162e-05)),
     Cell(Mul(0.1019716213)), Cell(Mul(0.001)), Cell(Mul(0.0075006375542)),
     Cell(Mul(0.00029530069)), Cell(Mul(0.01)), Cell(), Cell(Mul(0.000145037744)),
     Cell(Mul(0.020885433788)), Cell(Mul(0.0075006375542))},
    // 10 psi
    {Cell(Mul(0.06804596102)), Cell(Mul(0.06894757)), Cell(Mul(0.0703069549747)),
     Cell(Mul(703.069549747)), Cell(Mul(6.894757)), Cell(Mul(51.71507328132)),
     Cell(Mul(2.03602651)), Cell(Mul(68.94757)), Cell(Mul(6894.757)), Cell(),
     Cell(Mul(143.999990811)), Cell(Mul(51.71507328132))},
    // 11 lb/ft2
    {Cell(Mul(0.000472541426)), Cell(Mul(0.0004788026)), Cell(Mul(0.000488243)),
     Cell(Mul(4.88242774)), Cell(Mul(0.0478802599999)), Cell(Mul(0.35913247626)),
     Cell(Mul(0.0141390739)), Cell(Mul(0.478802599999)), Cell(Mul(47.8802599999)),
     Cell(Mul(0.00694444489)), Cell(), Cell(Mul(0.35913247626))},
    // 12 torr
    {Cell(Mul(0.00131578584)), Cell(Mul(0.00133322)), Cell(Mul(0.0013595060495)),
     Cell(Mul(13.5950604946958)), Cell(Mul(0.133322)), Cell(), Cell(Mul(0.0393700787)),
     Cell(Mul(1.33322)), Cell(Mul(133.322)), Cell(Mul(0.0193367221)), Cell(Mul(2.78448780354)),
     Cell()},
};
// clang-format on
static_assert(IsComplete(kRules), "a cell is missing from the matrix");
constexpr auto kCells = Flatten(kRules);
constexpr UnitTable kTable = MakeTable("Pressure", kUnits, kCells);
}  // namespace

const UnitTable& PressureTable() { return kTable; }

}  // namespace tables
