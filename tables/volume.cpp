#include "tables/tables.h"

namespace tables {
using namespace engine;

namespace {
// clang-format off
constexpr UnitDef kUnits[] = {
    // caption, abbreviation, as a screen reader says it
    {"Cubic Centimeter", "cm3",  "Cubic Centimeter"},
    {"Cubic Meter",      "m3",   "Cubic Meter"},
    {"Cubic Inch",       "in3",  "Cubic Inch"},
    {"Cubic Foot",       "ft3",  "Cubic Foot"},
    {"Cubic Yard",       "yd3",  "Cubic Yard"},
    {"Cords of Wood",    "cord", "Cords of Wood"},
    {"Barrel",           "bar",  "Barrel"},
    {"Bushel",           "bsh",  "Bushel"},
    {"Fluid Liter",      "l",    "Fluid Liter"},
    {"Fluid Cup",        "cup",  "Fluid Cup"},
    {"Fluid Ounce",      "oz",   "Fluid Ounce"},
    {"Fluid Gallon",     "gal",  "Fluid Gallon"},
};

// Every factor is a rounded constant of its own cell, not derived from a base
// unit, so a cell and its reverse need not multiply to 1 (cubic feet to cubic
// inches is x 1728.0006297637). Cords of wood to cubic yards divides by the
// factor of the reverse cell. All are kept exactly as given.
constexpr ConversionRule kRules[12][12] = {
    // 1 cm3
    {Cell(), Cell(Mul(1e-06)), Cell(Mul(0.061023759)), Cell(Mul(3.531466247e-05)),
     Cell(Mul(1.307950547e-06)), Cell(Mul(2.75895833e-07)), Cell(Mul(8.345294923e-06)),
     Cell(Mul(2.8377593393e-05)), Cell(Mul(0.001)), Cell(Mul(0.0042267535)),
     Cell(Mul(0.0338145939)), Cell(Mul(0.0002641720373))},
    // 2 m3
    {Cell(Mul(1000000.0)), Cell(), Cell(Mul(61023.7589903)), Cell(Mul(35.3146624713)),
     Cell(Mul(1.3079505474)), Cell(Mul(0.275895833)), Cell(Mul(8.3452949227)),
     Cell(Mul(28.3775933928)), Cell(Mul(1000.0)), Cell(Mul(4226.75348982)),
     Cell(Mul(33814.5939053)), Cell(Mul(264.172037284))},
    // 3 in3
    {Cell(Mul(16.38706)), Cell(Mul(1.638706e-05)), Cell(), Cell(Mul(0.0005787034928)),
     Cell(Mul(2.14334641e-05)), Cell(Mul(4.5211216e-06)), Cell(Mul(0.0001367548486)),
     Cell(Mul(0.0004650253256)), Cell(Mul(0.01638706)), Cell(Mul(0.0692640630429)),
     Cell(Mul(0.554121779202)), Cell(Mul(0.0043290030253))},
    // 4 ft3
    {Cell(Mul(28316.85)), Cell(Mul(0.02831685)), Cell(Mul(1728.0006297637)), Cell(),
     Cell(Mul(0.0370370394593)), Cell(Mul(0.0078125009187)), Cell(Mul(0.2363124645323)),
     Cell(Mul(0.8035640554646)), Cell(Mul(28.31685)), Cell(Mul(119.6883445582)),
     Cell(Mul(957.5227834269)), Cell(Mul(7.480519954))},
    // 5 yd3
    {Cell(Mul(764554.9)), Cell(Mul(0.7645549)), Cell(Mul(46656.013952316)),
     Cell(Mul(26.9999982342)), Cell(), Cell(Mul(0.210937511)), Cell(Mul(6.3804361251)),
     Cell(Mul(21.6962280786)), Cell(Mul(764.5549)), Cell(Mul(3231.5850917245)),
     Cell(Mul(25853.1134617314)), Cell(Mul(201.9740255479))},
    // 6 cord
    {Cell(Mul(3624556.37378184)), Cell(Mul(3.6245563738)), Cell(Mul(221184.054600419)),
     Cell(Mul(127.9999849483)), Cell(Div(0.210937511)), Cell(), Cell(Mul(30.2479919032)),
     Cell(Mul(102.8561870045)), Cell(Mul(3624.5563737818)), Cell(Mul(15320.1063019317)),
     Cell(Mul(122562.9018663)), Cell(Mul(957.5064415127))},
    // 7 bar
    {Cell(Mul(119828.0)), Cell(Mul(0.119828)), Cell(Mul(7312.3549922919)),
     Cell(Mul(4.2316853746)), Cell(Mul(0.1567290982)), Cell(Mul(0.0330600459)), Cell(),
     Cell(Mul(3.400430261)), Cell(Mul(119.828)), Cell(Mul(506.4834171783)),
     Cell(Mul(4051.9351584855)), Cell(Mul(31.6552068837))},
    // 8 bsh
    {Cell(Mul(35239.07)), Cell(Mul(0.03523907)), Cell(Mul(2150.4205147214)),
     Cell(Mul(1.2444558629)), Cell(Mul(0.0460909608978)), Cell(Mul(0.0097223125718)),
     Cell(Mul(0.294080432)), Cell(), Cell(Mul(35.23907)), Cell(Mul(148.9468621004)),
     Cell(Mul(1191.5948416499)), Cell(Mul(9.3091769139))},
    // 9 l
    {Cell(Mul(1000.0)), Cell(Mul(0.001)), Cell(Mul(61.0237589903)), Cell(Mul(0.0353146624713)),
     Cell(Mul(0.0013079505474)), Cell(Mul(0.000275895833)), Cell(Mul(0.0083452949227)),
     Cell(Mul(0.0283775933928)), Cell(), Cell(Mul(4.2267534898)), Cell(Mul(33.8145939053)),
     Cell(Mul(0.2641720373))},
    // 10 cup
    {Cell(Mul(236.5882)), Cell(Mul(0.0002365882)), Cell(Mul(14.4375012967455)),
     Cell(Mul(0.0083550324277)), Cell(Mul(0.0003094456657)), Cell(Mul(6.52736985e-05)),
     Cell(Mul(0.0019743983042)), Cell(Mul(0.0067138037411)), Cell(Mul(0.2365882)), Cell(),
     Cell(Mul(8.000133905784)), Cell(Mul(0.0624999867913))},
    // 11 oz
    {Cell(Mul(29.57303)), Cell(Mul(2.9573e-05)), Cell(Mul(1.8046574553)),
     Cell(Mul(0.0010443615727)), Cell(Mul(3.86800608e-05)), Cell(Mul(8.1590757e-06)),
     Cell(Mul(0.0002467956571)), Cell(Mul(0.000839211407)), Cell(Mul(0.02957303)),
     Cell(Mul(0.1249979078)), Cell(), Cell(Mul(0.0078123676))},
    // 12 gal
    {Cell(Mul(3785.412)), Cell(Mul(0.003785412)), Cell(Mul(231.0000695672)),
     Cell(Mul(0.1336805471)), Cell(Mul(0.0049511317)), Cell(Mul(0.0010443794)),
     Cell(Mul(0.0315903795)), Cell(Mul(0.1074208826)), Cell(Mul(3.785412)),
     Cell(Mul(16.0000033814)), Cell(Mul(128.0021695443)), Cell()},
};
// clang-format on
static_assert(IsComplete(kRules), "a cell is missing from the matrix");
constexpr auto kCells = Flatten(kRules);
constexpr UnitTable kTable = MakeTable("Volume", kUnits, kCells);
}  // namespace

const UnitTable& VolumeTable() { return kTable; }

}  // namespace tables
