#include "frame/screen_geometry.h"

namespace frame {

namespace {
constexpr int kFrameWidthMarginTwips = 500;
constexpr int kFrameHeightMarginTwips = 1500;
}  // namespace

QRect frameGeometryFor(const QRect& screen, qreal logicalDpi)
{
    // Subtracting in pixels keeps the result exact where the screen's twips
    // would not be whole numbers (at 120 DPI a pixel is 12 twips, at 144 DPI 10).
    const int width = screen.width() - twipsToPixels(kFrameWidthMarginTwips, logicalDpi);
    const int height = screen.height() - twipsToPixels(kFrameHeightMarginTwips, logicalDpi);
    return {screen.topLeft(), QSize(width, height)};
}

QRect aboutGeometryFor(const QRect& screen, qreal logicalDpi, QSize designedTwips,
                       int shownHeightTwips)
{
    const int screenWidth = pixelsToTwips(screen.width(), logicalDpi);
    const int screenHeight = pixelsToTwips(screen.height(), logicalDpi);
    const int left = (screenWidth - designedTwips.width()) / 2;
    const int top = (screenHeight - designedTwips.height()) / 2;
    return {screen.topLeft() +
                QPoint(twipsToPixels(left, logicalDpi), twipsToPixels(top, logicalDpi)),
            QSize(twipsToPixels(designedTwips.width(), logicalDpi),
                  twipsToPixels(shownHeightTwips, logicalDpi))};
}

}  // namespace frame
