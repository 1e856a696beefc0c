#include "windows/descriptors.h"

#include "tables/tables.h"
#include "windows/area_extension.h"

namespace windows {

namespace {

// The windows whose layout was drawn to the same pattern share it; the narrow
// windows (Temperature) follow the Distance line without its price column.
constexpr CategoryLayout kDistanceLayout{
    .promptLeft = 270, .valueLeft = 1670, .boxWidth = 2430, .captionLeft = 4170,
    .optionLeft = 215, .optionWidth = 0, .abbreviationLeft = 4170,
    .priceHeadingLeft = 5025, .priceBoxLeft = 6270, .priceBoxWidth = 1300,
    .priceLabelLeft = 4870, .priceLabelWidth = 2700,
};
constexpr CategoryLayout kTimeWeightLayout{
    .promptLeft = 255, .valueLeft = 1665, .boxWidth = 2430, .captionLeft = 4155,
    .optionLeft = 210, .optionWidth = 0, .abbreviationLeft = 4155,
    .priceHeadingLeft = 5010, .priceBoxLeft = 6255, .priceBoxWidth = 1300,
    .priceLabelLeft = 4860, .priceLabelWidth = 2700,
};
constexpr CategoryLayout kTemperatureLayout{
    .promptLeft = 270, .valueLeft = 1670, .boxWidth = 2430, .captionLeft = 4170,
    .optionLeft = 215, .optionWidth = 0, .abbreviationLeft = 4170,
};
constexpr CategoryLayout kAreaLayout{
    .promptLeft = 270, .valueLeft = 1955, .boxWidth = 2300, .captionLeft = 4320,
    .optionLeft = 170, .optionWidth = 0, .abbreviationLeft = 4320,
};
constexpr CategoryLayout kEnergyLayout{
    .promptLeft = 300, .valueLeft = 2475, .boxWidth = 2430, .captionLeft = 5040,
    .optionLeft = 240, .optionWidth = 2200, .abbreviationLeft = 5040,
};
constexpr CategoryLayout kVolumeLayout{
    .promptLeft = 525, .valueLeft = 2400, .boxWidth = 2430, .captionLeft = 4900,
    .optionLeft = 240, .optionWidth = 2100, .abbreviationLeft = 4905,
};

// Density and Volume share every control name.
constexpr ControlNames kDensityVolumeNames{
    .valueBox = "Text550", .options = "Option551", .results = "Text551",
    .captionLabel = "Label550a", .abbreviations = "Label551", .prompt = "Label550b",
    .frame = "Frame550", .shape = "Shape550",
};

// The caption and whether the window has price fields are its table's.
constexpr WindowDescriptor kDescriptors[] = {
    {.id = WindowId::Area, .objectName = "Form1", .table = &tables::AreaTable,
     .names = {.valueBox = "TextR1", .options = "OptionR1", .results = "TextR2",
               .captionLabel = "LabelR1", .abbreviations = "LabelR2", .prompt = "LabelR3",
               .frame = "FrameR", .shape = "ShapeR1"},
     .widthTwips = 5400, .heightTwips = 5505, .layout = kAreaLayout,
     .extension = &addAreaControls},
    {.id = WindowId::Distance, .objectName = "Form4", .table = &tables::DistanceTable,
     .names = {.valueBox = "TextU1", .options = "OptionU1", .results = "TextU2",
               .captionLabel = "LabelU1", .abbreviations = "LabelU2", .prompt = "LabelU3",
               .frame = "FrameU", .shape = "ShapeU1",
               .priceBox = "TextU3", .priceHeading = "LabelU4", .priceLabels = "LabelU5"},
     .widthTwips = 8025, .heightTwips = 4845, .layout = kDistanceLayout},
    {.id = WindowId::Energy, .objectName = "Form5", .table = &tables::EnergyTable,
     .names = {.valueBox = "TextV1", .options = "OptionV1", .results = "TextV2",
               .captionLabel = "LabelV1", .abbreviations = "LabelV2", .prompt = "LabelV3",
               .frame = "FrameV", .shape = "ShapeV1"},
     .widthTwips = 6150, .heightTwips = 5040, .layout = kEnergyLayout},
    {.id = WindowId::Temperature, .objectName = "Form6", .table = &tables::TemperatureTable,
     .names = {.valueBox = "TextW1", .options = "OptionW1", .results = "TextW2",
               .captionLabel = "LabelW1", .abbreviations = "LabelW2", .prompt = "LabelW3",
               .frame = "FrameW", .shape = "ShapeW1"},
     .widthTwips = 4980, .heightTwips = 2325, .layout = kTemperatureLayout},
    {.id = WindowId::Time, .objectName = "Form7", .table = &tables::TimeTable,
     .names = {.valueBox = "TextX1", .options = "OptionX1", .results = "TextX2",
               .captionLabel = "LabelX1", .abbreviations = "LabelX2", .prompt = "LabelX3",
               .frame = "FrameX", .shape = "ShapeX1",
               .priceBox = "TextX3", .priceHeading = "LabelX4", .priceLabels = "LabelX5"},
     .widthTwips = 7950, .heightTwips = 3825, .layout = kTimeWeightLayout},
    {.id = WindowId::Liquid, .objectName = "Form8", .table = &tables::LiquidTable,
     .names = {.valueBox = "TextY1", .options = "OptionY1", .results = "TextY2",
               .captionLabel = "LabelY1", .abbreviations = "LabelY2", .prompt = "LabelY3",
               .frame = "FrameY", .shape = "ShapeY1",
               .priceBox = "TextY3", .priceHeading = "LabelY4", .priceLabels = "LabelY5"},
     .widthTwips = 7935, .heightTwips = 5655, .layout = kTimeWeightLayout},
    {.id = WindowId::Weight, .objectName = "Form9", .table = &tables::WeightTable,
     .names = {.valueBox = "TextZ1", .options = "OptionZ1", .results = "TextZ2",
               .captionLabel = "LabelZ1", .abbreviations = "LabelZ2", .prompt = "LabelZ3",
               .frame = "FrameZ", .shape = "ShapeZ1",
               .priceBox = "TextZ3", .priceHeading = "LabelZ4", .priceLabels = "LabelZ5"},
     .widthTwips = 8175, .heightTwips = 3840, .layout = kTimeWeightLayout},
    // The number-pattern windows; Pressure and Speed call their frame Frame1.
    {.id = WindowId::Pressure, .objectName = "Form10", .table = &tables::PressureTable,
     .names = {.valueBox = "Text350", .options = "Option351", .results = "Text351",
               .captionLabel = "Label350a", .abbreviations = "Label351", .prompt = "Label350b",
               .frame = "Frame1", .shape = "Shape350"},
     .widthTwips = 6165, .heightTwips = 5055, .layout = kVolumeLayout},
    {.id = WindowId::Speed, .objectName = "Form11", .table = &tables::SpeedTable,
     .names = {.valueBox = "Text450", .options = "Option451", .results = "Text451",
               .captionLabel = "Label450a", .abbreviations = "Label451", .prompt = "Label450b",
               .frame = "Frame1", .shape = "Shape450"},
     .widthTwips = 6105, .heightTwips = 5805, .layout = kVolumeLayout},
    {.id = WindowId::Density, .objectName = "Form12", .table = &tables::DensityTable,
     .names = kDensityVolumeNames,
     .widthTwips = 6165, .heightTwips = 5055, .layout = kVolumeLayout},
    {.id = WindowId::Volume, .objectName = "Form13", .table = &tables::VolumeTable,
     .names = kDensityVolumeNames,
     .widthTwips = 6150, .heightTwips = 5040, .layout = kVolumeLayout},
    {.id = WindowId::Force, .objectName = "Form14", .table = &tables::ForceTable,
     .names = {.valueBox = "Text750", .options = "Option751", .results = "Text751",
               .captionLabel = "Label750a", .abbreviations = "Label751", .prompt = "Label750b",
               .frame = "Frame750", .shape = "Shape750"},
     .widthTwips = 6160, .heightTwips = 3630, .layout = kVolumeLayout},
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
