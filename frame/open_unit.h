#pragma once

#include "frame/start_request.h"

namespace frame {

class MainFrame;

// Opens the request's category window, or brings it to the front as the user
// left it; types the value into its value box as the user would, picks the
// unit through its option, so that the window evaluates as on a click, and
// puts the focus in the value box, or in the target's result box with its
// text selected for copying.
void openUnit(MainFrame& frame, const UnitRequest& request);

// What a start request asks of a frame that is shown: a unit's window for
// --open, Find Unit for --find, nothing more for a plain start.
void carryOut(MainFrame& frame, const StartRequest& request);

}  // namespace frame
