#pragma once

#include <cstddef>

namespace windows {

// Every child window the frame can open, one instance each.
enum class WindowId {
    Area,          // Form1
    AreaMetric,    // Form2
    AreaStandard,  // Form3
    Distance,      // Form4
    Energy,        // Form5
    Temperature,   // Form6
    Time,          // Form7
    Liquid,        // Form8
    Weight,        // Form9
    Pressure,      // Form10
    Speed,         // Form11
    Density,       // Form12
    Volume,        // Form13
    Force,         // Form14
    Dates,         // Form00
};
inline constexpr std::size_t kWindowCount = 15;

}  // namespace windows
