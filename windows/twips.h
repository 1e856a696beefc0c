#pragma once

namespace windows {

// A window's designed size includes its title bar and sizable borders; the
// controls stand in what remains.
inline constexpr int kNonClientWidthTwips = 120;
inline constexpr int kNonClientHeightTwips = 405;

// Window geometry is designed in twips, 1440 to the inch; at the usual 96
// dots per inch that is 15 twips to a pixel. Rounds to the nearest pixel.
int twipsToPixels(double twips, double logicalDpi);
int pixelsToTwips(double pixels, double logicalDpi);

}  // namespace windows
