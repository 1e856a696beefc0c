// The copy forms of result boxes and price labels, Use as Value, and the
// notes that tell how each number was made, through the real frame under a
// point and a comma locale.

#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "frame/main_frame.h"
#include "windows/announcer.h"
#include "windows/category_window.h"
#include "windows/reading_hint.h"
#include "windows/window_factory.h"

using windows::WindowId;

Q_DECLARE_METATYPE(WindowId)

namespace {

// The frame's own windows, with the locale's separators given rather than the machine's.
std::unique_ptr<frame::MainFrame> frameFor(const engine::NumberFormat& format)
{
    return std::make_unique<frame::MainFrame>(
        [format](WindowId id, const engine::NumberFormat&, QWidget* parent) {
            return windows::createWindow(id, format, parent);
        });
}

// Opens `control`'s context menu as the keyboard does and triggers the item
// named `item`; false when the menu lacks it or has it disabled.
bool triggerFromMenu(QWidget* control, const QString& item)
{
    bool triggered = false;
    QTimer::singleShot(0, control, [&] {
        QPointer<QMenu> menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        auto* action = menu->findChild<QAction*>(item);
        if (!action)
            for (QAction* offered : menu->actions())
                if (offered->objectName() == item) action = offered;
        triggered = action && action->isEnabled() && action->isVisible();
        menu->close();
        if (triggered) action->trigger();
    });
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(4, 4),
                              control->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(control, &request);  // a window's own menu runs its loop here
    QTest::qWait(1);                             // a box's menu pops up and waits
    return triggered;
}

}  // namespace

class TestResultCopy : public QObject {
    Q_OBJECT
private slots:
    void forms_data();
    void forms();
};

void TestResultCopy::forms_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("option");  // the source unit's option
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("control");
    // A menu item's name, or what is looked at: toolTip, description, status.
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("expected");  // the clipboard, or a part of the note

    const auto row = [](const char* name, const char* decimal, WindowId id, const char* option,
                        const char* value, const char* price, const char* control, const char* what,
                        const QString& expected) {
        QTest::newRow(name) << QString::fromLatin1(decimal) << id << QString::fromLatin1(option)
                            << QString::fromUtf8(value) << QString::fromLatin1(price)
                            << QString::fromLatin1(control) << QString::fromLatin1(what)
                            << expected;
    };
    const WindowId d = WindowId::Distance;
    const char* km = "OptionU1(9)";
    const char* mi = "TextU2(10)";
    for (const char* decimal : {".", ","}) {
        const bool comma = *decimal == ',';
        const QString miles = comma ? QStringLiteral("3,106855961") : QStringLiteral("3.106855961");
        const QByteArray c = comma ? "de " : "C ";
        row(c + "with unit", decimal, d, km, "5", "", mi, "CopyWithUnit", miles + " mi");
        row(c + "line", decimal, d, km, "5", "", mi, "CopyAsLine", "5 km = " + miles + " mi");
        row(c + "plain", decimal, d, km, "5", "", mi, "CopyPlainNumber", "3.106855961");
        row(c + "window's row line", decimal, d, km, "5", "", mi, "RowCopyAsLine",
            "5 km = " + miles + " mi");
        row(c + "use as value", decimal, d, km, "5", "", mi, "UseAsValue", "3.106855961");
        row(c + "tool tip", decimal, d, km, "5", "", mi, "toolTip",
            QStringLiteral("Miles = Kilometers × 0.6213711922"));
        row(c + "description", decimal, d, km, "5", "", mi, "description", "0.6213711922");
        row(c + "status bar", decimal, d, km, "5", "", mi, "status", "0.6213711922");
        row(c + "feet", decimal, d, "OptionU1(2)", "230", "", "TextU2(4)", "toolTip",
            QStringLiteral("≈ 7 ft 6 9/16 in"));
        row(c + "price with unit", decimal, d, "OptionU1(10)", "1", "2", "LabelU5(9)",
            "CopyWithUnit", comma ? "$1,24 per km" : "$1.24 per km");
        row(c + "price plain", decimal, d, "OptionU1(10)", "1", "2", "LabelU5(9)",
            "CopyPlainNumber", "1.24");
    }
    row("de line of what was read", ",", d, km, "1,5", "", mi, "CopyAsLine",
        "1 km = 0,6213711922 mi");
    row("de plain exponent", ",", d, km, "1234567890123456", "", "TextU2(9)", "CopyPlainNumber",
        "1.23456789012346E+15");
    row("infinity is no value", ".", d, km, "1e308", "", "TextU2(1)", "UseAsValue", "(disabled)");
    row("celsius", ".", WindowId::Temperature, "OptionW1(2)", "1", "", "TextW2(1)", "description",
        QStringLiteral("Fahrenheit = Celsius × 1.8 + 32"));
    row("pounds", ",", WindowId::Weight, "OptionZ1(6)", "1", "", "TextZ2(5)", "toolTip",
        QStringLiteral("≈ 2 lb 3,27 oz"));
    row("area side", ".", WindowId::Area, "OptionR1(6)", "4", "", "TextR2(4)", "toolTip",
        QStringLiteral("sq. Feet = (√sq. Meters × 3.280839895)²"));
    row("metric area", ".", WindowId::AreaMetric, "", "", "", "TextS2(4)", "toolTip",
        QStringLiteral("sq. Feet = (length × 0.03280839895) × (width × 0.03280839895)"));
    row("metric area with unit", ".", WindowId::AreaMetric, "", "", "", "TextS2(6)", "CopyWithUnit",
        "0 sq. Meters");
}

void TestResultCopy::forms()
{
    QFETCH(QString, decimal);
    QFETCH(WindowId, id);
    QFETCH(QString, option);
    QFETCH(QString, value);
    QFETCH(QString, price);
    QFETCH(QString, control);
    QFETCH(QString, what);
    QFETCH(QString, expected);

    const auto frame = frameFor({decimal.toStdString(), decimal == u'.' ? "," : "."});
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    frame->showWindow(id);
    auto* window = qobject_cast<windows::ChildWindow*>(QApplication::focusWidget()->parentWidget());
    QVERIFY(window);
    if (!option.isEmpty()) {
        window->findChild<QRadioButton*>(option)->click();
        window->findChild<QLineEdit*>(QStringLiteral("Text") + option.mid(6, 1) + u'1')
            ->setText(value);
    }
    if (!price.isEmpty()) window->findChild<QLineEdit*>(QStringLiteral("TextU3"))->setText(price);
    auto* target = window->findChild<QWidget*>(control);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);

    if (what == QLatin1String("toolTip")) {
        QVERIFY2(target->toolTip().contains(expected), qPrintable(target->toolTip()));
    } else if (what == QLatin1String("description")) {
        QVERIFY2(target->accessibleDescription().contains(expected),
                 qPrintable(target->accessibleDescription()));
    } else if (what == QLatin1String("status")) {
        const QString shown = frame->statusBar()->currentMessage();
        QVERIFY2(shown.contains(expected), qPrintable(shown));
    } else if (what == QLatin1String("UseAsValue")) {
        const bool used = triggerFromMenu(target, what);
        QCOMPARE(used, expected != QLatin1String("(disabled)"));
        if (!used) return;
        auto* valueBox = window->findChild<QLineEdit*>(QStringLiteral("TextU1"));
        QCOMPARE(valueBox->text(), expected);
        QVERIFY(window->findChild<QRadioButton*>(QStringLiteral("OptionU1(10)"))->isChecked());
        const auto* marker = valueBox->findChild<windows::HintMarker*>();
        QVERIFY(marker && marker->hint().isEmpty());
        QVERIFY(!target->toolTip().isEmpty());
    } else {
        QApplication::clipboard()->setText(QStringLiteral("before"));
        // The window's own menu offers the forms of the row with the focus.
        QWidget* menuOf = what.startsWith(QLatin1String("Row")) ? window : target;
        QVERIFY(triggerFromMenu(menuOf, what));
        QCOMPARE(QApplication::clipboard()->text(), expected);
        const auto* told = window->findChild<windows::Announcer*>(QStringLiteral("CopyAnnouncer"));
        QVERIFY(told);
        QCOMPARE(told->sentence(), QStringLiteral("Copied ") + expected);
    }
}

QTEST_MAIN(TestResultCopy)
#include "result_copy_test.moc"
