#pragma once

#include <QSize>
#include <QSizeF>

#include "windows/child_window.h"
#include "windows/twips.h"

namespace windows {

// A window whose controls stand at places designed in twips, on a grid that
// stretches where the fonts need more room than the places give. It lays
// itself out anew when its font or style changes, and when a control asks for
// room the grid no longer gives (the desktop gave that control a font of its
// own); a control's text changing asks too, and leaves the grid as it is.
class TwipsWindow : public ChildWindow {
    Q_OBJECT
public:
    // The client size (the designed window less title bar and borders),
    // widened where the fonts need more room.
    QSize sizeHint() const override { return m_clientSize; }

    // The grid the controls stand on: twips to pixels, as stretched for the fonts.
    TwipsGrid twipsGrid() const;

protected:
    // The designed size of the whole window, title bar and borders included.
    TwipsWindow(int widthTwips, int heightTwips, QWidget* parent);

    int clientWidthTwips() const { return m_widthTwips - kNonClientWidthTwips; }
    int clientHeightTwips() const { return m_heightTwips - kNonClientHeightTwips; }

    // Stretches the grid until every control fits its designed place.
    virtual void fitGrid(TwipsGrid& grid) const = 0;
    // Puts every control at its place on the fitted grid.
    virtual void placeControls(const TwipsGrid& grid) = 0;

    // Fits the grid, places the controls and takes the size they need. The
    // derived constructor calls it once its controls exist.
    void layOut();

    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    int m_widthTwips;
    int m_heightTwips;
    QSize m_clientSize;
    QSizeF m_stretch;  // the grid's stretch when last laid out
};

}  // namespace windows
