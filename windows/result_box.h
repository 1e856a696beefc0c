#pragma once

class QLineEdit;

namespace windows {

// Makes `box` a result box: read-only, so typing, Delete, pasting and dropping
// are refused while its text can still be selected and copied with Ctrl+C;
// and its context menu offers Copy and Select All, nothing that edits, and
// the window's Copy All Results where it has one.
void makeResultBox(QLineEdit& box);

}  // namespace windows
