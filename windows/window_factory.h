#pragma once

#include <QWidget>

#include "engine/value_text.h"
#include "windows/window_id.h"

namespace windows {

// The user's regional number format, from QLocale::system().
engine::NumberFormat systemNumberFormat();

// Creates the window `id` with its initial texts, named as the frame expects
// ("Form4", …). A window that opens another window (the area windows) emits
// a signal `openRequested(windows::WindowId)` that the frame connects.
QWidget* createWindow(WindowId id, const engine::NumberFormat& format, QWidget* parent = nullptr);

}  // namespace windows
