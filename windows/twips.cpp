#include "windows/twips.h"

#include <cmath>

namespace windows {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

int twipsToPixels(double twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

int pixelsToTwips(double pixels, double logicalDpi)
{
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / logicalDpi));
}

}  // namespace windows
