#include "tables/tables.h"

namespace tables {
using namespace engine;

namespace {
// clang-format off
constexpr UnitDef kUnits[] = {
    // caption, abbreviation, as a screen reader says it
    {"&Joules",               "J",      "Joules"},
    {"Foot &Pound Force",     "ft/lbf", "Foot Pound Force"},
    {"&Watt Hours",           "Wh",     "Watt Hours"},
    {"&kiloWatt Hours",       "kWh",    "Kilowatt Hours"},
    {"B&TUs - Mean",          "BTU",    "Mean BTUs"},
    {"BTUs - &Int'l",         "BTU",    "International BTUs"},
    {"&BTUs - Thermal",       "BTU",    "Thermal BTUs"},
    {"&Ergs",                 "erg",    "Ergs"},
    {"Calories - &Nutrition", "cal",    "Nutrition Calories"},
    {"Calories - &Mean",      "cal",    "Mean Calories"},
    {"&Calories - Thermal",   "cal",    "Thermal Calories"},
    {"Electron &Volts",       "eV",     "Electron Volts"},
};

// Three units are labelled "BTU" and three "cal", so the echo cannot tell them
// apart. Mean and thermal calories use the same three constants towards the
// BTUs although the two calories differ, and thermal BTUs to joules divides by
// the joules-to-thermal-BTU factor. All are kept exactly as given.
constexpr ConversionRule kRules[12][12] = {
    // 1 J
    {Cell(), Cell(Mul(0.737562121)), Cell(Mul(0.000277777778)), Cell(Mul(2.77777778e-07)),
     Cell(Mul(0.000947086289)), Cell(Mul(0.000947816988)), Cell(Mul(0.000948451653)),
     Cell(Mul(10000000.0)), Cell(Mul(0.000239005736)), Cell(Mul(0.238662345)),
     Cell(Mul(0.2390057361)), Cell(Mul(6.241457e+18))},
    // 2 ft/lbf
    {Cell(Mul(1.3558180003)), Cell(), Cell(Mul(0.0003766161)), Cell(Mul(3.766161e-07)),
     Cell(Mul(0.00128407664)), Cell(Mul(0.00128506733)), Cell(Mul(0.00128692782)),
     Cell(Mul(13558180.003119)), Cell(Mul(0.0003240482792)), Cell(Mul(0.32358270335)),
     Cell(Mul(0.32404827918)), Cell(Mul(8.462279757e+18))},
    // 3 Wh
    {Cell(Mul(3599.999999712)), Cell(Mul(2655.22363538758)), Cell(), Cell(Mul(0.001)),
     Cell(Mul(3.40951064013)), Cell(Mul(3.41214115617)), Cell(Mul(3.41442594945)),
     Cell(Mul(35999999997.0)), Cell(Mul(0.86042064989)), Cell(Mul(859.18444193127)),
     Cell(Mul(860.42064989117)), Cell(Mul(2.24692452198025e+22))},
    // 4 kWh
    {Cell(Mul(3599999.999712)), Cell(Mul(2655223.63538758)), Cell(Mul(1000.0)), Cell(),
     Cell(Mul(3409.51064013)), Cell(Mul(3412.14115617)), Cell(Mul(3414.42594945)),
     Cell(Mul(35999999997000.0)), Cell(Mul(860.42064989)), Cell(Mul(859184.44193127)),
     Cell(Mul(860420.64989117)), Cell(Mul(2.24692452198025e+25))},
    // 5 BTU mean
    {Cell(Mul(1055.87000003545)), Cell(Mul(778.76971672641)), Cell(Mul(0.29329722226)),
     Cell(Mul(0.00029329722226)), Cell(), Cell(Mul(1.00077152305)), Cell(Mul(1.00144164657)),
     Cell(Mul(10558700000.35)), Cell(Mul(0.25235898658438)), Cell(Mul(251.99641022361)),
     Cell(Mul(252.358984378691)), Cell(Mul(6.59016720914645e+21))},
    // 6 BTU int'l
    {Cell(Mul(1055.05600001496)), Cell(Mul(778.816934114481)), Cell(Mul(0.293071111138712)),
     Cell(Mul(0.000293071111138712)), Cell(Mul(0.999229071741351)), Cell(),
     Cell(Mul(1.0006696052383)), Cell(Mul(10550560000.15)), Cell(Mul(0.252164435910297)),
     Cell(Mul(251.80213906989)), Cell(Mul(252.164435910297)), Cell(Mul(6.5850866630157e+21))},
    // 7 BTU thermal
    {Cell(Div(0.000948451653)), Cell(Mul(777.648622574959)), Cell(Mul(0.2928750000163)),
     Cell(Mul(0.0002928750000163)), Cell(Mul(0.9985604287829)), Cell(Mul(0.9993308411681)),
     Cell(), Cell(Mul(10543499999.74)), Cell(Mul(0.25199569785093)), Cell(Mul(251.633643444649)),
     Cell(Mul(251.995697850925)), Cell(Mul(6.58068019411655e+21))},
    // 8 erg
    {Cell(Mul(1e-07)), Cell(Mul(7.37562121e-08)), Cell(Mul(2.777777776e-11)),
     Cell(Mul(2.777777776e-14)), Cell(Mul(9.47086289e-11)), Cell(Mul(9.478169879e-11)),
     Cell(Mul(9.484516527e-11)), Cell(), Cell(Mul(2.390057361e-11)), Cell(Mul(2.38662345e-08)),
     Cell(Mul(2.390057361e-08)), Cell(Mul(624145700600.0))},
    // 9 cal nutr.
    {Cell(Mul(4184.00000066)), Cell(Mul(3085.95991475)), Cell(Mul(1.1622222224984)),
     Cell(Mul(0.0011622222224984)), Cell(Mul(3.9626090338005)), Cell(Mul(3.9656662779986)),
     Cell(Mul(3.9683217155222)), Cell(Mul(41840000006.594)), Cell(), Cell(Mul(998.563251637374)),
     Cell(Mul(1000.0)), Cell(Mul(2.6114256117219e+22))},
    // 10 cal mean
    {Cell(Mul(4.19002000504101)), Cell(Mul(3.09040004195048)), Cell(Mul(0.0011638944459378)),
     Cell(Mul(1.1638944459378e-06)), Cell(Mul(0.0039626090338005)),
     Cell(Mul(0.0039656662779986)), Cell(Mul(0.0039683217155222)), Cell(Mul(41900200.05041)),
     Cell(Mul(0.0010014388155786)), Cell(), Cell(Mul(1.00143881557855)),
     Cell(Mul(2.6151829715743e+19))},
    // 11 cal thermal
    {Cell(Mul(4.18400000066)), Cell(Mul(3.08595991475)), Cell(Mul(0.0011622222224984)),
     Cell(Mul(1.1622222224984e-06)), Cell(Mul(0.0039626090338005)),
     Cell(Mul(0.0039656662779986)), Cell(Mul(0.0039683217155222)), Cell(Mul(41840000.006594)),
     Cell(Mul(0.001)), Cell(Mul(0.998563251637374)), Cell(), Cell(Mul(2.6114256117219e+19))},
    // 12 eV
    {Cell(Mul(1.60219e-19)), Cell(Mul(1.181714655e-19)), Cell(Mul(4.45052778e-23)),
     Cell(Mul(4.45052778e-26)), Cell(Mul(1.5174121813e-22)), Cell(Mul(1.5185828998e-22)),
     Cell(Mul(1.5195997534e-22)), Cell(Mul(1.602189999929e-12)), Cell(Mul(3.8293260030509e-23)),
     Cell(Mul(3.82382422518605e-20)), Cell(Mul(3.8293260030509e-20)), Cell()},
};
// clang-format on
static_assert(IsComplete(kRules), "a cell is missing from the matrix");
constexpr auto kCells = Flatten(kRules);
constexpr UnitTable kTable = MakeTable("Energy", kUnits, kCells);
}  // namespace

const UnitTable& EnergyTable() { return kTable; }

}  // namespace tables
