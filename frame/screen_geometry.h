#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "windows/twips.h"

namespace frame {

using windows::pixelsToTwips;
using windows::twipsToPixels;

// The frame fills the screen less 500 twips of width and 1500 twips of
// height, at the screen's top left corner; the room left below is where a
// task bar usually stands. `screen` is the screen's geometry in pixels.
QRect frameGeometryFor(const QRect& screen, qreal logicalDpi);

// The About box is centred horizontally; vertically it is centred for its
// designed height and then takes its shown height with the top edge kept, so
// it sits a little below the middle. Sizes in twips, result in pixels.
QRect aboutGeometryFor(const QRect& screen, qreal logicalDpi, QSize designedTwips,
                       int shownHeightTwips);

}  // namespace frame
