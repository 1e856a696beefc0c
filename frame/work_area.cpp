#include "frame/work_area.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QPainter>

#include <algorithm>

#include "frame/command_table.h"

namespace frame {

namespace {

// The windows a new user reaches for first, in the order the hint names them.
constexpr windows::WindowId kHintWindows[] = {
    windows::WindowId::Distance, windows::WindowId::Weight, windows::WindowId::Temperature,
    windows::WindowId::Liquid,   windows::WindowId::Time,   windows::WindowId::Area,
    windows::WindowId::Dates,
};

QString keyAndWindow(windows::WindowId id)
{
    for (const WindowCommand& command : kWindowCommands)
        if (command.window == id)
            return QKeySequence(command.shortcut).toString(QKeySequence::NativeText) +
                   QStringLiteral("  ") + toolbarText(command);
    return {};
}

const char* const kTableSizeProperty = "tabrixTableSize";

// Paints the shade before the window paints itself; its own controls and
// frames then stand on top, as on a plain background.
class Shade : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Resize) {
            // A window that lays itself out again for another font asks for
            // another size: it may not be made smaller than that, and the
            // shade moves to its new edge.
            const QSize wanted = window->sizeHint();
            if (wanted.isValid() && wanted != window->property(kTableSizeProperty).toSize()) {
                window->setProperty(kTableSizeProperty, wanted);
                window->setMinimumSize(wanted);
            }
            return false;
        }
        if (event->type() != QEvent::Paint) return false;
        const QSize table = window->property(kTableSizeProperty).toSize();
        const QRegion beyond = QRegion(window->rect()) - QRegion(QRect(QPoint(0, 0), table));
        if (beyond.isEmpty()) return false;
        QPainter painter(window);
        painter.setClipRegion(beyond);
        painter.fillRect(window->rect(), window->palette().color(QPalette::Mid));
        painter.setClipping(false);
        painter.setPen(window->palette().color(QPalette::Dark));
        if (window->width() > table.width())
            painter.drawLine(table.width(), 0, table.width(),
                             std::min(window->height(), table.height()));
        if (window->height() > table.height())
            painter.drawLine(0, table.height(), std::min(window->width(), table.width()),
                             table.height());
        return false;
    }
};

}  // namespace

WorkArea::WorkArea(QWidget* parent) : QMdiArea(parent) {}

QStringList WorkArea::hintLines()
{
    QStringList lines{
        QStringLiteral("Tabrix shows a measure given in one unit in every other unit of its kind."),
        QStringLiteral("Open a window from the File menu, the toolbar or the keyboard:"),
        QString()};
    for (windows::WindowId id : kHintWindows) lines.append(keyAndWindow(id));
    lines << QString()
          << QKeySequence(kFindUnitShortcut).toString(QKeySequence::NativeText) +
                 QStringLiteral("  Find Unit: type its name, such as \"torr\" or \"5 km in mi\"")
          << QStringLiteral("F1  Help");
    return lines;
}

bool WorkArea::showsHint() const
{
    for (const QMdiSubWindow* sub : subWindowList())
        if (!sub->isHidden()) return false;
    return true;
}

void WorkArea::paintEvent(QPaintEvent* event)
{
    QMdiArea::paintEvent(event);
    if (!showsHint()) return;
    QPainter painter(viewport());
    // Quiet: a shade of the background itself, darker on a light one.
    const QColor ground = background().color();
    painter.setPen(ground.lightness() < 128 ? ground.lighter(220) : ground.darker(170));
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    painter.setFont(font);
    painter.drawText(viewport()->rect().adjusted(24, 24, -24, -24), Qt::AlignCenter,
                     hintLines().join(u'\n'));
}

// Sub-windows come and go as children of the viewport; the hint follows.
bool WorkArea::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildRemoved: viewport()->update(); break;
    default: break;
    }
    return QMdiArea::viewportEvent(event);
}

void WorkArea::shadeBeyond(QWidget* window, const QSize& table)
{
    window->setProperty(kTableSizeProperty, table);
    window->installEventFilter(new Shade(window));
}

}  // namespace frame
