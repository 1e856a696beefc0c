#pragma once

#include <cstddef>

namespace windows {

// Every child window the frame can open, one instance each.
enum class WindowId {
    Area,
    AreaMetric,
    AreaStandard,
    Distance,
    Energy,
    Temperature,
    Time,
    Liquid,
    Weight,
    Pressure,
    Speed,
    Density,
    Volume,
    Force,
    Dates,
};
inline constexpr std::size_t kWindowCount = 15;

// Each window's established object name, "Form4" for Distance: the one place
// it is given.
constexpr const char* windowObjectName(WindowId id)
{
    constexpr const char* kNames[kWindowCount] = {
        "Form1", "Form2",  "Form3",  "Form4",  "Form5",  "Form6",  "Form7",  "Form8",
        "Form9", "Form10", "Form11", "Form12", "Form13", "Form14", "Form00",
    };
    return kNames[static_cast<std::size_t>(id)];
}

}  // namespace windows
