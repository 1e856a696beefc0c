#include "tables/area_dimensions.h"

namespace tables {
using namespace engine;

namespace {

constexpr std::array<std::string_view, kDimensionResults> kCaptions = {
    "sq. Millimeters", "sq. Centimeters", "sq. Inches", "sq. Feet",       "sq. Yards",
    "sq. Meters",      "sq. Rods",        "sq. Acres",  "sq. Kilometers", "sq. Miles",
};
// The captions as a screen reader says them.
constexpr std::array<std::string_view, kDimensionResults> kSpokenCaptions = {
    "square Millimeters", "square Centimeters", "square Inches", "square Feet",
    "square Yards",       "square Meters",      "square Rods",   "square Acres",
    "square Kilometers",  "square Miles",
};

// The acre is treated as the square of a length: 0.0001572 of its side per
// centimetre, 2504.5239 inches to its side. The metre is 39.3700878 inches in
// the standard window, not the 39.37007874 of its kilometre; both are kept.
constexpr AreaDimensionsTable kMetric = {
    "Area - Metric",
    {"km", "m", "cm"},
    {100000.0, 100.0, 1.0},
    kCaptions,
    kSpokenCaptions,
    {
        /* sq. mm  */ Cell(Mul(10.0)),
        /* sq. cm  */ Cell(),
        /* sq. in  */ Cell(Mul(0.3937007874)),
        /* sq. ft  */ Cell(Mul(0.03280839895)),
        /* sq. yd  */ Cell(Mul(0.01093613298)),
        /* sq. m   */ Cell(Mul(0.01)),
        /* sq. rd  */ Cell(Mul(0.001988387)),
        /* acres   */ Cell(Mul(0.0001572)),
        /* sq. km  */ Cell(Mul(1e-05)),
        /* sq. mi  */ Cell(Mul(6.213711922e-06)),
    },
};

constexpr AreaDimensionsTable kStandard = {
    "Area - Standard",
    {"mi", "yd", "in"},
    {63360.0, 36.0, 1.0},
    kCaptions,
    kSpokenCaptions,
    {
        /* sq. mm  */ Cell(Mul(25.4)),
        /* sq. cm  */ Cell(Mul(2.54)),
        /* sq. in  */ Cell(),
        /* sq. ft  */ Cell(Div(12.0)),
        /* sq. yd  */ Cell(Div(36.0)),
        /* sq. m   */ Cell(Div(39.3700878)),
        /* sq. rd  */ Cell(Div(198.0)),
        /* acres   */ Cell(Div(2504.5239)),
        /* sq. km  */ Cell(Div(39370.07874)),
        /* sq. mi  */ Cell(Div(63360.0)),
    },
};

}  // namespace

const AreaDimensionsTable& MetricDimensionsTable() { return kMetric; }
const AreaDimensionsTable& StandardDimensionsTable() { return kStandard; }

}  // namespace tables
