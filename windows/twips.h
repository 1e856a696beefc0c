#pragma once

namespace windows {

// Window geometry is designed in twips, 1440 to the inch; at the usual 96
// dots per inch that is 15 twips to a pixel. Rounds to the nearest pixel.
int twipsToPixels(double twips, double logicalDpi);

}  // namespace windows
