// The windows as a user drives them, in process and offscreen: one keystroke
// in a value box (the change handler and every result box), one unit pick in
// a price window (conversion and price rows), opening and closing each window
// through the frame's menu, building and showing the frame, and Find Unit
// (Ctrl+K) opened and typed into. Each benchmark also reports the heap
// allocations of one iteration.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTest>

#include <cstdio>
#include <memory>
#include <string>

#include "frame/find_unit_box.h"
#include "frame/main_frame.h"
#include "support/allocation_counter.h"
#include "windows/control_text.h"
#include "windows/window_factory.h"

namespace {

using windows::indexedName;
using windows::WindowId;

const engine::NumberFormat kFormat{".", ","};

// A window as the frame shows it, with its initial texts.
std::unique_ptr<QWidget> shownWindow(WindowId id)
{
    std::unique_ptr<QWidget> window(windows::createWindow(id, kFormat));
    window->show();
    QCoreApplication::processEvents();
    return window;
}

void reportAllocations(benchmark::State& state, long allocations)
{
    state.counters["allocs"] =
        benchmark::Counter(double(allocations), benchmark::Counter::kAvgIterations);
}

// Alternately types a digit and erases it again: every iteration is one key
// press whose change runs a full evaluation of the row.
void keystroke(benchmark::State& state, WindowId id, const char* valueBoxName, bool paint)
{
    const auto window = shownWindow(id);
    auto* valueBox = window->findChild<QLineEdit*>(QString::fromLatin1(valueBoxName));
    if (!valueBox) {
        state.SkipWithError("the window has no value box of that name");
        return;
    }
    valueBox->setFocus();
    valueBox->setText(QStringLiteral("1234.5"));
    valueBox->end(false);
    QCoreApplication::processEvents();

    bool typed = false;
    long allocations = 0;
    for (auto _ : state) {
        const long before = tabrix_test::AllocationCount();
        QTest::keyClick(valueBox, typed ? Qt::Key_Backspace : Qt::Key_7);
        if (paint) valueBox->window()->repaint();
        allocations += tabrix_test::AllocationCount() - before;
        typed = !typed;
    }
    reportAllocations(state, allocations);
}

void BM_LiquidKeystroke(benchmark::State& state)
{
    keystroke(state, WindowId::Liquid, "TextY1", false);
}
void BM_EnergyKeystroke(benchmark::State& state)
{
    keystroke(state, WindowId::Energy, "TextV1", false);
}
void BM_LiquidKeystrokePainted(benchmark::State& state)
{
    keystroke(state, WindowId::Liquid, "TextY1", true);
}
BENCHMARK(BM_LiquidKeystroke);
BENCHMARK(BM_EnergyKeystroke);
BENCHMARK(BM_LiquidKeystrokePainted)->Unit(benchmark::kMicrosecond);

// Picks two units in turn; each pick converts the value and prices the row.
// With a mouse click, the button also repaints its pressed and released
// looks at once, as every Qt button does; click() leaves the looks out.
void optionClick(benchmark::State& state, bool mouse)
{
    const auto window = shownWindow(WindowId::Liquid);
    auto* valueBox = window->findChild<QLineEdit*>(QStringLiteral("TextY1"));
    auto* priceBox = window->findChild<QLineEdit*>(QStringLiteral("TextY3"));
    QRadioButton* options[] = {window->findChild<QRadioButton*>(indexedName("OptionY1", 1)),
                               window->findChild<QRadioButton*>(indexedName("OptionY1", 2))};
    if (!valueBox || !priceBox || !options[0] || !options[1]) {
        state.SkipWithError("the Liquid window lacks its value box, price box or options");
        return;
    }
    valueBox->setText(QStringLiteral("1234.5"));
    priceBox->setText(QStringLiteral("2.5"));
    QCoreApplication::processEvents();

    int next = 1;
    long allocations = 0;
    for (auto _ : state) {
        const long before = tabrix_test::AllocationCount();
        if (mouse) QTest::mouseClick(options[next], Qt::LeftButton);
        else options[next]->click();
        allocations += tabrix_test::AllocationCount() - before;
        next = 1 - next;
    }
    if (!options[1 - next]->isChecked()) state.SkipWithError("the clicks did not pick the units");
    reportAllocations(state, allocations);
}
void BM_LiquidOptionClick(benchmark::State& state) { optionClick(state, true); }
void BM_LiquidOptionPick(benchmark::State& state) { optionClick(state, false); }
BENCHMARK(BM_LiquidOptionClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LiquidOptionPick);

// The menu items, in the order of the window ids.
constexpr const char* kMenuItems[] = {
    "mfareadistance", "mfareametric", "mfareastandard", "mfdistance", "mfenergy",
    "mftemp",         "mftime",       "mfliquid",       "mfweight",   "mfpressure",
    "mfspeed",        "mfdensity",    "mfvolume",       "mfforce",    "mfhowlong",
};
static_assert(std::size(kMenuItems) == windows::kWindowCount);

// Chooses the window's menu item in a shown frame, then closes the window as
// the user does, until it is gone.
void BM_OpenAndClose(benchmark::State& state)
{
    const char* item = kMenuItems[state.range(0)];
    frame::MainFrame frame;
    frame.show();
    QCoreApplication::processEvents();
    auto* action = frame.findChild<QAction*>(QString::fromLatin1(item));
    auto* area = frame.findChild<QMdiArea*>();
    if (!action || !area) {
        state.SkipWithError("the frame lacks the menu item or its MDI area");
        return;
    }
    long allocations = 0;
    for (auto _ : state) {
        const long before = tabrix_test::AllocationCount();
        action->trigger();
        QCoreApplication::processEvents();
        QMdiSubWindow* sub = area->activeSubWindow();
        if (!sub || !sub->widget()) {
            state.SkipWithError("the menu item opened no window");
            return;
        }
        if (state.iterations() == 0)
            state.SetLabel(std::string(item) + " opens " +
                           sub->widget()->objectName().toStdString());
        sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        allocations += tabrix_test::AllocationCount() - before;
    }
    if (!area->subWindowList().isEmpty()) state.SkipWithError("closed windows stayed in the frame");
    reportAllocations(state, allocations);
}
BENCHMARK(BM_OpenAndClose)
    ->DenseRange(0, int(windows::kWindowCount) - 1)
    ->Unit(benchmark::kMicrosecond);

void BM_FrameConstructAndShow(benchmark::State& state)
{
    long allocations = 0;
    for (auto _ : state) {
        const long before = tabrix_test::AllocationCount();
        {
            frame::MainFrame frame;
            frame.show();
            QCoreApplication::processEvents();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        allocations += tabrix_test::AllocationCount() - before;
    }
    reportAllocations(state, allocations);
}
BENCHMARK(BM_FrameConstructAndShow)->Unit(benchmark::kMillisecond);

// Ctrl+K in a frame that has not shown Find Unit yet: the box is built, filled
// with the last query's rows (none) and shown. The frame is built outside the
// timing.
void BM_FindUnitFirstOpen(benchmark::State& state)
{
    long allocations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto frame = std::make_unique<frame::MainFrame>();
        frame->show();
        QCoreApplication::processEvents();
        auto* command = frame->findChild<QAction*>(QStringLiteral("butfindunit"));
        if (!command) {
            state.SkipWithError("the frame has no Find Unit command");
            return;
        }
        const long before = tabrix_test::AllocationCount();
        state.ResumeTiming();
        command->trigger();
        QCoreApplication::processEvents();
        state.PauseTiming();
        allocations += tabrix_test::AllocationCount() - before;
        auto* box = frame->findChild<frame::FindUnitBox*>(QStringLiteral("FindUnit"));
        if (!box || !box->isVisible()) {
            state.SkipWithError("Ctrl+K showed no Find Unit box");
            return;
        }
        frame.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    reportAllocations(state, allocations);
}
BENCHMARK(BM_FindUnitFirstOpen)->Unit(benchmark::kMillisecond);

// One letter typed into Find Unit and taken back: "tor" and "torr" in turn,
// each a search over every unit and a new list of rows.
void BM_FindUnitKeystroke(benchmark::State& state)
{
    frame::MainFrame frame;
    frame.show();
    frame.showFindUnit();
    QCoreApplication::processEvents();
    auto* text = frame.findChild<QLineEdit*>(QStringLiteral("FindUnitText"));
    if (!text) {
        state.SkipWithError("Find Unit has no text field");
        return;
    }
    text->setText(QStringLiteral("tor"));
    text->end(false);
    QCoreApplication::processEvents();
    long allocations = 0;
    bool add = true;
    for (auto _ : state) {
        const long before = tabrix_test::AllocationCount();
        QTest::keyClick(text, add ? Qt::Key_R : Qt::Key_Backspace);
        QCoreApplication::processEvents();
        allocations += tabrix_test::AllocationCount() - before;
        add = !add;
    }
    reportAllocations(state, allocations);
}
BENCHMARK(BM_FindUnitKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[])
{
    // In process and without a display; a caller may still choose another platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns on every shown window that it ignores size
    // hints, and on every window brought to the front, which would bury the
    // results.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
        if (!message.contains(QLatin1String("propagateSizeHints")) &&
            !message.contains(QLatin1String("does not support raise()")))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
