#include <cstdlib>
#include <utility>

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "tests/widgets/widget_test_helpers.h"
#include "windows/area_dimensions_window.h"
#include "windows/window_factory.h"

using windows::AreaDimensionsWindow;
using windows::WindowId;
using namespace tabrix_test;

namespace {

QLineEdit* box(QWidget& window, const char* base, int index)
{
    return window.findChild<QLineEdit*>(indexed(base, index));
}

// Types into a field as the user does: focus, select all, keys.
void type(QWidget& window, const char* base, int index, const QString& keys)
{
    QLineEdit* field = box(window, base, index);
    QVERIFY(field);
    field->setFocus(Qt::TabFocusReason);
    tabrix_test::type(field, keys);
}

}  // namespace

class TestAreaDimensionsWindow : public QObject {
    Q_OBJECT
private slots:
    void namesEveryControl_data();
    void namesEveryControl();
    void opensWithoutComputing();
    void metricOneMetreByTwoMetres();
    void standardOneYardByOneYard();
    void typingBelowOneEmptiesTheField();
    void workBoxesAreWrittenOncePerChange();
    void changeOfAWorkBoxComputesAnew();
    void resultBoxesRefuseEdits();
    void tabbingIntoAResultRecomputesThenSelects();
    void fieldFocusSelectsFromTheStart_data();
    void fieldFocusSelectsFromTheStart();
    void firstFieldHasTheFocusWhenShown();
    void faultKeepsTheResultsAndIsReported();
    void decimalCommaResults();
    void buttonsAskForTheOtherWindows();
    void factoryCreatesBothWindows();
    void resultBoxesShowTheLongestResultWhole();
};

void TestAreaDimensionsWindow::namesEveryControl_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QSize>("size");
    QTest::newRow("Form2") << 0 << "S"
                           << "Form2"
                           << "Area - Metric"
                           << "    km   +  meters  +  cm"
                           << "Calculate &Standard" << QSize(292, 363);
    QTest::newRow("Form3") << 1 << "T"
                           << "Form3"
                           << "Area - Standard"
                           << "   Miles +   Yards +  Inches"
                           << "Calculate &Metric" << QSize(303, 365);
}

void TestAreaDimensionsWindow::namesEveryControl()
{
    QFETCH(int, which);
    QFETCH(QString, letter);
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    QFETCH(QString, second);
    QFETCH(QSize, size);
    AreaDimensionsWindow window(which == 0 ? windows::metricDimensionsDescriptor()
                                           : windows::standardDimensionsDescriptor(),
                                kPointFormat);
    QCOMPARE(window.objectName(), name);
    QCOMPARE(window.windowTitle(), title);
    // The window's client size, wider only where the fonts need it.
    QCOMPARE(window.height(), size.height());
    QVERIFY(window.width() >= size.width());

    auto label = [&](const QString& n) { return window.findChild<QLabel*>(n); };
    QVERIFY(window.findChild<QFrame*>("Frame" + letter));
    QVERIFY(window.findChild<QFrame*>("Shape" + letter + "1"));
    QVERIFY(label("Label" + letter + "1"));
    QCOMPARE(label("Label" + letter + "1")->text(), heading);
    QCOMPARE(label("Label" + letter + "3")->text(), QStringLiteral("Enter a Length"));
    QCOMPARE(label("Label" + letter + "4")->text(), QStringLiteral("Enter a Width"));
    QCOMPARE(window.findChild<QPushButton*>("Cmd" + letter + "1")->text(),
             QStringLiteral("Back to &Area"));
    QCOMPARE(window.findChild<QPushButton*>("Cmd" + letter + "2")->text(), second);

    const QString fields = "Text" + letter + "1";
    for (int k = 1; k <= 9; ++k) {
        auto* field = window.findChild<QLineEdit*>(indexed(fields.toLatin1().constData(), k));
        QVERIFY2(field, qPrintable(QString::number(k)));
        QCOMPARE(field->isHidden(), k >= 7);  // the work boxes are never seen
        if (k <= 6) QCOMPARE(field->maxLength(), 21);
    }
    // Each row's label is given its row's first field (the box a reader
    // hears it labels), and stands level with it.
    for (const auto& [row, first] : {std::pair{3, 1}, {4, 4}}) {
        const QLabel* rowLabel = label("Label" + letter + QString::number(row));
        const QWidget* buddy = rowLabel->buddy();
        QVERIFY(buddy);
        QCOMPARE(buddy->objectName(), indexed(fields.toLatin1().constData(), first));
        QVERIFY(std::abs(rowLabel->geometry().center().y() - buddy->geometry().center().y()) <= 1);
    }
    const char* captions[] = {"sq. Millimeters", "sq. Centimeters", "sq. Inches", "sq. Feet",
                              "sq. Yards",       "sq. Meters",      "sq. Rods",   "sq. Acres",
                              "sq. Kilometers",  "sq. Miles"};
    const QByteArray results = ("Text" + letter + "2").toLatin1();
    const QByteArray labels = ("Label" + letter + "2").toLatin1();
    const QRect frame = window.findChild<QFrame*>("Frame" + letter)->geometry();
    for (int k = 1; k <= 10; ++k) {
        auto* result = window.findChild<QLineEdit*>(indexed(results.constData(), k));
        QVERIFY(result);
        QVERIFY2(frame.contains(result->geometry()), qPrintable(result->objectName()));
        auto* unit = window.findChild<QLabel*>(indexed(labels.constData(), k));
        QVERIFY(unit);
        QCOMPARE(unit->text(), QString::fromLatin1(captions[k - 1]));
        // The unit's name stands level with its result.
        QVERIFY2(std::abs(unit->geometry().center().y() - result->geometry().center().y()) <= 1,
                 qPrintable(unit->objectName()));
    }
}

void TestAreaDimensionsWindow::opensWithoutComputing()
{
    AreaDimensionsWindow window(windows::metricDimensionsDescriptor(), kPointFormat);
    for (int k = 1; k <= 9; ++k) QCOMPARE(box(window, "TextS1", k)->text(), QString());
    for (int k = 1; k <= 10; ++k) QCOMPARE(box(window, "TextS2", k)->text(), QStringLiteral("0"));
}

void TestAreaDimensionsWindow::metricOneMetreByTwoMetres()
{
    AreaDimensionsWindow window(windows::metricDimensionsDescriptor(), kPointFormat);
    type(window, "TextS1", 2, "1");
    type(window, "TextS1", 5, "2");
    QCOMPARE(box(window, "TextS1", 7)->text(), QStringLiteral("100"));
    QCOMPARE(box(window, "TextS1", 8)->text(), QStringLiteral("200"));
    QCOMPARE(box(window, "TextS1", 9)->text(), QStringLiteral("20000"));
    QCOMPARE(box(window, "TextS2", 1)->text(), QStringLiteral("2000000"));
    QCOMPARE(box(window, "TextS2", 2)->text(), QStringLiteral("20000"));
    QCOMPARE(box(window, "TextS2", 6)->text(), QStringLiteral("2"));
    QCOMPARE(window.lastStatus(), engine::EvalStatus::Ok);
}

void TestAreaDimensionsWindow::standardOneYardByOneYard()
{
    AreaDimensionsWindow window(windows::standardDimensionsDescriptor(), kPointFormat);
    type(window, "TextT1", 2, "1");
    type(window, "TextT1", 5, "1");
    QCOMPARE(box(window, "TextT2", 3)->text(), QStringLiteral("1296"));
    QCOMPARE(box(window, "TextT2", 4)->text(), QStringLiteral("9"));
    QCOMPARE(box(window, "TextT2", 5)->text(), QStringLiteral("1"));
    // A square yard is 1 / 3097600 of a square mile.
    QCOMPARE(box(window, "TextT2", 10)->text(), QStringLiteral("3.22830578512397E-07"));
}

void TestAreaDimensionsWindow::typingBelowOneEmptiesTheField()
{
    AreaDimensionsWindow window(windows::metricDimensionsDescriptor(), kPointFormat);
    QLineEdit* field = box(window, "TextS1", 1);

    type(window, "TextS1", 1, "0");
    QCOMPARE(field->text(), QString());
    type(window, "TextS1", 1, "15");
    QCOMPARE(field->text(), QStringLiteral("15"));
    QCOMPARE(box(window, "TextS1", 7)->text(), QStringLiteral("1500000"));

    // Each keystroke is judged alone: "0" and "." are emptied in turn.
    type(window, "TextS1", 1, "0.5");
    QCOMPARE(field->text(), QStringLiteral("5"));
    type(window, "TextS1", 1, "-2");
    QCOMPARE(field->text(), QStringLiteral("2"));

    // A pasted text below 1 goes at once, whatever it holds.
    for (const char* text : {"0.5", "abc", "-7"}) {
        field->setText(QString::fromLatin1(text));
        QCOMPARE(field->text(), QString());
        QCOMPARE(box(window, "TextS1", 7)->text(), QStringLiteral("0"));
    }
}

void TestAreaDimensionsWindow::workBoxesAreWrittenOncePerChange()
{
    AreaDimensionsWindow window(windows::metricDimensionsDescriptor(), kPointFormat);
    QSignalSpy length(box(window, "TextS1", 7), &QLineEdit::textChanged);
    QSignalSpy width(box(window, "TextS1", 8), &QLineEdit::textChanged);
    QSignalSpy area(box(window, "TextS1", 9), &QLineEdit::textChanged);
    QSignalSpy result(box(window, "TextS2", 2), &QLineEdit::textChanged);

    box(window, "TextS1", 2)->setText(QStringLiteral("1"));
    QCOMPARE(length.count(), 1);
    QCOMPARE(width.count(), 1);
    QCOMPARE(area.count(), 1);
    QCOMPARE(result.count(), 0);  // with no width the area stays "0"

    // The width changes; the length stays and is not written again.
    box(window, "TextS1", 5)->setText(QStringLiteral("2"));
    QCOMPARE(length.count(), 1);
    QCOMPARE(width.count(), 2);
    QCOMPARE(area.count(), 2);
    QCOMPARE(result.count(), 1);
    QCOMPARE(result.last().first().toString(), QStringLiteral("20000"));
}

void TestAreaDimensionsWindow::changeOfAWorkBoxComputesAnew()
{
    AreaDimensionsWindow window(windows::standardDimensionsDescriptor(), kPointFormat);
    box(window, "TextT1", 3)->setText(QStringLiteral("12"));
    box(window, "TextT1", 6)->setText(QStringLiteral("12"));
    QCOMPARE(box(window, "TextT2", 4)->text(), QStringLiteral("1"));

    // The hidden boxes belong to the same array: a change there is computed
    // over, from the fields, at once.
    box(window, "TextT1", 7)->setText(QStringLiteral("999"));
    QCOMPARE(box(window, "TextT1", 7)->text(), QStringLiteral("12"));
    box(window, "TextT1", 9)->setText(QString());
    QCOMPARE(box(window, "TextT1", 9)->text(), QStringLiteral("144"));
}

void TestAreaDimensionsWindow::resultBoxesRefuseEdits()
{
    AreaDimensionsWindow window(windows::metricDimensionsDescriptor(), kPointFormat);
    QVERIFY(showActive(window));
    type(window, "TextS1", 2, "3");
    QLineEdit* result = box(window, "TextS2", 2);
    result->setFocus(Qt::TabFocusReason);
    QCOMPARE(result->text(), QStringLiteral("0"));

    QTest::keyClicks(result, "12");
    QTest::keyClick(result, Qt::Key_Delete);
    QTest::keyClick(result, Qt::Key_Backspace);
    QApplication::clipboard()->setText(QStringLiteral("77"));
    QTest::keyClick(result, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(result, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(result->text(), QStringLiteral("0"));
}

void TestAreaDimensionsWindow::tabbingIntoAResultRecomputesThenSelects()
{
    AreaDimensionsWindow window(windows::metricDimensionsDescriptor(), kPointFormat);
    QSignalSpy computed(&window, &AreaDimensionsWindow::evaluationSucceeded);
    QVERIFY(showActive(window));
    QLineEdit* last = box(window, "TextS1", 6);
    last->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), last);
    QCOMPARE(computed.count(), 0);
    QCOMPARE(box(window, "TextS1", 7)->text(), QString());

    // Tab from the last field lands on result box 1: the area, never
    // computed so far, is computed before the box selects its text.
    QTest::keyClick(last, Qt::Key_Tab);
    QLineEdit* first = box(window, "TextS2", 1);
    QCOMPARE(QApplication::focusWidget(), first);
    QCOMPARE(computed.count(), 1);
    QCOMPARE(box(window, "TextS1", 7)->text(), QStringLiteral("0"));
    QCOMPARE(box(window, "TextS1", 9)->text(), QStringLiteral("0"));
    QCOMPARE(first->selectedText(), QStringLiteral("0"));

    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box(window, "TextS2", 2));
    QCOMPARE(computed.count(), 2);
    QCOMPARE(box(window, "TextS2", 2)->selectedText(), QStringLiteral("0"));

    // A click is a visit too, and keeps the selection the focus made.
    type(window, "TextS1", 2, "1");
    type(window, "TextS1", 5, "2");
    const int before = computed.count();
    QLineEdit* sixth = box(window, "TextS2", 6);
    QTest::mouseClick(sixth, Qt::LeftButton, {}, sixth->rect().center());
    QCOMPARE(QApplication::focusWidget(), sixth);
    QCOMPARE(computed.count(), before + 1);
    QCOMPARE(sixth->selectedText(), QStringLiteral("2"));
}

void TestAreaDimensionsWindow::fieldFocusSelectsFromTheStart_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("selected");
    QTest::newRow("Form2 selects 21") << 0 << "123456";
    QTest::newRow("Form3 selects 4") << 1 << "1234";
}

void TestAreaDimensionsWindow::fieldFocusSelectsFromTheStart()
{
    QFETCH(int, which);
    QFETCH(QString, selected);
    AreaDimensionsWindow window(which == 0 ? windows::metricDimensionsDescriptor()
                                           : windows::standardDimensionsDescriptor(),
                                kPointFormat);
    const char* base = which == 0 ? "TextS1" : "TextT1";
    QVERIFY(showActive(window));
    box(window, base, 2)->setText(QStringLiteral("123456"));
    QLineEdit* from = box(window, base, 1);
    from->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(from, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box(window, base, 2));
    QCOMPARE(box(window, base, 2)->selectedText(), selected);
    QCOMPARE(box(window, base, 2)->selectionStart(), 0);

    // Typing replaces only what is selected.
    QTest::keyClicks(box(window, base, 2), "9");
    QCOMPARE(box(window, base, 2)->text(),
             which == 0 ? QStringLiteral("9") : QStringLiteral("956"));
}

void TestAreaDimensionsWindow::firstFieldHasTheFocusWhenShown()
{
    AreaDimensionsWindow window(windows::standardDimensionsDescriptor(), kPointFormat);
    QVERIFY(showActive(window));
    QCOMPARE(QApplication::focusWidget(), box(window, "TextT1", 1));
}

void TestAreaDimensionsWindow::faultKeepsTheResultsAndIsReported()
{
    AreaDimensionsWindow window(windows::metricDimensionsDescriptor(), kPointFormat);
    QSignalSpy failed(&window, &AreaDimensionsWindow::evaluationFailed);
    type(window, "TextS1", 2, "1");
    type(window, "TextS1", 5, "2");
    QCOMPARE(failed.count(), 0);

    // 1E+304 km is beyond any double in centimetres: the length is infinite.
    box(window, "TextS1", 1)->setText(QStringLiteral("1e304"));
    QCOMPARE(window.lastStatus(), engine::EvalStatus::Overflow);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(box(window, "TextS1", 7)->text(), QStringLiteral("Infinity"));
    QCOMPARE(box(window, "TextS2", 2)->text(), QStringLiteral("20000"));

    box(window, "TextS1", 1)->setText(QString());
    QCOMPARE(window.lastStatus(), engine::EvalStatus::Ok);
    QCOMPARE(box(window, "TextS2", 2)->text(), QStringLiteral("20000"));
}

void TestAreaDimensionsWindow::decimalCommaResults()
{
    AreaDimensionsWindow window(windows::metricDimensionsDescriptor(), kCommaFormat);
    type(window, "TextS1", 2, "1");
    type(window, "TextS1", 3, "5");
    type(window, "TextS1", 6, "1.5");
    QCOMPARE(box(window, "TextS1", 8)->text(), QStringLiteral("1,5"));
    QCOMPARE(box(window, "TextS2", 2)->text(), QStringLiteral("157,5"));
}

void TestAreaDimensionsWindow::buttonsAskForTheOtherWindows()
{
    const struct {
        const windows::AreaDimensionsDescriptor* descriptor;
        const char* first;
        const char* second;
        WindowId secondTarget;
    } cases[] = {
        {&windows::metricDimensionsDescriptor(), "CmdS1", "CmdS2", WindowId::AreaStandard},
        {&windows::standardDimensionsDescriptor(), "CmdT1", "CmdT2", WindowId::AreaMetric},
    };
    for (const auto& c : cases) {
        AreaDimensionsWindow window(*c.descriptor, kPointFormat);
        window.show();
        std::vector<WindowId> asked;
        connect(&window, &AreaDimensionsWindow::openRequested, &window,
                [&asked](WindowId id) { asked.push_back(id); });
        QTest::mouseClick(window.findChild<QPushButton*>(c.first), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton*>(c.second), Qt::LeftButton);
        QCOMPARE(asked, (std::vector<WindowId>{WindowId::Area, c.secondTarget}));
        QVERIFY(window.isVisible());
    }
}

void TestAreaDimensionsWindow::factoryCreatesBothWindows()
{
    std::unique_ptr<QWidget> metric(windows::createWindow(WindowId::AreaMetric, kPointFormat));
    std::unique_ptr<QWidget> standard(windows::createWindow(WindowId::AreaStandard, kPointFormat));
    QCOMPARE(metric->objectName(), QStringLiteral("Form2"));
    QCOMPARE(standard->objectName(), QStringLiteral("Form3"));
    QVERIFY(qobject_cast<AreaDimensionsWindow*>(metric.get()));

    // Inside a frame's area the child keeps its own size.
    QMdiArea area;
    area.resize(800, 600);
    QMdiSubWindow* sub = area.addSubWindow(metric.release());
    area.show();
    sub->show();
    QCOMPARE(sub->widget()->size(), sub->widget()->sizeHint());
    QCOMPARE(sub->widget()->height(), 363);
}

void TestAreaDimensionsWindow::resultBoxesShowTheLongestResultWhole()
{
    for (const auto* descriptor :
         {&windows::metricDimensionsDescriptor(), &windows::standardDimensionsDescriptor()}) {
        AreaDimensionsWindow window(*descriptor, kPointFormat);
        const char* base =
            descriptor == &windows::metricDimensionsDescriptor() ? "TextS2" : "TextT2";
        for (int k = 1; k <= 10; ++k) {
            QLineEdit* result = box(window, base, k);
            const int needed =
                result->fontMetrics().horizontalAdvance(QStringLiteral("1.23456789012345E+100"));
            // The frame and the text margins take a few pixels on each side.
            QVERIFY2(needed + 10 <= result->width(), qPrintable(result->objectName()));
            QVERIFY(result->geometry().right() < window.width());
        }
    }
}

QTEST_MAIN(TestAreaDimensionsWindow)
#include "area_dimensions_test.moc"
