#pragma once

#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>

#include "engine/value_text.h"

class QLineEdit;
class QWidget;

namespace windows {

// A window's designed size includes its title bar and sizable borders; the
// controls stand in what remains.
inline constexpr int kNonClientWidthTwips = 120;
inline constexpr int kNonClientHeightTwips = 405;

// Typed boxes take at most this many characters, and coming to a box selects
// as many; price boxes take fewer. Result boxes have no maximum: setText would
// cut a result longer than the typed limit short.
inline constexpr int kValueMaxLength = static_cast<int>(engine::kMaxTypedText);
inline constexpr int kPriceMaxLength = 10;

// The widest texts the boxes must show whole: a result can have 22 characters
// ("-1.23456789012345E+100"), one more than a box takes typed; a price 10.
QString widestResultText();
QString widestPriceText();

// Window geometry is designed in twips, 1440 to the inch; at the usual 96
// dots per inch that is 15 twips to a pixel. Rounds to the nearest pixel.
int twipsToPixels(double twips, double logicalDpi);
int pixelsToTwips(double pixels, double logicalDpi);

// A line edit's width in pixels for showing `text` whole: its frame and
// margins are what its size hint adds to the 17 "x" it is meant to show.
int lineEditWidthFor(const QLineEdit& edit, const QString& text);
// A line edit's least height in pixels for showing its line whole: its font's
// height and its frame, without the margins its size hint adds.
int lineEditHeightFor(const QLineEdit& edit);

// A window's layout in twips, converted at the window's resolution. Where the
// fonts need more room than the layout gives (they are wider than the fonts it
// was drawn for), the whole grid stretches by one factor across and one down,
// so that nothing is cut and the proportions hold.
class TwipsGrid {
public:
    explicit TwipsGrid(const QWidget& window);

    // Stretches the grid until `pixels` fit into a span designed `twips` wide
    // or high; never shrinks it.
    void fitAcross(int pixels, int twips);
    void fitDown(int pixels, int twips);
    QSizeF stretch() const { return m_stretch; }

    int x(int twips) const;
    int y(int twips) const;
    // Neighbouring rectangles share no pixel and leave none between them.
    QRect rect(int left, int top, int width, int height) const;
    QRect rect(const QRect& twips) const;
    QSize size(int width, int height) const { return {x(width), y(height)}; }

private:
    double m_dpiX;
    double m_dpiY;
    QSizeF m_stretch{1.0, 1.0};
};

}  // namespace windows
