// Every window used from the keyboard alone: the focus starts where the user
// types, accelerators pick units and press buttons, Tab reaches every box in
// order and comes back round, and result boxes copy with Ctrl+C or their menu.

#include <algorithm>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMultiHash>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "frame/about_form.h"
#include "frame/command_table.h"
#include "frame/help_dialog.h"
#include "frame/help_viewer.h"
#include "frame/main_frame.h"
#include "tests/widgets/widget_test_helpers.h"
#include "windows/category_window.h"
#include "windows/control_text.h"
#include "windows/descriptors.h"
#include "windows/window_factory.h"

using windows::WindowId;

Q_DECLARE_METATYPE(WindowId)

namespace {

std::unique_ptr<QWidget> openWindow(WindowId id)
{
    std::unique_ptr<QWidget> window = tabrix_test::open(id);
    return tabrix_test::showActive(*window) ? std::move(window) : nullptr;
}

QWidget* focused() { return QApplication::focusWidget(); }

void press(QKeyCombination key) { QTest::keyClick(focused(), key.key(), key.keyboardModifiers()); }

// The Alt+letter of a caption such as "Millimeter&s".
QKeyCombination accelerator(const QString& caption)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    return mnemonic.isEmpty() ? QKeyCombination() : mnemonic[0];
}

// Uses `key`, the accelerator of `target`, as a user would. A letter that several
// controls of the window share moves the focus among them, one per press,
// without pressing any (Qt's rule, as on other desktops); Space then presses
// the one reached.
bool pressByAccelerator(QWidget* window, QAbstractButton* target, QKeyCombination key)
{
    if (key == QKeyCombination()) return false;
    int sharers = 0;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(window) && accelerator(button->text()) == key) ++sharers;
    if (sharers == 1) {
        QSignalSpy clicked(target, &QAbstractButton::clicked);
        press(key);
        return clicked.count() == 1 || clicked.wait(1000);
    }
    for (int i = 0; i < sharers && focused() != target; ++i) press(key);
    if (focused() != target) return false;
    QSignalSpy clicked(target, &QAbstractButton::clicked);
    QTest::keyClick(target, Qt::Key_Space);
    return clicked.count() == 1;
}

// Tabs from the value box to the option group, which the checked option
// stands for, then moves with the arrow keys to option `index`, picking it.
bool pickByArrows(QWidget* value, const QList<QRadioButton*>& options, qsizetype index)
{
    value->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 5 && !qobject_cast<QRadioButton*>(focused()); ++i)
        press(QKeyCombination(Qt::Key_Tab));
    auto* at = qobject_cast<QRadioButton*>(focused());
    if (!at || !at->isChecked()) return false;
    const qsizetype from = options.indexOf(at);
    for (qsizetype i = from; i != index; i += (index > from ? 1 : -1))
        press(QKeyCombination(index > from ? Qt::Key_Down : Qt::Key_Up));
    return focused() == options[index] && options[index]->isChecked();
}

// The controls Tab visits from the focus widget until the focus comes back
// to it; empty if it never does (a focus trap or a lost focus).
QList<QWidget*> tabRound(int limit = 200)
{
    QWidget* start = focused();
    QList<QWidget*> visited{start};
    for (int i = 0; i < limit; ++i) {
        press(QKeyCombination(Qt::Key_Tab));
        if (focused() == start) return visited;
        if (!focused()) return {};
        visited.append(focused());
    }
    return {};
}

// As tabRound, backwards with Shift+Tab.
QList<QWidget*> backTabRound(int limit = 200)
{
    QWidget* start = focused();
    QList<QWidget*> visited{start};
    for (int i = 0; i < limit; ++i) {
        press(QKeyCombination(Qt::ShiftModifier, Qt::Key_Backtab));
        if (focused() == start) return visited;
        if (!focused()) return {};
        visited.append(focused());
    }
    return {};
}

QStringList texts(const QList<QLineEdit*>& boxes)
{
    QStringList list;
    for (const QLineEdit* box : boxes) list.append(box->text());
    return list;
}

const QStringList kCopyForms{QStringLiteral("CopyWithUnit"), QStringLiteral("CopyAsLine"),
                             QStringLiteral("CopyPlainNumber"), QStringLiteral("UseAsValue")};

// Checks what the result box's context menu, opened by the keyboard, offers:
// Copy, Select All and Copy All Results, nothing that edits; and that its Copy copies.
void checkResultMenu(QLineEdit* box)
{
    box->setFocus(Qt::TabFocusReason);  // as Tab brings it: the whole text selected
    QVERIFY(box->hasSelectedText());
    QMenu* menu = tabrix_test::openContextMenu(*box);
    QVERIFY2(menu, qPrintable(box->objectName()));

    QStringList offered;
    QAction* copy = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        // The copy forms (result_copy_test) edit nothing either.
        if (!kCopyForms.contains(action->objectName()))
            offered.append(windows::withoutAccelerator(action->text()));
        for (QKeySequence::StandardKey editing :
             {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Paste,
              QKeySequence::Delete})
            QVERIFY2(!QKeySequence::keyBindings(editing).contains(action->shortcut()),
                     qPrintable(action->text()));
        for (const char* editing :
             {"edit-undo", "edit-redo", "edit-cut", "edit-paste", "edit-delete"})
            QVERIFY2(action->objectName() != QLatin1String(editing), editing);
        if (action->shortcut() == QKeySequence(QKeySequence::Copy)) copy = action;
    }
    QCOMPARE(offered, (QStringList{QStringLiteral("Copy"), QStringLiteral("Select All"),
                                   QStringLiteral("Copy All Results")}));
    QVERIFY(copy && copy->isEnabled());

    QApplication::clipboard()->setText(QStringLiteral("before"));
    copy->trigger();
    QCOMPARE(QApplication::clipboard()->text(), box->text());

    // The menu deletes itself once closed. The offscreen platform gives the
    // activation back to no window then, where a desktop gives it back to
    // the window, so the test does that.
    QPointer<QMenu> closing(menu);
    menu->close();
    QTRY_VERIFY(!closing);
    box->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(box->window()));
}

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void categoryWindowByKeyboard_data();
    void categoryWindowByKeyboard();
    void dimensionsWindowByKeyboard_data();
    void dimensionsWindowByKeyboard();
    void datesWindowByKeyboard();
    void frameByKeyboard();
    void tabStaysInsideAChildWindow();
    void frameKeysHaveOneOwnerEach();
};

void TestKeyboard::categoryWindowByKeyboard_data()
{
    QTest::addColumn<WindowId>("id");
    for (const windows::WindowDescriptor& d : windows::categoryDescriptors())
        QTest::newRow(d.objectName()) << d.id;
}

void TestKeyboard::categoryWindowByKeyboard()
{
    QFETCH(WindowId, id);
    const windows::WindowDescriptor& d = *windows::findDescriptor(id);
    const int units = static_cast<int>(d.table().size);
    // In the frame, whose menu bar and keys must leave the window its own.
    frame::MainFrame frame;
    frame.show();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    frame.showWindow(id);
    QWidget* window = frame.findChild<QMdiArea*>()->activeSubWindow()->widget();
    const auto find = [&](const QString& name) { return window->findChild<QWidget*>(name); };
    auto* value = qobject_cast<QLineEdit*>(find(QString::fromLatin1(d.names.valueBox)));
    QList<QRadioButton*> options;
    QList<QLineEdit*> results;
    for (int k = 1; k <= units; ++k) {
        options.append(qobject_cast<QRadioButton*>(find(windows::indexedName(d.names.options, k))));
        results.append(qobject_cast<QLineEdit*>(find(windows::indexedName(d.names.results, k))));
        QVERIFY(options.back() && results.back());
    }

    // The focus starts in the value box, its "0" selected: typing replaces it.
    QTRY_COMPARE(focused(), value);
    QTest::keyClicks(focused(), QStringLiteral("7"));
    QCOMPARE(value->text(), QStringLiteral("7"));
    QCOMPARE(results[1]->text().isEmpty(), false);

    // Each unit by its accelerator, from the last back to the first; each
    // pick shows other results. Options whose captions have no accelerator
    // are reached as a group by Tab, then by the arrow keys.
    for (int k = units; k >= 1; --k) {
        const QStringList before = texts(results);
        const QKeyCombination key = accelerator(windows::fromUtf8(d.table().Unit(k).caption));
        if (key == QKeyCombination())
            QVERIFY2(pickByArrows(value, options, k - 1), qPrintable(options[k - 1]->text()));
        else
            QVERIFY2(pressByAccelerator(window, options[k - 1], key),
                     qPrintable(options[k - 1]->text()));
        QVERIFY2(options[k - 1]->isChecked(), qPrintable(options[k - 1]->text()));
        QVERIFY2(texts(results) != before, qPrintable(options[k - 1]->text()));
        QCOMPARE(results[k - 1]->text(), QStringLiteral("7"));
    }

    // Tab from the value box: the price box, the unit options as one stop,
    // every result box in row order with its price after it, the Area
    // window's buttons, and round.
    value->setFocus(Qt::TabFocusReason);
    const QList<QWidget*> round = tabRound();
    QList<QWidget*> expected{value};
    if (d.hasPrices()) expected.append(find(QString::fromLatin1(d.names.priceBox)));
    expected.append(options[0]);        // the checked one; arrows move among them
    for (int k = 1; k <= units; ++k) {  // each result box, then its price
        expected.append(results[k - 1]);
        if (d.hasPrices()) expected.append(find(windows::indexedName(d.names.priceLabels, k)));
    }
    if (id == WindowId::Area)
        expected << find(QStringLiteral("CmdR1")) << find(QStringLiteral("CmdR2"));
    QCOMPARE(round, expected);

    // Arrow keys move among the options and pick the unit they reach.
    options[0]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Down);
    QCOMPARE(focused(), options[1]);
    QVERIFY(options[1]->isChecked());
    QCOMPARE(results[1]->text(), QStringLiteral("7"));

    // A result box reached by Tab copies its whole text with Ctrl+C.
    results[units - 1]->setFocus(Qt::TabFocusReason);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(focused(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), results[units - 1]->text());
    QCOMPARE(results[units - 1]->text().isEmpty(), false);

    for (QLineEdit* result : results) {
        checkResultMenu(result);
        if (QTest::currentTestFailed()) return;
    }

    // With no number typed the options are disabled: a unit's key still
    // belongs to the window, picks nothing and opens no menu.
    value->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(focused(), QStringLiteral("x"));
    const QKeyCombination key = accelerator(windows::fromUtf8(d.table().Unit(units).caption));
    if (key == QKeyCombination() || options[units - 1]->isEnabled()) return;
    press(key);
    QVERIFY(!options[units - 1]->isChecked());
    QVERIFY(!QApplication::activePopupWidget());
}

void TestKeyboard::dimensionsWindowByKeyboard_data()
{
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<WindowId>("secondTarget");
    QTest::addColumn<Qt::Key>("secondKey");
    QTest::newRow("Form2") << WindowId::AreaMetric << QChar(u'S') << WindowId::AreaStandard
                           << Qt::Key_S;
    QTest::newRow("Form3") << WindowId::AreaStandard << QChar(u'T') << WindowId::AreaMetric
                           << Qt::Key_M;
}

void TestKeyboard::dimensionsWindowByKeyboard()
{
    QFETCH(WindowId, id);
    QFETCH(QChar, letter);
    QFETCH(WindowId, secondTarget);
    QFETCH(Qt::Key, secondKey);
    auto window = openWindow(id);
    QVERIFY(window);
    // "TextS1(k)": field k; "TextS2(k)": result k.
    const auto box = [&](int array, int k) {
        const QByteArray base =
            (QStringLiteral("Text") + letter + QString::number(array)).toLatin1();
        return window->findChild<QLineEdit*>(windows::indexedName(base.constData(), k));
    };
    QList<QLineEdit*> fields;
    QList<QLineEdit*> results;
    for (int k = 1; k <= 6; ++k) fields.append(box(1, k));
    for (int k = 1; k <= 10; ++k) results.append(box(2, k));
    for (QLineEdit* box : fields + results) QVERIFY(box);
    auto* back = window->findChild<QPushButton*>(QStringLiteral("Cmd") + letter + u'1');
    auto* other = window->findChild<QPushButton*>(QStringLiteral("Cmd") + letter + u'2');
    QVERIFY(back && other);

    // The focus starts in the first field; Tab goes through the six fields,
    // the ten results and the two buttons, and round.
    QCOMPARE(focused(), fields[0]);
    const QList<QWidget*> round = tabRound();
    QList<QWidget*> expected;
    for (QWidget* w : fields) expected.append(w);
    for (QWidget* w : results) expected.append(w);
    expected << back << other;
    QCOMPARE(round, expected);

    // A length and a width typed field by field; Tab on to the results
    // computes them.
    const QStringList before = texts(results);
    for (int k = 0; k < 6; ++k) {
        QCOMPARE(focused(), fields[k]);
        QTest::keyClicks(focused(), QStringLiteral("2"));
        press(QKeyCombination(Qt::Key_Tab));
    }
    QCOMPARE(focused(), results[0]);
    QVERIFY(texts(results) != before);
    QCOMPARE(results[0]->text().isEmpty(), false);

    QApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(focused(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), results[0]->text());
    for (QLineEdit* result : results) {
        checkResultMenu(result);
        if (QTest::currentTestFailed()) return;
    }

    // Alt+A goes back to the Area window; the other button's accelerator
    // asks for the other dimensions window.
    QSignalSpy open(window.get(), SIGNAL(openRequested(windows::WindowId)));
    press(QKeyCombination(Qt::AltModifier, Qt::Key_A));
    QTRY_COMPARE(open.count(), 1);
    QCOMPARE(open.at(0).at(0).value<WindowId>(), WindowId::Area);
    press(QKeyCombination(Qt::AltModifier, secondKey));
    QTRY_COMPARE(open.count(), 2);
    QCOMPARE(open.at(1).at(0).value<WindowId>(), secondTarget);
}

void TestKeyboard::datesWindowByKeyboard()
{
    auto window = openWindow(WindowId::Dates);
    QVERIFY(window);
    auto* first = window->findChild<QCalendarWidget*>(QStringLiteral("MonthView1"));
    auto* second = window->findChild<QCalendarWidget*>(QStringLiteral("MonthView2"));
    auto* date1 = window->findChild<QLabel*>(QStringLiteral("Date1"));
    auto* label1 = window->findChild<QLabel*>(QStringLiteral("Label1"));
    auto* label2 = window->findChild<QLabel*>(QStringLiteral("Label2"));
    auto* date3 = window->findChild<QLabel*>(QStringLiteral("Date3"));
    QVERIFY(first && second && date1 && label1 && label2 && date3);

    // The focus starts in the first calendar; an arrow key moves its date
    // and the sentences follow.
    QVERIFY(focused() && first->isAncestorOf(focused()));
    const QDate today = first->selectedDate();
    QTest::keyClick(focused(), Qt::Key_Right);
    QCOMPARE(first->selectedDate(), today.addDays(1));
    QCOMPARE(date1->text(), today.addDays(1).toString(QStringLiteral("MM/dd/yyyy")));
    QCOMPARE(label1->text(), QStringLiteral("Your first date is ") + date1->text());
    const QString oneDay = date3->text();

    // Tab reaches the second calendar, and comes back round to the first.
    const QList<QWidget*> round = tabRound();
    QVERIFY(!round.isEmpty());
    QWidget* inSecond = nullptr;
    for (QWidget* w : round)
        if (second->isAncestorOf(w) && w == second->focusProxy()) inSecond = w;
    QVERIFY(inSecond);
    inSecond->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Down);  // a week later
    QCOMPARE(second->selectedDate(), today.addDays(7));
    QVERIFY(label2->text().endsWith(today.addDays(7).toString(QStringLiteral("MM/dd/yyyy"))));
    QVERIFY(date3->text() != oneDay);
}

void TestKeyboard::frameByKeyboard()
{
    frame::MainFrame frame;
    frame.show();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    auto* area = frame.findChild<QMdiArea*>();
    QVERIFY(area);

    // Ctrl+letter opens each window, wherever the focus is: also in a box
    // of the window opened before, where Ctrl+A would otherwise select.
    for (const frame::WindowCommand& command : frame::kWindowCommands) {
        std::unique_ptr<QWidget> model = tabrix_test::open(command.window);
        QWidget* target = focused() ? focused() : &frame;
        QTest::keyClick(target, command.shortcut.key(), command.shortcut.keyboardModifiers());
        QMdiSubWindow* active = area->activeSubWindow();
        QVERIFY2(active && active->widget(), qPrintable(frame::toolbarText(command)));
        QCOMPARE(active->widget()->objectName(), model->objectName());
    }

    // F10 opens the File menu, and Right the Window menu beside it.
    QTest::keyClick(focused(), Qt::Key_F10);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    QTRY_COMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mwindow"));
    QApplication::activePopupWidget()->close();

    // F1 opens the help.
    QTest::keyClick(focused(), Qt::Key_F1);
    frame::HelpViewer* viewer = frame.aboutForm()->helpDialog()->viewer();
    QVERIFY(viewer && viewer->isVisible());
    viewer->close();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));

    // Alt+H opens the Help menu; its accelerator A opens the About box, whose
    // OK button has the focus: Enter closes it.
    QTest::keyClick(focused(), Qt::Key_H, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QTest::keyClick(menu, Qt::Key_A);
    frame::AboutForm* about = frame.aboutForm();
    QTRY_VERIFY(about->isVisible());
    // The closing menu hands the activation back to the frame on the
    // offscreen platform, after the box took it; a desktop leaves it there.
    QTRY_VERIFY(!QApplication::activePopupWidget());
    about->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), about);
    QCOMPARE(focused(), about->findChild<QPushButton*>(QStringLiteral("butAboutOKR")));
    QTest::keyClick(focused(), Qt::Key_Return);
    QVERIFY(!about->isVisible());
}

// Inside the frame, Tab and Shift+Tab go round the controls of the active
// window, as they do in the window alone, and never stop on its frame.
void TestKeyboard::tabStaysInsideAChildWindow()
{
    frame::MainFrame frame;
    frame.show();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    frame.showWindow(WindowId::Distance);
    QMdiSubWindow* sub = frame.findChild<QMdiArea*>()->activeSubWindow();
    QVERIFY(sub && sub->widget());
    const windows::WindowDescriptor& d = *windows::findDescriptor(WindowId::Distance);
    auto* value = sub->widget()->findChild<QLineEdit*>(QString::fromLatin1(d.names.valueBox));
    QTRY_COMPARE(focused(), value);

    // Every widget that takes the focus on the way, also for an instant: a
    // screen reader announces each one.
    QList<QWidget*> focusedOnTheWay;
    const QMetaObject::Connection watch =
        connect(qApp, &QApplication::focusChanged, this,
                [&](QWidget*, QWidget* now) { focusedOnTheWay.append(now); });
    const QList<QWidget*> forward = tabRound();
    QList<QWidget*> backward = backTabRound();
    disconnect(watch);
    QVERIFY(forward.size() > 2);
    QCOMPARE(backward.size(), forward.size());
    std::reverse(backward.begin() + 1, backward.end());
    QCOMPARE(backward, forward);
    for (QWidget* w : focusedOnTheWay)
        QVERIFY2(w && sub->widget()->isAncestorOf(w),
                 w ? w->metaObject()->className() : "no widget");
}

// Each key of the frame, shortcut or menu-bar letter, has one owner, and the
// window commands' keys, F1 and F12 the commands they are given to. A letter
// of the menu bar that a unit also has goes to the unit (categoryWindowByKeyboard).
void TestKeyboard::frameKeysHaveOneOwnerEach()
{
    frame::MainFrame frame;
    QMultiHash<QKeySequence, QString> owners;
    for (const QAction* action : frame.findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts())
            owners.insert(key, action->objectName());
    for (const QAction* menu : frame.menuBar()->actions())
        if (const QKeySequence letter = QKeySequence::mnemonic(menu->text()); !letter.isEmpty())
            owners.insert(letter, menu->objectName());
    for (const QKeySequence& key : owners.uniqueKeys())
        QVERIFY2(owners.count(key) == 1, qPrintable(owners.values(key).join(u' ')));
    for (const frame::WindowCommand& command : frame::kWindowCommands)
        QCOMPARE(owners.value(command.shortcut), QString::fromLatin1(command.menuName));
    QCOMPARE(owners.value(Qt::Key_F1), QStringLiteral("quorvelhelp"));
    QCOMPARE(owners.value(Qt::Key_F12), QStringLiteral("mfexit"));
}

QTEST_MAIN(TestKeyboard)
#include "keyboard_test.moc"
