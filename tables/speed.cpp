#include "tables/tables.h"

namespace tables {
using namespace engine;

namespace {
// clang-format off
constexpr UnitDef kUnits[] = {
    // caption, abbreviation, as a screen reader says it
    {"Inches/Minute",     "In/Min", "Inches per Minute"},
    {"Feet/Minute",       "Ft/Min", "Feet per Minute"},
    {"Feet/Hour",         "Ft/Hr",  "Feet per Hour"},
    {"Miles/Second",      "Mi/Sec", "Miles per Second"},
    {"Miles/Minute",      "Mi/Min", "Miles per Minute"},
    {"Miles/Hour",        "Mi/Hr",  "Miles per Hour"},
    {"Centimeter/Minute", "CM/Min", "Centimeter per Minute"},
    {"Meters/Minute",     "M/Min",  "Meters per Minute"},
    {"Meters/Hour",       "M/Hr",   "Meters per Hour"},
    {"Kilometers/Second", "KM/Sec", "Kilometers per Second"},
    {"Kilometers/Minute", "KM/Min", "Kilometers per Minute"},
    {"Kilometers/Hour",   "KM/Hr",  "Kilometers per Hour"},
    {"Knots",             "KN",     "Knots"},
    {"Mach",              "MA",     "Mach"},
};

// Every factor is a rounded constant of its own cell, with as many digits as it
// was given: a cell and its reverse need not multiply to 1 (inches per minute
// to kilometres per second is x 4.2333e-07, the reverse x 2362204.7244), and
// the Feet/Hour row makes a foot per hour slightly more than a fifth of an inch
// per minute (x 0.2000000078232). All are kept exactly as given.
constexpr ConversionRule kRules[14][14] = {
    // 1 In/Min
    {Cell(), Cell(Mul(0.08333333333)), Cell(Mul(5.0)), Cell(Mul(2.63047e-07)),
     Cell(Mul(1.5782828e-05)), Cell(Mul(0.000946969697)), Cell(Mul(2.54)), Cell(Mul(0.0254)),
     Cell(Mul(1.524)), Cell(Mul(4.2333e-07)), Cell(Mul(2.54e-05)), Cell(Mul(0.001524)),
     Cell(Mul(0.0008228942394)), Cell(Mul(1.277178e-06))},
    // 2 Ft/Min
    {Cell(Mul(12.0)), Cell(), Cell(Mul(60.0)), Cell(Mul(3.15656571e-06)),
     Cell(Mul(0.000189393939393)), Cell(Mul(0.011363636363)), Cell(Mul(30.48)),
     Cell(Mul(0.3048)), Cell(Mul(18.288)), Cell(Mul(5.08e-06)), Cell(Mul(0.0003048)),
     Cell(Mul(0.018288)), Cell(Mul(0.009874730873)), Cell(Mul(1.5326133e-05))},
    // 3 Ft/Hr
    {Cell(Mul(0.2000000078232)), Cell(Mul(0.01666666732)), Cell(), Cell(Mul(5.26094e-08)),
     Cell(Mul(3.156566e-06)), Cell(Mul(0.000189393947)), Cell(Mul(0.5080000199)),
     Cell(Mul(0.005080000199)), Cell(Mul(0.3048000119238)), Cell(Mul(8.4666667e-08)),
     Cell(Mul(5.08e-06)), Cell(Mul(0.0003048)), Cell(Mul(0.0001645788543)),
     Cell(Mul(2.554356e-07))},
    // 4 Mi/Sec
    {Cell(Mul(3801600.00021321)), Cell(Mul(316800.000017767)), Cell(Mul(19007999.257549)),
     Cell(), Cell(Mul(60.0)), Cell(Mul(3600.0)), Cell(Mul(9656064.00058)),
     Cell(Mul(96560.6400058)), Cell(Mul(5793638.4)), Cell(Mul(1.6093440000967)),
     Cell(Mul(96.5606400058)), Cell(Mul(5793.638400348)), Cell(Mul(3128.314740691)),
     Cell(Mul(4.8553188929))},
    // 5 Mi/Min
    {Cell(Mul(63360.0)), Cell(Mul(5280.0)), Cell(Mul(316800.0)), Cell(Mul(0.016666666666667)),
     Cell(), Cell(Mul(60.0)), Cell(Mul(160934.400009669)), Cell(Mul(1609.3440000967)),
     Cell(Mul(96560.6400058)), Cell(Mul(0.0268224)), Cell(Mul(1.609344)),
     Cell(Mul(96.5606400058)), Cell(Mul(52.1385790115167)), Cell(Mul(0.080921981549))},
    // 6 Mi/Hr
    {Cell(Mul(1056.0)), Cell(Mul(88.0)), Cell(Mul(5280.0)), Cell(Mul(0.0002777777778)),
     Cell(Mul(0.016666666666)), Cell(), Cell(Mul(2682.24)), Cell(Mul(26.8224)),
     Cell(Mul(1609.344)), Cell(Mul(0.00044704)), Cell(Mul(0.0268224)), Cell(Mul(1.609344)),
     Cell(Mul(0.8689763168275)), Cell(Mul(0.00134869969))},
    // 7 CM/Min
    {Cell(Mul(0.3937007874)), Cell(Mul(0.03280839895)), Cell(Mul(1.96850386)),
     Cell(Mul(1.035619e-07)), Cell(Mul(6.2137119e-06)), Cell(Mul(0.000372822715)), Cell(),
     Cell(Mul(0.01)), Cell(Mul(0.6)), Cell(Mul(1.66666667e-07)), Cell(Mul(1e-05)),
     Cell(Mul(0.0006)), Cell(Mul(0.00032397411)), Cell(Mul(5.02826e-07))},
    // 8 M/Min
    {Cell(Mul(39.37007874)), Cell(Mul(3.280839895)), Cell(Mul(196.850386)),
     Cell(Mul(1.03561865e-05)), Cell(Mul(0.0006213711922)), Cell(Mul(0.0372822715333)),
     Cell(Mul(100.0)), Cell(), Cell(Mul(60.0)), Cell(Mul(1.6666666667e-05)), Cell(Mul(0.001)),
     Cell(Mul(0.06)), Cell(Mul(0.032397411)), Cell(Mul(5.0282588e-05))},
    // 9 M/Hr
    {Cell(Mul(0.656167979)), Cell(Mul(0.0546806649167)), Cell(Mul(3.28083976666667)),
     Cell(Mul(1.726031e-07)), Cell(Mul(1.03561865e-05)), Cell(Mul(0.00062137119)),
     Cell(Mul(1.66666666666667)), Cell(Mul(0.016666666666667)), Cell(),
     Cell(Mul(2.77777778e-07)), Cell(Mul(1.66666667e-05)), Cell(Mul(0.001)),
     Cell(Mul(0.00053995685)), Cell(Mul(8.380431e-07))},
    // 10 KM/Sec
    {Cell(Mul(2362204.7244)), Cell(Mul(196850.3937)), Cell(Mul(11811023.16)),
     Cell(Mul(0.6213711922)), Cell(Mul(37.282271532)), Cell(Mul(2236.936292)),
     Cell(Mul(6000000.0)), Cell(Mul(60000.0)), Cell(Mul(3600000.0)), Cell(), Cell(Mul(60.0)),
     Cell(Mul(3600.0)), Cell(Mul(1943.84466)), Cell(Mul(3.016955289))},
    // 11 KM/Min
    {Cell(Mul(39370.07874)), Cell(Mul(3280.839895)), Cell(Mul(196850.386)),
     Cell(Mul(0.0103561865367)), Cell(Mul(0.6213711922)), Cell(Mul(37.282271533333)),
     Cell(Mul(100000.0)), Cell(Mul(1000.0)), Cell(Mul(60000.0)), Cell(Mul(0.0166666666667)),
     Cell(), Cell(Mul(60.0)), Cell(Mul(32.397411)), Cell(Mul(0.05028258815))},
    // 12 KM/Hr
    {Cell(Mul(656.167979)), Cell(Mul(54.6806649166667)), Cell(Mul(3280.83976666667)),
     Cell(Mul(0.0001726031089)), Cell(Mul(0.0103561865367)), Cell(Mul(0.6213711922222)),
     Cell(Mul(1666.66666666667)), Cell(Mul(16.6666666666667)), Cell(Mul(1000.0)),
     Cell(Mul(0.00027777777778)), Cell(Mul(0.01666666666667)), Cell(), Cell(Mul(0.53995685)),
     Cell(Mul(0.0008380431358))},
    // 13 KN
    {Cell(Mul(1215.22299235578)), Cell(Mul(101.268582696315)), Cell(Mul(6076.11472410558)),
     Cell(Mul(0.00031966093)), Cell(Mul(0.0191796558126)), Cell(Mul(1.1507793487984)),
     Cell(Mul(3086.666400596)), Cell(Mul(30.86666400596)), Cell(Mul(1851.99984035761)),
     Cell(Mul(0.0005144444)), Cell(Mul(0.030866664)), Cell(Mul(1.8519998403576)), Cell(),
     Cell(Mul(0.0015520557538))},
    // 14 MA
    {Cell(Mul(782976.377877637)), Cell(Mul(65248.0314898031)), Cell(Mul(3914881.73625367)),
     Cell(Mul(0.2059596953477)), Cell(Mul(12.3575817208606)), Cell(Mul(741.454903278151)),
     Cell(Mul(1988759.99981715)), Cell(Mul(19887.5999981715)), Cell(Mul(1193255.99989029)),
     Cell(Mul(0.3314599999695)), Cell(Mul(19.8875999981715)), Cell(Mul(1193.25599989029)),
     Cell(Mul(644.306750944362)), Cell()},
};
// clang-format on
static_assert(IsComplete(kRules), "a cell is missing from the matrix");
constexpr auto kCells = Flatten(kRules);
constexpr UnitTable kTable = MakeTable("Speed", kUnits, kCells);
}  // namespace

const UnitTable& SpeedTable() { return kTable; }

}  // namespace tables
