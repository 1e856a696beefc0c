#include "frame/window_menu.h"

#include <QActionGroup>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace frame {

WindowMenu::WindowMenu(QMdiArea* area, QWidget* parent)
    : QMenu(QStringLiteral("&Window"), parent), m_area(area)
{
    setObjectName(QStringLiteral("mwindow"));
    menuAction()->setObjectName(QStringLiteral("mwindow"));

    connect(addCommand("mwcascade", QStringLiteral("&Cascade"), {}), &QAction::triggered, m_area,
            &QMdiArea::cascadeSubWindows);
    connect(addCommand("mwtile", QStringLiteral("&Tile"), {}), &QAction::triggered, m_area,
            &QMdiArea::tileSubWindows);
    addSeparator()->setObjectName(QStringLiteral("mwsep1"));
    // Ctrl+F4 on every desktop: Ctrl+W, the usual key elsewhere, opens Weight.
    connect(addCommand("mwclose", QStringLiteral("Cl&ose"), {Qt::CTRL | Qt::Key_F4}),
            &QAction::triggered, m_area, &QMdiArea::closeActiveSubWindow);
    connect(addCommand("mwcloseall", QStringLiteral("Close &All"), {}), &QAction::triggered, m_area,
            &QMdiArea::closeAllSubWindows);
    addSeparator()->setObjectName(QStringLiteral("mwsep2"));
    // Shift+Tab reaches the program as Backtab; the menu shows the first key.
    connect(addCommand("mwnext", QStringLiteral("Ne&xt"), {Qt::CTRL | Qt::Key_Tab}),
            &QAction::triggered, m_area, &QMdiArea::activateNextSubWindow);
    connect(
        addCommand("mwprevious", QStringLiteral("Pre&vious"),
                   {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab}),
        &QAction::triggered, m_area, &QMdiArea::activatePreviousSubWindow);
    addSeparator()->setObjectName(QStringLiteral("mwsep3"));

    // The commands' keys work with the menu closed, so their state must follow
    // the windows at once, not only when the menu opens.
    connect(m_area, &QMdiArea::subWindowActivated, this, &WindowMenu::updateCommands);
    connect(this, &QMenu::aboutToShow, this, &WindowMenu::rebuildWindowList);
    m_area->viewport()->installEventFilter(this);
    m_group = new QActionGroup(this);
    updateCommands();
}

QAction* WindowMenu::addCommand(const char* name, const QString& text,
                                const QList<QKeySequence>& keys)
{
    QAction* action = addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    m_commands.append(action);
    return action;
}

QList<QKeySequence> WindowMenu::shortcuts() const
{
    QList<QKeySequence> keys;
    for (const QAction* action : m_commands) keys += action->shortcuts();
    return keys;
}

// A window being closed is hidden while it goes; it does not count.
void WindowMenu::updateCommands()
{
    bool any = false;
    for (const QMdiSubWindow* sub : m_area->subWindowList()) any = any || !sub->isHidden();
    for (QAction* action : m_commands) action->setEnabled(any);
}

void WindowMenu::rebuildWindowList()
{
    updateCommands();
    qDeleteAll(m_windowEntries);
    m_windowEntries.clear();

    const QMdiSubWindow* active = m_area->activeSubWindow();
    int number = 0;
    for (QMdiSubWindow* sub : m_area->subWindowList(QMdiArea::CreationOrder)) {
        ++number;
        const QString title = sub->windowTitle();
        // Nine entries get a digit to press; the rest are chosen by the arrows.
        const QString text = number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(title)
                                         : QStringLiteral("%1 %2").arg(number).arg(title);
        QAction* entry = addAction(text);
        entry->setObjectName(QStringLiteral("mwwindow%1").arg(number));
        entry->setCheckable(true);
        entry->setChecked(sub == active);
        entry->setActionGroup(m_group);
        const QPointer<QMdiSubWindow> target(sub);
        connect(entry, &QAction::triggered, this, [this, target] {
            if (!target) return;
            if (target->isMinimized()) target->showNormal();
            m_area->setActiveSubWindow(target);
        });
        m_windowEntries.append(entry);
    }
}

void WindowMenu::stopWatching()
{
    if (!m_area) return;
    m_area->viewport()->removeEventFilter(this);
    disconnect(m_area, nullptr, this, nullptr);
    m_area = nullptr;
}

bool WindowMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_area) return QMenu::eventFilter(watched, event);
    // Sub-windows are the viewport's children; each is watched for being
    // shown and hidden, which closing it does before it goes.
    if (watched == m_area->viewport()) {
        if (event->type() == QEvent::ChildAdded)
            static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
        if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved)
            updateCommands();
    } else if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        if (qobject_cast<QMdiSubWindow*>(watched)) updateCommands();
    }
    return QMenu::eventFilter(watched, event);
}

}  // namespace frame
