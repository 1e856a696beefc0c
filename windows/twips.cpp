#include "windows/twips.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

namespace windows {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr int kLineEditSampleLength = 17;
}  // namespace

QString widestResultText() { return QStringLiteral("-8.88888888888888E+888"); }

QString widestPriceText() { return QStringLiteral("-888888888"); }

int twipsToPixels(double twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

int pixelsToTwips(double pixels, double logicalDpi)
{
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / logicalDpi));
}

int lineEditWidthFor(const QLineEdit& edit, const QString& text)
{
    // Measured on a bare box of the same font and style: a button beside the
    // text (the reading marker) widens the box's own size hint, and the boxes
    // must not grow with a marker that comes and goes.
    QLineEdit bare;
    bare.setStyle(edit.style());
    bare.setFont(edit.font());
    const QFontMetrics metrics = edit.fontMetrics();
    const int chrome = bare.sizeHint().width() -
                       kLineEditSampleLength * metrics.horizontalAdvance(QLatin1Char('x'));
    return metrics.horizontalAdvance(text) + chrome;
}

int lineEditHeightFor(const QLineEdit& edit)
{
    return edit.fontMetrics().height() +
           2 * edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
}

TwipsGrid::TwipsGrid(const QWidget& window)
    : m_dpiX(window.logicalDpiX()), m_dpiY(window.logicalDpiY())
{}

void TwipsGrid::fitAcross(int pixels, int twips)
{
    m_stretch.setWidth(std::max(m_stretch.width(), pixels / double(twipsToPixels(twips, m_dpiX))));
}

void TwipsGrid::fitDown(int pixels, int twips)
{
    m_stretch.setHeight(
        std::max(m_stretch.height(), pixels / double(twipsToPixels(twips, m_dpiY))));
}

int TwipsGrid::x(int twips) const { return twipsToPixels(twips * m_stretch.width(), m_dpiX); }

int TwipsGrid::y(int twips) const { return twipsToPixels(twips * m_stretch.height(), m_dpiY); }

QRect TwipsGrid::rect(int left, int top, int width, int height) const
{
    return {QPoint(x(left), y(top)), QPoint(x(left + width) - 1, y(top + height) - 1)};
}

QRect TwipsGrid::rect(const QRect& twips) const
{
    return rect(twips.x(), twips.y(), twips.width(), twips.height());
}

}  // namespace windows
