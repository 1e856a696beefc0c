// The copy forms of result boxes and price labels, Use as Value, and the
// notes that tell how each number was made, through the real frame under a
// point and a comma locale.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "frame/main_frame.h"
#include "tests/widgets/widget_test_helpers.h"
#include "windows/announcer.h"
#include "windows/area_dimensions_window.h"
#include "windows/descriptors.h"
#include "windows/reading_hint.h"
#include "windows/window_factory.h"

using windows::WindowId;

namespace {

struct Row {
    const char* name;
    bool comma;  // the decimal separator: "," (grouping ".") or "."
    WindowId id;
    const char* option;  // the source unit's option; none for an area-from-sides window
    const char* value;
    const char* control;
    // A menu item to trigger, its result on the clipboard; or "note": a part
    // of the tool tip, the accessible description and the status bar alike.
    const char* what;
    const char* expected;
    const char* price = "";
};

const WindowId kDist = WindowId::Distance;
const Row kRows[] = {
    {"C with unit", false, kDist, "OptionU1(9)", "5", "TextU2(10)", "CopyWithUnit",
     "3.106855961 mi"},
    {"de with unit", true, kDist, "OptionU1(9)", "5", "TextU2(10)", "CopyWithUnit",
     "3,106855961 mi"},
    {"C line", false, kDist, "OptionU1(9)", "5", "TextU2(10)", "CopyAsLine",
     "5 km = 3.106855961 mi"},
    {"de line", true, kDist, "OptionU1(9)", "5", "TextU2(10)", "CopyAsLine",
     "5 km = 3,106855961 mi"},
    {"de line of what was read", true, kDist, "OptionU1(9)", "1,5", "TextU2(10)", "CopyAsLine",
     "1 km = 0,6213711922 mi"},
    {"de window's row line", true, kDist, "OptionU1(9)", "5", "TextU2(10)", "RowCopyAsLine",
     "5 km = 3,106855961 mi"},
    {"C plain", false, kDist, "OptionU1(9)", "5", "TextU2(10)", "CopyPlainNumber", "3.106855961"},
    {"de plain", true, kDist, "OptionU1(9)", "5", "TextU2(10)", "CopyPlainNumber", "3.106855961"},
    {"de plain exponent", true, kDist, "OptionU1(9)", "1234567890123456", "TextU2(9)",
     "CopyPlainNumber", "1.23456789012346E+15"},
    {"C use as value", false, kDist, "OptionU1(9)", "5", "TextU2(10)", "UseAsValue", "3.106855961"},
    {"de use as value", true, kDist, "OptionU1(9)", "5", "TextU2(10)", "UseAsValue", "3.106855961"},
    {"infinity is no value", false, kDist, "OptionU1(9)", "1e308", "TextU2(1)", "UseAsValue",
     nullptr},
    {"C price with unit", false, kDist, "OptionU1(10)", "1", "LabelU5(9)", "CopyWithUnit",
     "$1.24 per km", "2"},
    {"de price with unit", true, kDist, "OptionU1(10)", "1", "LabelU5(9)", "CopyWithUnit",
     "$1,24 per km", "2"},
    {"de price plain", true, kDist, "OptionU1(10)", "1", "LabelU5(9)", "CopyPlainNumber", "1.24",
     "2"},
    {"metric area with unit", false, WindowId::AreaMetric, "", "", "TextS2(6)", "CopyWithUnit",
     "0 sq. Meters"},
    {"C miles", false, kDist, "OptionU1(9)", "5", "TextU2(10)", "note",
     "Miles = Kilometers × 0.6213711922"},
    {"de miles", true, kDist, "OptionU1(9)", "5", "TextU2(10)", "note", "0.6213711922"},
    {"de feet", true, kDist, "OptionU1(2)", "230", "TextU2(4)", "note", "≈ 7 ft 6 9/16 in"},
    {"celsius", false, WindowId::Temperature, "OptionW1(2)", "1", "TextW2(1)", "note",
     "Fahrenheit = Celsius × 1.8 + 32"},
    {"de pounds", true, WindowId::Weight, "OptionZ1(6)", "1", "TextZ2(5)", "note",
     "≈ 2 lb 3,27 oz"},
    {"area side", false, WindowId::Area, "OptionR1(6)", "4", "TextR2(4)", "note",
     "sq. Feet = (√sq. Meters × 3.280839895)²"},
    {"metric area", false, WindowId::AreaMetric, "", "", "TextS2(4)", "note",
     "sq. Feet = (length × 0.03280839895) × (width × 0.03280839895)"},
};

// Opens `control`'s context menu as the keyboard does and triggers the item
// named `item`; false when the menu lacks it or has it disabled.
bool triggerFromMenu(QWidget* control, const QString& item)
{
    bool triggered = false;
    QTimer picker;
    picker.setSingleShot(true);
    QObject::connect(&picker, &QTimer::timeout, control, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QAction* action = nullptr;
        for (QAction* offered : menu ? menu->actions() : QList<QAction*>())
            if (offered->objectName() == item) action = offered;
        triggered = action && action->isEnabled() && action->isVisible();
        if (menu) menu->close();
        if (triggered) action->trigger();
    });
    picker.start(0);
    tabrix_test::openContextMenu(*control);  // a window's own menu runs its loop here
    QTest::qWait(1);                         // a box's menu pops up and waits
    return triggered;
}

}  // namespace

class TestResultCopy : public QObject {
    Q_OBJECT
private slots:
    void forms_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kRows)); ++i) QTest::newRow(kRows[i].name) << i;
    }

    void forms()
    {
        QFETCH(int, index);
        const Row& row = kRows[index];
        const engine::NumberFormat& format =
            row.comma ? tabrix_test::kCommaFormat : tabrix_test::kPointFormat;
        frame::MainFrame frame(
            [&format](WindowId id, const engine::NumberFormat&, QWidget* parent) {
                return windows::createWindow(id, format, parent);
            });
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        frame.showWindow(row.id);
        auto* window =
            frame.findChild<QWidget*>(QString::fromLatin1(windows::windowObjectName(row.id)));
        QVERIFY(window);
        const QString option = QString::fromLatin1(row.option);
        auto* valueBox =
            window->findChild<QLineEdit*>(QStringLiteral("Text") + option.mid(6, 1) + u'1');
        if (!option.isEmpty()) {
            window->findChild<QRadioButton*>(option)->click();
            valueBox->setText(QString::fromUtf8(row.value));
        }
        if (*row.price) window->findChild<QLineEdit*>("TextU3")->setText(row.price);
        auto* target = window->findChild<QWidget*>(QString::fromLatin1(row.control));
        QVERIFY(target);
        target->setFocus(Qt::TabFocusReason);
        const QString what = QString::fromLatin1(row.what);
        const QString expected = QString::fromUtf8(row.expected);

        if (what == u"note") {
            for (const QString& note : {target->toolTip(), target->accessibleDescription(),
                                        frame.statusBar()->currentMessage()})
                QVERIFY2(note.contains(expected), qPrintable(note));
        } else if (what == u"UseAsValue") {
            QCOMPARE(triggerFromMenu(target, what), row.expected != nullptr);
            if (!row.expected) return;
            QCOMPARE(valueBox->text(), expected);
            QVERIFY(window->findChild<QRadioButton*>("OptionU1(10)")->isChecked());
            QVERIFY(valueBox->findChild<windows::HintMarker*>()->hint().isEmpty());
        } else {
            QApplication::clipboard()->setText(QStringLiteral("before"));
            // The window's own menu offers the forms of the row with the focus.
            QVERIFY(triggerFromMenu(what.startsWith(u"Row") ? window : target, what));
            QCOMPARE(QApplication::clipboard()->text(), expected);
            const auto* told = window->findChild<windows::Announcer*>("CopyAnnouncer");
            QCOMPARE(told ? told->sentence() : QString(), QStringLiteral("Copied ") + expected);
        }
    }
};

QTEST_MAIN(TestResultCopy)
#include "result_copy_test.moc"
