#pragma once

#include <string_view>

#include <QString>

namespace windows {

// Control arrays are numbered from 1 in their names: "OptionU1(3)", "TextU2(11)".
QString indexedName(const char* base, int index);

// The tables' UTF-8 texts as shown.
QString fromUtf8(std::string_view text);

// An option caption as read aloud: "Millimeter&s" is "Millimeters".
QString withoutAccelerator(const QString& caption);

}  // namespace windows
