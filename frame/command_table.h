#pragma once

#include <QKeyCombination>
#include <QString>

#include <array>

#include "windows/control_text.h"
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
// of its accelerator; without it, it is the toolbar text (see toolbarText),
// unless the button has a text of its own.
struct WindowCommand {
    windows::WindowId window;
    const char* menuName;              // "mfdistance"
    const char* toolbarKey;            // "butdistance"
    const char* menuCaption;           // "&Distance"
    const char* buttonText = nullptr;  // where it differs from the caption
    QKeyCombination shortcut;          // Ctrl+D
    int helpTopic;                     // kNoHelpTopic: the File menu's topic
    const char* icon;                  // picture in the icon resources
    bool separatorBefore = false;      // a separator line precedes it in menu and toolbar
};

// The button's text and tool tip, and the title of the window it opens: the
// menu caption without its accelerator ("Distance").
inline QString toolbarText(const WindowCommand& command)
{
    if (command.buttonText) return QString::fromLatin1(command.buttonText);
    return windows::withoutAccelerator(QString::fromLatin1(command.menuCaption));
}

// Opens Find Unit, wherever the focus is in the frame.
inline constexpr QKeyCombination kFindUnitShortcut = Qt::CTRL | Qt::Key_K;

using windows::WindowId;

inline constexpr std::array<WindowCommand, windows::kWindowCount> kWindowCommands{{
    {.window = WindowId::Area,
     .menuName = "mfareadistance",
     .toolbarKey = "butarea",
     .menuCaption = "&Area",
     .shortcut = Qt::CTRL | Qt::Key_A,
     .helpTopic = kHelpCategoryWindows,
     .icon = "area"},
    {.window = WindowId::AreaMetric,
     .menuName = "mfareametric",
     .toolbarKey = "butareametric",
     .menuCaption = "Area - &Metric",
     .shortcut = Qt::CTRL | Qt::Key_M,
     .helpTopic = kNoHelpTopic,
     .icon = "area_metric"},
    {.window = WindowId::AreaStandard,
     .menuName = "mfareastandard",
     .toolbarKey = "butareastandard",
     .menuCaption = "Area - Sta&ndard",
     .shortcut = Qt::CTRL | Qt::Key_N,
     .helpTopic = kNoHelpTopic,
     .icon = "area_standard"},
    {.window = WindowId::Density,
     .menuName = "mfdensity",
     .toolbarKey = "butdensity",
     .menuCaption = "Densit&y",
     .shortcut = Qt::CTRL | Qt::Key_Y,
     .helpTopic = kNoHelpTopic,
     .icon = "density"},
    {.window = WindowId::Distance,
     .menuName = "mfdistance",
     .toolbarKey = "butdistance",
     .menuCaption = "&Distance",
     .shortcut = Qt::CTRL | Qt::Key_D,
     .helpTopic = kHelpCategoryWindows,
     .icon = "distance"},
    {.window = WindowId::Energy,
     .menuName = "mfenergy",
     .toolbarKey = "butenergy",
     .menuCaption = "&Energy",
     .shortcut = Qt::CTRL | Qt::Key_E,
     .helpTopic = kNoHelpTopic,
     .icon = "energy"},
    {.window = WindowId::Force,
     .menuName = "mfforce",
     .toolbarKey = "butforce",
     .menuCaption = "&Force",
     .shortcut = Qt::CTRL | Qt::Key_F,
     .helpTopic = kNoHelpTopic,
     .icon = "force"},
    {.window = WindowId::Liquid,
     .menuName = "mfliquid",
     .toolbarKey = "butliquid",
     .menuCaption = "&Liquid",
     .shortcut = Qt::CTRL | Qt::Key_L,
     .helpTopic = kNoHelpTopic,
     .icon = "liquid"},
    {.window = WindowId::Pressure,
     .menuName = "mfpressure",
     .toolbarKey = "butpressure",
     .menuCaption = "&Pressure",
     .shortcut = Qt::CTRL | Qt::Key_P,
     .helpTopic = kNoHelpTopic,
     .icon = "pressure"},
    {.window = WindowId::Speed,
     .menuName = "mfspeed",
     .toolbarKey = "butspeed",
     .menuCaption = "&Speed",
     .shortcut = Qt::CTRL | Qt::Key_S,
     .helpTopic = kHelpCategoryWindows,
     .icon = "speed"},
    {.window = WindowId::Temperature,
     .menuName = "mftemp",
     .toolbarKey = "buttemperature",
     .menuCaption = "&Temperature",
     .shortcut = Qt::CTRL | Qt::Key_T,
     .helpTopic = kHelpCategoryWindows,
     .icon = "temperature"},
    {.window = WindowId::Time,
     .menuName = "mftime",
     .toolbarKey = "buttime",
     .menuCaption = "T&ime",
     .shortcut = Qt::CTRL | Qt::Key_I,
     .helpTopic = kHelpCategoryWindows,
     .icon = "time"},
    {.window = WindowId::Volume,
     .menuName = "mfvolume",
     .toolbarKey = "butvolume",
     .menuCaption = "Vol&ume",
     .shortcut = Qt::CTRL | Qt::Key_U,
     .helpTopic = kNoHelpTopic,
     .icon = "volume"},
    {.window = WindowId::Weight,
     .menuName = "mfweight",
     .toolbarKey = "butweight",
     .menuCaption = "&Weight",
     .shortcut = Qt::CTRL | Qt::Key_W,
     .helpTopic = kHelpCategoryWindows,
     .icon = "weight"},
    {.window = WindowId::Dates,
     .menuName = "mfhowlong",
     .toolbarKey = "buthowlong",
     .menuCaption = "Difference &Between Dates",
     .shortcut = Qt::CTRL | Qt::Key_B,
     .helpTopic = kHelpCategoryWindows,
     .icon = "dates",
     .separatorBefore = true},
}};

// A row left out would leave a default row behind, with no names at all.
constexpr bool coversEveryWindowOnce()
{
    for (std::size_t id = 0; id < windows::kWindowCount; ++id) {
        int rows = 0;
        for (const WindowCommand& command : kWindowCommands) {
            if (static_cast<std::size_t>(command.window) == id && command.menuName &&
                command.toolbarKey)
                ++rows;
        }
        if (rows != 1) return false;
    }
    return true;
}
static_assert(coversEveryWindowOnce(), "every window needs exactly one command row");

}  // namespace frame
