#pragma once

#include <string_view>

#include <QString>

namespace windows {

// How a unit is read aloud, for the accessible names of the controls that
// speak of it. The controls keep the captions and abbreviations they show;
// a screen reader hears words instead of the shorthand in them:
// "sq. Mil&es" is "square Miles", "F&ahrenheit" "degrees Fahrenheit",
// "Pounds/Sq. Inch" "Pounds per square Inch", "Miles (Naut)" "Nautical Miles",
// "BTUs - Int'l" "International BTUs".
QString spokenUnit(std::string_view caption);

// A unit symbol of the composite-measure fields as read aloud: "km" is
// "kilometres", "in" "inches". A symbol without a spoken form is returned as it is.
QString spokenSymbol(std::string_view symbol);

}  // namespace windows
