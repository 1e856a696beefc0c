#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>

#include "engine/status.h"
#include "engine/value_text.h"
#include "windows/child_window.h"
#include "windows/window_id.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace windows {
class Announcer;
}

namespace frame {

class AboutForm;
class FindUnitBox;
class WindowMenu;
struct WindowCommand;

// Creates a child window; the frame uses windows::createWindow, tests their own.
using WindowFactory =
    std::function<windows::ChildWindow*(windows::WindowId, const engine::NumberFormat&, QWidget*)>;

// The program's frame `Quorvel`: a work area for the child windows, with the
// File and Help menus and the toolbar that open them. Each child window exists
// at most once; closing the frame ends the program without asking anything.
class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrame(QWidget* parent = nullptr);
    explicit MainFrame(WindowFactory factory, QWidget* parent = nullptr);
    ~MainFrame() override;

    // The About box, loaded hidden on first use.
    AboutForm* aboutForm();

public slots:
    // Creates the window on its first request and after the user closed it;
    // otherwise shows the existing one as the user left it, in front.
    windows::ChildWindow* showWindow(windows::WindowId id);
    // Opens the help file at `topic` through the About box's help layer.
    void showHelp(int topic);
    void showAbout();
    // Opens Find Unit with `query` typed, or as the user left it.
    void showFindUnit(const QString* query = nullptr);
    // Shows the frame in front of the desktop's other windows, also when it
    // was minimized, for a request another program handed over.
    void bringToFront();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenusAndToolBar();
    void createWindowCommands();
    void createFrameCommands();
    void createFindCommand();
    void placeOnScreen();
    QMdiSubWindow* createSubWindow(windows::WindowId id);
    // Where a sub-window stands when the frame has just created it: the place
    // its window asks for, if any; otherwise a cascade from the window placed last.
    void placeNewSubWindow(QMdiSubWindow* sub, const windows::ChildWindow& window);
    void reportFailure(const windows::ChildWindow* window, engine::EvalStatus status);
    void clearFailure(const windows::ChildWindow* window);
    void dropFrameShortcuts(QMenu* menu) const;
    void showReadingHint(const windows::ChildWindow* window, const QString& words);
    bool showMenuItemHelp(QMenu* menu);
    bool isFrameShortcut(const QKeyCombination& key) const;

    WindowFactory m_factory;
    engine::NumberFormat m_format;
    QMdiArea* m_mdiArea = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    WindowMenu* m_windowMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_evaluationMessage = nullptr;
    std::array<QPointer<QMdiSubWindow>, windows::kWindowCount> m_windows;
    QPointer<AboutForm> m_about;
    FindUnitBox* m_findUnit = nullptr;  // made on first use
    // Held as plain objects: they are only compared, also from a window's
    // destroyed signal, when it is no longer a ChildWindow.
    QPointer<const QObject> m_failedWindow;  // whose failure the status bar shows
    std::optional<QPoint> m_lastCascaded;    // the corner given to the last new window
    QLabel* m_readingHint = nullptr;
    QPointer<const QObject> m_hintWindow;  // whose reading hint the status bar shows
    // Speaks a fault and a reading hint to a screen reader, which does not
    // read the status bar by itself.
    windows::Announcer* m_announcer = nullptr;
};

}  // namespace frame
