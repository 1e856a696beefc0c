#pragma once

#include <string_view>

#include <QString>

#include "engine/unit_table.h"

namespace windows {

// How a unit is read aloud, for the accessible names of the controls that
// speak of it. The controls keep the captions and abbreviations they show; a
// screen reader hears the words the table gives for them: "F&ahrenheit" is
// "degrees Fahrenheit", "Pounds/Sq. Inch" "Pounds per square Inch".
QString spokenUnit(const engine::UnitDef& unit);

// A unit symbol of the composite-measure fields as read aloud: "km" is
// "kilometres", "in" "inches". A symbol without a spoken form is returned as it is.
QString spokenSymbol(std::string_view symbol);

}  // namespace windows
