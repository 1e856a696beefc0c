#pragma once

#include "engine/value_text.h"
#include "windows/child_window.h"
#include "windows/window_id.h"

namespace windows {

// The user's regional number format, from QLocale::system().
engine::NumberFormat systemNumberFormat();

// Creates the window `id` with its initial texts, named as the frame expects
// ("Form4", …).
ChildWindow* createWindow(WindowId id, const engine::NumberFormat& format,
                          QWidget* parent = nullptr);

}  // namespace windows
