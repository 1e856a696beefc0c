#pragma once

#include <QKeyCombination>

#include <array>

#include "windows/window_id.h"

namespace frame {

// Help topics of the program's help file. Items without a topic of their own
// (kNoHelpTopic) show the topic of the menu they stand in.
inline constexpr int kNoHelpTopic = 0;
inline constexpr int kHelpContents = 200;
inline constexpr int kHelpCategoryWindows = 202;
inline constexpr int kHelpWindowMenu = 203;  // the Window menu and copying

// One window command: the File menu item and the toolbar button that open the
// same window, in the order both show them. The menu caption carries the "&"
// of its accelerator; the toolbar text is also the button's tool tip.
struct WindowCommand {
    windows::WindowId window;
    const char* menuName;      // "mfdistance"
    const char* toolbarKey;    // "butdistance"
    const char* menuCaption;   // "&Distance"
    const char* toolbarText;   // "Distance"
    QKeyCombination shortcut;  // Ctrl+D
    int helpTopic;             // kNoHelpTopic: the File menu's topic
    const char* icon;          // picture in the icon resources
    bool separatorBefore;      // a separator line precedes it in menu and toolbar
};

using windows::WindowId;

// The Energy item reads "&Energy": the caption "&Enery" it was once given is
// a misspelling, and the toolbar button always said "Energy".
inline constexpr std::array<WindowCommand, windows::kWindowCount> kWindowCommands{{
    {WindowId::Area, "mfareadistance", "butarea", "&Area", "Area", Qt::CTRL | Qt::Key_A, kHelpCategoryWindows, "area", false},
    {WindowId::AreaMetric, "mfareametric", "butareametric", "Area - &Metric", "Area - Metric", Qt::CTRL | Qt::Key_M, kNoHelpTopic, "area_metric", false},
    {WindowId::AreaStandard, "mfareastandard", "butareastandard", "Area - Sta&ndard", "Area - Standard", Qt::CTRL | Qt::Key_N, kNoHelpTopic, "area_standard", false},
    {WindowId::Density, "mfdensity", "butdensity", "Densit&y", "Density", Qt::CTRL | Qt::Key_Y, kNoHelpTopic, "density", false},
    {WindowId::Distance, "mfdistance", "butdistance", "&Distance", "Distance", Qt::CTRL | Qt::Key_D, kHelpCategoryWindows, "distance", false},
    {WindowId::Energy, "mfenergy", "butenergy", "&Energy", "Energy", Qt::CTRL | Qt::Key_E, kNoHelpTopic, "energy", false},
    {WindowId::Force, "mfforce", "butforce", "&Force", "Force", Qt::CTRL | Qt::Key_F, kNoHelpTopic, "force", false},
    {WindowId::Liquid, "mfliquid", "butliquid", "&Liquid", "Liquid", Qt::CTRL | Qt::Key_L, kNoHelpTopic, "liquid", false},
    {WindowId::Pressure, "mfpressure", "butpressure", "&Pressure", "Pressure", Qt::CTRL | Qt::Key_P, kNoHelpTopic, "pressure", false},
    {WindowId::Speed, "mfspeed", "butspeed", "&Speed", "Speed", Qt::CTRL | Qt::Key_S, kHelpCategoryWindows, "speed", false},
    {WindowId::Temperature, "mftemp", "buttemperature", "&Temperature", "Temperature", Qt::CTRL | Qt::Key_T, kHelpCategoryWindows, "temperature", false},
    {WindowId::Time, "mftime", "buttime", "T&ime", "Time", Qt::CTRL | Qt::Key_I, kHelpCategoryWindows, "time", false},
    {WindowId::Volume, "mfvolume", "butvolume", "Vol&ume", "Volume", Qt::CTRL | Qt::Key_U, kNoHelpTopic, "volume", false},
    {WindowId::Weight, "mfweight", "butweight", "&Weight", "Weight", Qt::CTRL | Qt::Key_W, kHelpCategoryWindows, "weight", false},
    {WindowId::Dates, "mfhowlong", "buthowlong", "Difference &Between Dates", "Difference Between Dates", Qt::CTRL | Qt::Key_B, kHelpCategoryWindows, "dates", true},
}};

// A row left out would leave a default row behind, with no names at all.
constexpr bool coversEveryWindowOnce()
{
    for (std::size_t id = 0; id < windows::kWindowCount; ++id) {
        int rows = 0;
        for (const WindowCommand& command : kWindowCommands) {
            if (static_cast<std::size_t>(command.window) == id && command.menuName && command.toolbarKey)
                ++rows;
        }
        if (rows != 1)
            return false;
    }
    return true;
}
static_assert(coversEveryWindowOnce(), "every window needs exactly one command row");

}  // namespace frame
