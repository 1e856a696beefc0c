#pragma once

#include <QMenu>

class QAction;
class QActionGroup;
class QMdiArea;

namespace frame {

// The "&Window" menu `mwindow` of a multiple-document frame: arrange, close
// and switch the child windows of `area`, and bring one of them to the front
// from the list of open windows, in the order they were opened, the active one
// checked. Every entry is disabled while no child window is open.
class WindowMenu : public QMenu {
    Q_OBJECT
public:
    WindowMenu(QMdiArea* area, QWidget* parent);

    // The keys the menu takes from the whole frame: Ctrl+F4, Ctrl+Tab,
    // Ctrl+Shift+Tab.
    QList<QKeySequence> shortcuts() const;

    // Stops following the area's windows. The frame calls it before it goes:
    // the area's viewport and sub-windows send their last events from their
    // destructors, after the area's own part is gone.
    void stopWatching();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addCommand(const char* name, const QString& text, const QList<QKeySequence>& keys);
    void updateCommands();
    void rebuildWindowList();

    QMdiArea* m_area;
    QList<QAction*> m_commands;
    QList<QAction*> m_windowEntries;
    QActionGroup* m_group = nullptr;
};

}  // namespace frame
