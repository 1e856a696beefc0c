#pragma once

namespace windows {

class CategoryWindow;

// The Area window's own controls: the buttons CmdR1 "Calculate &Metric" and
// CmdR2 "Calculate &Standard", which ask for the two windows that compute an
// area from a length and a width, and the hidden work box TextR3, which holds
// the side of the square whose area the value box holds.
void addAreaControls(CategoryWindow& window);

}  // namespace windows
