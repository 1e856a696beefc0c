#pragma once

#include <QRect>
#include <QSize>

namespace windows {

// Window layouts are measured in twips, 1440 to the inch: 15 twips to a
// device-independent pixel, which Qt scales for high-density screens itself.
constexpr int twipsToPixels(int twips) { return (twips + 7) / 15; }

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

constexpr QSize twipsSize(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

}  // namespace windows
