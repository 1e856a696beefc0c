#pragma once

#include <QIcon>

namespace frame {

// Registers the icons and the help file compiled into this library. A static
// library's resources are linked only when something refers to them, so every
// user of them calls this first; repeated calls are harmless.
void initFrameResources();

// The picture `name` ("distance") of the toolbar's image set, drawn to scale
// at any size when that size is first shown.
QIcon frameIcon(const char* name);

// The program's logo.
QIcon logoIcon();

}  // namespace frame
