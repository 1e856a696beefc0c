#include "frame/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTimer>
#include <QToolBar>

#include "frame/about_form.h"
#include "frame/command_table.h"
#include "frame/find_unit_box.h"
#include "frame/help_dialog.h"
#include "frame/help_viewer.h"
#include "frame/open_unit.h"
#include "frame/placement.h"
#include "frame/resources.h"
#include "frame/screen_geometry.h"
#include "frame/window_menu.h"
#include "frame/work_area.h"
#include "windows/accelerators.h"
#include "windows/announcer.h"
#include "windows/reading_hint.h"
#include "windows/twips.h"
#include "windows/window_factory.h"

namespace frame {

namespace {

const WindowCommand& commandFor(windows::WindowId id)
{
    for (const WindowCommand& command : kWindowCommands) {
        if (command.window == id) return command;
    }
    Q_UNREACHABLE();
}

constexpr QKeyCombination kExitShortcut = Qt::Key_F12;
constexpr QKeyCombination kHelpShortcut = Qt::Key_F1;
// Opens the menu bar's first menu; the arrow keys go on to the others. The
// menus' own letters give way to those of the window in front.
constexpr QKeyCombination kMenuBarKey = Qt::Key_F10;

// A button's tool tip names the key that does the same: "Distance (Ctrl+D)".
QString withShortcut(const QString& text, QKeyCombination key)
{
    return QStringLiteral("%1 (%2)").arg(text,
                                         QKeySequence(key).toString(QKeySequence::NativeText));
}

// A window without a layout to stretch its controls cannot be made smaller
// than the size it asked for; the frame shades what lies beyond it.
void keepTableWhole(QWidget* window, const QSize& size)
{
    if (window->layout() || !size.isValid()) return;
    window->setMinimumSize(size);
    WorkArea::shadeBeyond(window, size);
}

}  // namespace

MainFrame::MainFrame(QWidget* parent) : MainFrame(windows::createWindow, parent) {}

MainFrame::MainFrame(WindowFactory factory, QWidget* parent)
    : QMainWindow(parent), m_factory(std::move(factory)), m_format(windows::systemNumberFormat())
{
    initFrameResources();
    setObjectName(QStringLiteral("Quorvel"));
    setWindowTitle(QStringLiteral("Tabrix"));
    // The window manager's icon is drawn at four sizes, a third of what the
    // frame adds to Qt's own start-up; the window's contents do not need it,
    // so it follows once the event loop runs, after the window is mapped.
    auto* iconTimer = new QTimer(this);
    iconTimer->setSingleShot(true);
    connect(iconTimer, &QTimer::timeout, this, [this, iconTimer] {
        setWindowIcon(logoIcon());
        iconTimer->deleteLater();
    });
    iconTimer->start(0);

    m_mdiArea = new WorkArea(this);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);

    createMenusAndToolBar();
    createWindowCommands();
    createFrameCommands();
    createFindCommand();

    // A widget of its own, not a status message: the status tips of menu
    // items would wipe a message away.
    m_evaluationMessage = new QLabel(statusBar());
    m_evaluationMessage->setObjectName(QStringLiteral("EvaluationMessage"));
    statusBar()->addWidget(m_evaluationMessage, 1);
    // How a typed text was read; plain text, since it quotes what was typed.
    m_readingHint = new QLabel(statusBar());
    m_readingHint->setObjectName(QStringLiteral("ReadingHint"));
    m_readingHint->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(m_readingHint, 2);
    m_announcer = new windows::Announcer(statusBar());

    // The Ctrl+letter shortcuts open windows even while a text box of a child
    // window has the focus, where the box would otherwise claim some of them.
    qApp->installEventFilter(this);

    placeOnScreen();
}

MainFrame::~MainFrame()
{
    // The child windows die after this frame's members; they must not report
    // their end to a frame that is half gone.
    m_windowMenu->stopWatching();
    for (const QPointer<QMdiSubWindow>& sub : m_windows) {
        if (sub && sub->widget()) sub->widget()->disconnect(this);
    }
}

void MainFrame::createMenusAndToolBar()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("mf"));
    m_fileMenu->menuAction()->setObjectName(QStringLiteral("mf"));
    m_fileMenu->menuAction()->setData(kHelpContents);
    m_fileMenu->installEventFilter(this);

    m_windowMenu = new WindowMenu(m_mdiArea, this);
    m_windowMenu->menuAction()->setData(kHelpWindowMenu);
    m_windowMenu->installEventFilter(this);
    menuBar()->addMenu(m_windowMenu);

    m_helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("mhelp"));
    m_helpMenu->menuAction()->setObjectName(QStringLiteral("mhelp"));
    m_helpMenu->menuAction()->setData(kHelpContents);
    m_helpMenu->installEventFilter(this);

    m_toolBar = addToolBar(QStringLiteral("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("Toolbar2"));
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setFloatable(false);
}

// The menu item and the toolbar button of a window are two actions, since
// they carry different names, wired to the same request.
void MainFrame::createWindowCommands()
{
    int separators = 0;
    for (const WindowCommand& command : kWindowCommands) {
        const QIcon icon = frameIcon(command.icon);
        if (command.separatorBefore) {
            m_fileMenu->addSeparator()->setObjectName(QStringLiteral("sep%1").arg(++separators));
            m_toolBar->addSeparator();
        }

        QAction* item = m_fileMenu->addAction(icon, QString::fromLatin1(command.menuCaption));
        item->setObjectName(QString::fromLatin1(command.menuName));
        item->setShortcut(command.shortcut);
        item->setData(command.helpTopic);

        QAction* button = m_toolBar->addAction(icon, toolbarText(command));
        button->setObjectName(QString::fromLatin1(command.toolbarKey));
        button->setToolTip(withShortcut(toolbarText(command), command.shortcut));

        const windows::WindowId id = command.window;
        connect(item, &QAction::triggered, this, [this, id] { showWindow(id); });
        connect(button, &QAction::triggered, this, [this, id] { showWindow(id); });
    }

    m_fileMenu->addSeparator()->setObjectName(QStringLiteral("sep%1").arg(++separators));
    QAction* exit = m_fileMenu->addAction(frameIcon("exit"), QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mfexit"));
    exit->setShortcut(kExitShortcut);
    exit->setData(kHelpContents);
    exit->setMenuRole(QAction::QuitRole);
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

void MainFrame::createFrameCommands()
{
    QAction* contents = m_helpMenu->addAction(frameIcon("help"), QStringLiteral("&Contents"));
    contents->setObjectName(QStringLiteral("quorvelhelp"));
    contents->setShortcut(kHelpShortcut);
    // F1 asks for help from the About box and the help viewer as well.
    contents->setShortcutContext(Qt::ApplicationShortcut);
    contents->setData(kHelpContents);
    connect(contents, &QAction::triggered, this, [this] { showHelp(kHelpContents); });

    m_helpMenu->addSeparator()->setObjectName(QStringLiteral("sep3"));
    QAction* about = m_helpMenu->addAction(QStringLiteral("&About Tabrix"));
    about->setObjectName(QStringLiteral("mfabout"));
    about->setData(kHelpContents);
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &MainFrame::showAbout);

    auto* menuBarKey = new QAction(this);
    menuBarKey->setObjectName(QStringLiteral("menubarkey"));
    menuBarKey->setShortcut(kMenuBarKey);
    addAction(menuBarKey);
    connect(menuBarKey, &QAction::triggered, this,
            [this] { menuBar()->setActiveAction(m_fileMenu->menuAction()); });

    m_toolBar->addSeparator();
    QAction* help = m_toolBar->addAction(frameIcon("help"), QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("buthelp"));
    help->setToolTip(withShortcut(QStringLiteral("Help"), kHelpShortcut));
    connect(help, &QAction::triggered, this, [this] { showHelp(kHelpContents); });

    m_toolBar->addSeparator();
    QAction* exit = m_toolBar->addAction(frameIcon("exit"), QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("butexit"));
    exit->setToolTip(withShortcut(QStringLiteral("Exit"), kExitShortcut));
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

// Find Unit has no menu item: the File and Help menus keep their items, and
// a menu of its own would take an Alt+letter from the windows' options. Its
// button stands in a toolbar of its own after the window buttons; the frame
// carries the command too, so Ctrl+K works while that toolbar is hidden.
void MainFrame::createFindCommand()
{
    QAction* find = new QAction(frameIcon("find"), QStringLiteral("Find Unit"), this);
    find->setObjectName(QStringLiteral("butfindunit"));
    find->setShortcut(kFindUnitShortcut);
    find->setToolTip(withShortcut(find->text(), kFindUnitShortcut));
    connect(find, &QAction::triggered, this, [this] { showFindUnit(); });
    addAction(find);
    QToolBar* bar = addToolBar(QStringLiteral("Find Unit"));
    bar->setObjectName(QStringLiteral("FindUnitBar"));
    bar->setIconSize(m_toolBar->iconSize());
    bar->setFloatable(false);
    bar->addAction(find);
}

void MainFrame::showFindUnit(const QString* query)
{
    if (!m_findUnit) {
        m_findUnit = new FindUnitBox(this);
        connect(m_findUnit, &FindUnitBox::unitChosen, this, [this](const UnitRequest& request) {
            activateWindow();
            openUnit(*this, request);
        });
    }
    m_findUnit->showQuery(query);
}

void MainFrame::bringToFront()
{
    if (isMinimized()) showNormal();
    else show();
    raise();
    activateWindow();
}

void MainFrame::placeOnScreen()
{
    const QScreen* current = screen();
    if (!current) return;
    const QRect geometry = frameGeometryFor(current->geometry(), current->logicalDotsPerInch());
    resize(geometry.size());
    move(geometry.topLeft());
}

windows::ChildWindow* MainFrame::showWindow(windows::WindowId id)
{
    QPointer<QMdiSubWindow>& sub = m_windows[static_cast<std::size_t>(id)];
    if (!sub)  // first request, or closed by the user
        sub = createSubWindow(id);
    if (sub->isMinimized()) sub->showNormal();
    else sub->show();
    m_mdiArea->setActiveSubWindow(sub);
    sub->raise();
    return static_cast<windows::ChildWindow*>(sub->widget());
}

QMdiSubWindow* MainFrame::createSubWindow(windows::WindowId id)
{
    const WindowCommand& command = commandFor(id);
    windows::ChildWindow* window = m_factory(id, m_format, nullptr);

    // A window sets its own size; the sub-window frame is built around it.
    const QSize size = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();

    QMdiSubWindow* sub = m_mdiArea->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);  // reopening must start afresh
    // Tab goes round the window's controls; a stop on the frame itself, which
    // passes the focus straight on, is announced by a screen reader as a
    // control of its own. A click on the frame still activates the window.
    sub->setFocusPolicy(Qt::ClickFocus);
    sub->setWindowIcon(frameIcon(command.icon));
    if (window->windowTitle().isEmpty()) sub->setWindowTitle(toolbarText(command));
    if (size.isValid()) {
        const QMargins frameMargins = sub->contentsMargins();
        sub->resize(size.grownBy(frameMargins));
    }
    keepTableWhole(window, size);
    placeNewSubWindow(sub, *window);
    // The sub-window's own menu closes it with Ctrl+W on some desktops, the
    // key that opens the Weight window: two owners of one key make both
    // ignore it. The frame's keys win; Ctrl+F4 still closes.
    if (QMenu* menu = sub->systemMenu()) {
        for (QAction* action : menu->actions()) {
            QList<QKeySequence> keys = action->shortcuts();
            keys.removeIf([this](const QKeySequence& key) {
                return key.count() == 1 && isFrameShortcut(key[0]);
            });
            action->setShortcuts(keys);
        }
    }

    using windows::ChildWindow;
    connect(window, &ChildWindow::openRequested, this, &MainFrame::showWindow);
    connect(window, &ChildWindow::evaluationFailed, this,
            [this, window](engine::EvalStatus status) { reportFailure(window, status); });
    connect(window, &ChildWindow::evaluationSucceeded, this,
            [this, window] { clearFailure(window); });
    // A closed window's fault is no longer the user's concern.
    connect(window, &QObject::destroyed, this, [this, window] { clearFailure(window); });
    connect(window, &ChildWindow::readingHintChanged, this,
            [this, window](const QString& words) { showReadingHint(window, words); });
    connect(window, &QObject::destroyed, this, [this, window] { showReadingHint(window, {}); });
    return sub;
}

// A window with a place of its own keeps it; every other one cascades from
// the one placed last, so that no two open windows share a top left corner.
void MainFrame::placeNewSubWindow(QMdiSubWindow* sub, const windows::ChildWindow& window)
{
    if (const std::optional<QPoint> twips = window.preferredPlaceTwips()) {
        sub->move(windows::twipsToPixels(twips->x(), window.logicalDpiX()),
                  windows::twipsToPixels(twips->y(), window.logicalDpiY()));
        return;
    }
    QStyleOptionTitleBar titleBar;
    titleBar.initFrom(sub);
    const int step = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &titleBar, sub);
    std::vector<QPoint> taken;
    for (const QMdiSubWindow* open : m_mdiArea->subWindowList())
        if (open != sub && !open->isHidden()) taken.push_back(open->pos());
    const QRect area(QPoint(0, 0), m_mdiArea->viewport()->size());
    const QPoint corner =
        cascadePlace(area, sub->size(), m_lastCascaded ? &*m_lastCascaded : nullptr, step, taken);
    sub->move(corner);
    m_lastCascaded = corner;
}

void MainFrame::reportFailure(const windows::ChildWindow* window, engine::EvalStatus status)
{
    const QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    const QString title = sub ? sub->windowTitle() : window->windowTitle();
    m_evaluationMessage->setText(
        tr("%1: %2.").arg(title, QString::fromUtf8(engine::Describe(status))));
    m_failedWindow = window;
    m_announcer->announce(m_evaluationMessage->text());
}

void MainFrame::clearFailure(const windows::ChildWindow* window)
{
    if (m_failedWindow && m_failedWindow != window) return;  // another window's fault still stands
    m_evaluationMessage->clear();
    m_failedWindow = nullptr;
}

void MainFrame::showReadingHint(const windows::ChildWindow* window, const QString& words)
{
    if (words.isEmpty()) {
        if (m_hintWindow && m_hintWindow != window) return;  // another window's hint still stands
        m_readingHint->clear();
        m_hintWindow = nullptr;
        return;
    }
    const QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    const QString title = sub ? sub->windowTitle() : window->windowTitle();
    m_readingHint->setText(tr("%1: %2").arg(title, words));
    m_hintWindow = window;
    m_announcer->announce(m_readingHint->text());
}

AboutForm* MainFrame::aboutForm()
{
    if (!m_about) m_about = new AboutForm(this);
    return m_about;
}

void MainFrame::showHelp(int topic) { aboutForm()->showHelpTopic(topic); }

void MainFrame::showAbout()
{
    AboutForm* about = aboutForm();
    about->show();
    about->raise();
    about->activateWindow();
}

// Ending asks nothing and keeps nothing: the About box and the help viewer
// close with the frame, so no window outlives it.
void MainFrame::closeEvent(QCloseEvent* event)
{
    if (m_about) {
        if (HelpViewer* viewer = m_about->helpDialog()->viewer()) viewer->close();
        m_about->close();
    }
    event->accept();
}

bool MainFrame::isFrameShortcut(const QKeyCombination& key) const
{
    if (key == kExitShortcut || key == kHelpShortcut || key == kMenuBarKey ||
        key == kFindUnitShortcut)
        return true;
    for (const WindowCommand& command : kWindowCommands) {
        if (command.shortcut == key) return true;
    }
    for (const QKeySequence& windowKey : m_windowMenu->shortcuts())
        if (windowKey.count() == 1 && windowKey[0] == key) return true;
    return false;
}

// A box's context menu would otherwise offer a key the frame takes for
// itself, such as "Select All  Ctrl+A" while Ctrl+A opens the Area window.
void MainFrame::dropFrameShortcuts(QMenu* menu) const
{
    for (QAction* action : menu->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeIf([this](const QKeySequence& key) {
                return key.count() == 1 && isFrameShortcut(key[0]);
            }) > 0)
            action->setShortcuts(keys);
    }
}

// F1 on a highlighted menu item shows that item's topic; an item without a
// topic of its own shows its menu's.
bool MainFrame::showMenuItemHelp(QMenu* menu)
{
    const QAction* item = menu->activeAction();
    int topic = item ? item->data().toInt() : kNoHelpTopic;
    if (topic == kNoHelpTopic) topic = menu->menuAction()->data().toInt();
    menu->close();
    showHelp(topic);
    return true;
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_fileMenu || watched == m_helpMenu || watched == m_windowMenu) {
        if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->keyCombination() == kHelpShortcut) {
                // Claim F1 from the Contents shortcut while a menu is open.
                if (event->type() == QEvent::ShortcutOverride) {
                    event->accept();
                    return true;
                }
                return showMenuItemHelp(static_cast<QMenu*>(watched));
            }
        }
        return false;
    }
    if (event->type() == QEvent::Show) {
        // A context menu is a window of its own, parented to its box.
        auto* menu = qobject_cast<QMenu*>(watched);
        if (menu && menu->parentWidget() && m_mdiArea->isAncestorOf(menu->parentWidget()))
            dropFrameShortcuts(menu);
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        // The active window's accelerators come before every key of the
        // frame, its menu bar's letters included: claimed here, the key
        // never reaches the shortcuts and comes back as a key press.
        const QWidget* widget = qobject_cast<QWidget*>(watched);
        const QMdiSubWindow* sub = m_mdiArea->activeSubWindow();
        if (widget && sub && sub->widget() && (widget == sub || sub->isAncestorOf(widget))) {
            const QList<QWidget*> controls = windows::acceleratorControls(
                *sub->widget(), static_cast<QKeyEvent*>(event)->keyCombination());
            if (!controls.isEmpty()) {
                if (event->type() == QEvent::KeyPress) windows::useAccelerator(controls);
                event->accept();
                return true;
            }
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        // Returning true with the event left ignored lets the shortcut fire
        // instead of the text box's own binding.
        if (widget && m_mdiArea->isAncestorOf(widget) &&
            isFrameShortcut(static_cast<QKeyEvent*>(event)->keyCombination()))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace frame
