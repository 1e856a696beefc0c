#include "windows/descriptors.h"

#include "tables/tables.h"
#include "windows/area_extension.h"

namespace windows {

namespace {

constexpr ControlNames Names(const char* valueBox, const char* options, const char* results,
                                   const char* captionLabel, const char* abbreviations,
                                   const char* prompt, const char* frame, const char* shape)
{
    return {valueBox, options, results, captionLabel, abbreviations, prompt, frame, shape};
}

// Distance, Time, Weight and Liquid also carry the price fields.
constexpr ControlNames PriceNames(ControlNames names, const char* priceBox,
                                  const char* priceHeading, const char* priceLabels)
{
    names.priceBox = priceBox;
    names.priceHeading = priceHeading;
    names.priceLabels = priceLabels;
    return names;
}

// The windows whose layout was drawn to the same pattern share it; the narrow
// windows (Temperature) follow the Distance line without its price column.
constexpr CategoryLayout kDistanceLayout{270, 1670, 2430, 4170, 215, 0, 4170,
                                         5025, 6270, 1300, 4870, 2700};
constexpr CategoryLayout kTimeWeightLayout{255, 1665, 2430, 4155, 210, 0, 4155,
                                           5010, 6255, 1300, 4860, 2700};
constexpr CategoryLayout kTemperatureLayout{270, 1670, 2430, 4170, 215, 0, 4170};
constexpr CategoryLayout kAreaLayout{270, 1955, 2300, 4320, 170, 0, 4320};
constexpr CategoryLayout kEnergyLayout{300, 2475, 2430, 5040, 240, 2200, 5040};
constexpr CategoryLayout kVolumeLayout{525, 2400, 2430, 4900, 240, 2100, 4905};

constexpr WindowDescriptor kDescriptors[] = {
    {WindowId::Area, "Form1", "Area", &tables::AreaTable,
     Names("TextR1", "OptionR1", "TextR2", "LabelR1", "LabelR2", "LabelR3", "FrameR", "ShapeR1"),
     5400, 5505, kAreaLayout, false, &addAreaControls},
    {WindowId::Distance, "Form4", "Distance", &tables::DistanceTable,
     PriceNames(Names("TextU1", "OptionU1", "TextU2", "LabelU1", "LabelU2", "LabelU3", "FrameU",
                            "ShapeU1"),
                "TextU3", "LabelU4", "LabelU5"),
     8025, 4845, kDistanceLayout, true},
    {WindowId::Energy, "Form5", "Energy", &tables::EnergyTable,
     Names("TextV1", "OptionV1", "TextV2", "LabelV1", "LabelV2", "LabelV3", "FrameV", "ShapeV1"),
     6150, 5040, kEnergyLayout, false},
    {WindowId::Temperature, "Form6", "Temperature", &tables::TemperatureTable,
     Names("TextW1", "OptionW1", "TextW2", "LabelW1", "LabelW2", "LabelW3", "FrameW", "ShapeW1"),
     4980, 2325, kTemperatureLayout, false},
    {WindowId::Time, "Form7", "Time", &tables::TimeTable,
     PriceNames(Names("TextX1", "OptionX1", "TextX2", "LabelX1", "LabelX2", "LabelX3", "FrameX",
                            "ShapeX1"),
                "TextX3", "LabelX4", "LabelX5"),
     7950, 3825, kTimeWeightLayout, true},
    {WindowId::Liquid, "Form8", "Liquid", &tables::LiquidTable,
     PriceNames(Names("TextY1", "OptionY1", "TextY2", "LabelY1", "LabelY2", "LabelY3", "FrameY",
                            "ShapeY1"),
                "TextY3", "LabelY4", "LabelY5"),
     7935, 5655, kTimeWeightLayout, true},
    {WindowId::Weight, "Form9", "Weight", &tables::WeightTable,
     PriceNames(Names("TextZ1", "OptionZ1", "TextZ2", "LabelZ1", "LabelZ2", "LabelZ3", "FrameZ",
                            "ShapeZ1"),
                "TextZ3", "LabelZ4", "LabelZ5"),
     8175, 3840, kTimeWeightLayout, true},
    // The number-pattern windows; Pressure and Speed call their frame Frame1,
    // and Density and Volume share every control name.
    {WindowId::Pressure, "Form10", "Pressure", &tables::PressureTable,
     Names("Text350", "Option351", "Text351", "Label350a", "Label351", "Label350b", "Frame1",
                 "Shape350"),
     6165, 5055, kVolumeLayout, false},
    {WindowId::Speed, "Form11", "Speed", &tables::SpeedTable,
     Names("Text450", "Option451", "Text451", "Label450a", "Label451", "Label450b", "Frame1",
                 "Shape450"),
     6105, 5805, kVolumeLayout, false},
    {WindowId::Density, "Form12", "Density", &tables::DensityTable,
     Names("Text550", "Option551", "Text551", "Label550a", "Label551", "Label550b", "Frame550",
                 "Shape550"),
     6165, 5055, kVolumeLayout, false},
    {WindowId::Volume, "Form13", "Volume", &tables::VolumeTable,
     Names("Text550", "Option551", "Text551", "Label550a", "Label551", "Label550b", "Frame550",
                 "Shape550"),
     6150, 5040, kVolumeLayout, false},
    {WindowId::Force, "Form14", "Force", &tables::ForceTable,
     Names("Text750", "Option751", "Text751", "Label750a", "Label751", "Label750b", "Frame750",
                 "Shape750"),
     6160, 3630, kVolumeLayout, false},
};

}  // namespace

std::span<const WindowDescriptor> categoryDescriptors() { return kDescriptors; }

const WindowDescriptor* findDescriptor(WindowId id)
{
    for (const WindowDescriptor& descriptor : kDescriptors)
        if (descriptor.id == id) return &descriptor;
    return nullptr;
}

}  // namespace windows
