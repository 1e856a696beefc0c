#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace frame {

// Where a new child window of `size` goes in a work area of `area`: one
// `step` down and right of `after`, the corner of the window placed last (the
// area's top left for the first), and on to the next step while the corner is
// one an open window already has (`taken`). A window that would leave the area
// wraps round to the top, one step further right each round, and where it
// cannot fit at all it starts at the top left. Never throws.
QPoint cascadePlace(const QRect& area, const QSize& size, const QPoint* after, int step,
                    const std::vector<QPoint>& taken);

}  // namespace frame
