#include "windows/twips_window.h"

#include <QEvent>

namespace windows {

TwipsWindow::TwipsWindow(int widthTwips, int heightTwips, QWidget* parent)
    : ChildWindow(parent), m_widthTwips(widthTwips), m_heightTwips(heightTwips)
{}

TwipsGrid TwipsWindow::twipsGrid() const
{
    // A font the desktop gives one class of control (the fields, say) reaches
    // a control only when it is polished, and it would otherwise be measured
    // with the window's font and cut short when shown.
    ensurePolished();
    TwipsGrid grid(*this);
    fitGrid(grid);
    return grid;
}

// Controls stand where the layout puts them, in twips converted at the
// screen's resolution and stretched where the fonts need it.
void TwipsWindow::layOut()
{
    const TwipsGrid grid = twipsGrid();
    placeControls(grid);
    m_clientSize = grid.size(clientWidthTwips(), clientHeightTwips());
    m_stretch = grid.stretch();
    updateGeometry();
    resize(m_clientSize);
}

void TwipsWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) layOut();
}

bool TwipsWindow::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest && twipsGrid().stretch() != m_stretch) layOut();
    return ChildWindow::event(event);
}

}  // namespace windows
