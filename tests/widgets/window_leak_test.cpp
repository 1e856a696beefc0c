// Opening and closing every window many times, through the frame's menu and
// toolbar, must leave nothing behind: no child object of the frame and no
// memory beyond a small bound. A leak that LeakSanitizer cannot see (memory
// still reachable, such as a closed window kept alive by a parent) shows here.

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmapCache>
#include <QTest>

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime; GCC ships no header that declares it.
extern "C" std::size_t
__sanitizer_get_current_allocated_bytes();  // NOLINT(bugprone-reserved-identifier)
#else
#include <malloc.h>
#endif

#include "frame/command_table.h"
#include "frame/main_frame.h"

namespace {

// Bytes the program holds on the heap now. Under AddressSanitizer its
// allocator counts them (freed memory waiting in quarantine excluded);
// otherwise glibc's arena and mapped chunks in use.
std::size_t allocatedBytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

// Deferred deletes run, and the toolkit's pixmap cache, which fills up to its
// limit with pictures of every size painted, starts empty for each reading.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QPixmapCache::clear();
}

constexpr int kWarmUpRounds = 3;
constexpr int kRounds = 40;  // each opens and closes all fifteen windows

// What one open and close may leave behind on average, beyond what the
// toolkit alone leaves when a bare work area opens and closes an empty
// sub-window (Qt 6.4 keeps about 0.5 KB per sub-window in its icon engine).
// A window left behind would hold some hundred kilobytes; a single widget
// leaked per window, about 2 KB.
constexpr double kAllowedBytesPerWindow = 1024;

struct Figures {
    double bytesPerWindow = 0;  // heap growth per open and close, measured rounds
    qsizetype childrenBefore = 0, childrenAfter = 0;
    int opened = 0;
};

// Opens each window from the menu or the toolbar (alternating by round),
// types into it, and closes it as the user does.
Figures cycle(frame::MainFrame& frame)
{
    Figures f;
    frame.resize(1200, 900);
    frame.show();
    auto* mdi = frame.findChild<QMdiArea*>();
    if (!mdi) return f;

    const auto round = [&](int number) {
        for (const frame::WindowCommand& command : frame::kWindowCommands) {
            const char* name = number % 2 ? command.menuName : command.toolbarKey;
            auto* action = frame.findChild<QAction*>(QString::fromLatin1(name));
            if (!action) return false;
            action->trigger();
            settle();
            if (mdi->subWindowList().size() != 1) return false;
            if (QWidget* focus = QApplication::focusWidget()) QTest::keyClicks(focus, "12.5e3");
            mdi->subWindowList().front()->close();
            settle();
            if (!mdi->subWindowList().isEmpty()) return false;
            ++f.opened;
        }
        return true;
    };

    for (int i = 0; i < kWarmUpRounds; ++i)
        if (!round(i)) return {};
    f.childrenBefore = frame.findChildren<QObject*>().size();
    const std::size_t before = allocatedBytes();
    for (int i = 0; i < kRounds; ++i)
        if (!round(i)) return {};
    f.childrenAfter = frame.findChildren<QObject*>().size();
    f.bytesPerWindow = (double(allocatedBytes()) - double(before)) /
                       (kRounds * double(frame::kWindowCommands.size()));
    return f;
}

// The toolkit's own share: a bare main window and work area, opening and
// closing as many empty sub-windows the same way.
double toolkitBytesPerWindow()
{
    QMainWindow window;
    auto* mdi = new QMdiArea(&window);
    window.setCentralWidget(mdi);
    window.resize(1200, 900);
    window.show();
    const auto once = [&] {
        auto* empty = new QWidget;
        empty->resize(300, 200);
        QMdiSubWindow* sub = mdi->addSubWindow(empty);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->show();
        settle();
        if (QWidget* focus = QApplication::focusWidget()) QTest::keyClicks(focus, "12.5e3");
        sub->close();
        settle();
    };
    const int windows = kRounds * int(frame::kWindowCommands.size());
    for (int i = 0; i < kWarmUpRounds * int(frame::kWindowCommands.size()); ++i) once();
    const std::size_t before = allocatedBytes();
    for (int i = 0; i < windows; ++i) once();
    return (double(allocatedBytes()) - double(before)) / windows;
}

}  // namespace

class WindowLeakTest : public QObject {
    Q_OBJECT

private slots:
    void openingAndClosingEveryWindowLeavesNothing();
};

void WindowLeakTest::openingAndClosingEveryWindowLeavesNothing()
{
    const double toolkit = toolkitBytesPerWindow();
    Figures real;
    {
        frame::MainFrame frame;
        real = cycle(frame);
    }
    QVERIFY2(real.opened > 0, "a window did not open or close");

    const double left = real.bytesPerWindow - toolkit;
    qInfo("%d windows opened and closed; per open and close the heap grew by %.0f bytes "
          "(%.0f for an empty sub-window of a bare work area): %.0f bytes of the program's own; "
          "frame children "
          "%lld -> %lld",
          real.opened, real.bytesPerWindow, toolkit, left, qlonglong(real.childrenBefore),
          qlonglong(real.childrenAfter));
    QCOMPARE(real.childrenAfter, real.childrenBefore);
    QVERIFY2(left < kAllowedBytesPerWindow,
             qPrintable(QStringLiteral("%1 bytes stay behind per window").arg(left)));
}

QTEST_MAIN(WindowLeakTest)
#include "window_leak_test.moc"
