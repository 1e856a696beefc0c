#include "frame/placement.h"

#include <algorithm>

namespace frame {

QPoint cascadePlace(const QRect& area, const QSize& size, const QPoint* after, int step,
                    const std::vector<QPoint>& taken)
{
    step = std::max(step, 1);
    const auto leaves = [&](const QPoint& corner) {
        return (corner.x() > area.left() && corner.x() + size.width() > area.right() + 1) ||
               (corner.y() > area.top() && corner.y() + size.height() > area.bottom() + 1);
    };
    int round = 0;
    const auto roundStart = [&] {
        const QPoint start(area.left() + round * step, area.top());
        return leaves(start) ? area.topLeft() : start;
    };

    QPoint corner = after ? *after + QPoint(step, step) : area.topLeft();
    // Bounded: with more windows than places some corner must be shared.
    for (int tries = 0; tries < 256; ++tries) {
        if (leaves(corner)) {
            ++round;
            corner = roundStart();
        }
        if (std::find(taken.begin(), taken.end(), corner) == taken.end()) return corner;
        corner += QPoint(step, step);
    }
    return corner;
}

}  // namespace frame
