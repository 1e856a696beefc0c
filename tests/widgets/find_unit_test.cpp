// Finding a unit by its name through the real frame: Ctrl+K and Find Unit,
// and the start-up arguments, which reach the frame the same way.

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTest>

#include <string>
#include <string_view>
#include <vector>

#include "frame/find_unit_box.h"
#include "frame/main_frame.h"
#include "frame/open_unit.h"
#include "frame/start_request.h"
#include "tests/widgets/widget_test_helpers.h"

class TestFindUnit : public QObject {
    Q_OBJECT

private slots:
    void takesTheUnitItNames_data();
    void takesTheUnitItNames();
    void arrowsMoveAndEscapeCloses();
    void refusesArgumentsItCannotCarryOut();
};

namespace {

QWidget* focused() { return QApplication::focusWidget(); }

frame::FindUnitBox* findUnit(const frame::MainFrame& frame)
{
    return frame.findChild<frame::FindUnitBox*>(QStringLiteral("FindUnit"));
}

frame::ParsedStart parse(const QString& line)
{
    std::vector<std::string> words;
    for (const QString& word : line.split(u' ', Qt::SkipEmptyParts))
        words.push_back(word.toStdString());
    const std::vector<std::string_view> arguments(words.begin(), words.end());
    return frame::parseStartArguments(arguments);
}

// The frame, shown and active, with the focus in a box of an open window,
// where Ctrl+K would otherwise delete to the end of the line.
void startWithDensityOpen(frame::MainFrame& frame)
{
    QVERIFY(tabrix_test::showActive(frame));
    frame.showWindow(windows::WindowId::Density);
    QVERIFY(focused() && focused()->objectName() == QLatin1String("Text550"));
}

}  // namespace

void TestFindUnit::takesTheUnitItNames_data()
{
    QTest::addColumn<QString>("query");      // typed after Ctrl+K
    QTest::addColumn<QString>("arguments");  // or given on the command line
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("valueBox");
    QTest::addColumn<QString>("value");  // its text then
    QTest::addColumn<QString>("focus");

    QTest::newRow("torr") << "torr"
                          << ""
                          << "Form10"
                          << "Option351(12)"
                          << "Text350"
                          << "0"
                          << "Text350";
    QTest::newRow("760 torr") << "760 torr"
                              << ""
                              << "Form10"
                              << "Option351(12)"
                              << "Text350"
                              << "760"
                              << "Text350";
    QTest::newRow("5 km in mi") << "5 km in mi"
                                << ""
                                << "Form4"
                                << "OptionU1(9)"
                                << "TextU1"
                                << "5"
                                << "TextU2(10)";
    QTest::newRow("--open") << ""
                            << "--open distance --unit km --value 5"
                            << "Form4"
                            << "OptionU1(9)"
                            << "TextU1"
                            << "5"
                            << "TextU1";
    QTest::newRow("--to") << ""
                          << "--open WEIGHT --unit 2 --value 3 --to kg"
                          << "Form9"
                          << "OptionZ1(2)"
                          << "TextZ1"
                          << "3"
                          << "TextZ2(6)";
    // Find Unit opens with the query typed; the user adds the unit.
    QTest::newRow("--find") << ""
                            << "--find 760"
                            << "Form10"
                            << "Option351(12)"
                            << "Text350"
                            << "760"
                            << "Text350";
}

void TestFindUnit::takesTheUnitItNames()
{
    QFETCH(QString, query);
    QFETCH(QString, arguments);
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QString, valueBox);
    QFETCH(QString, value);
    QFETCH(QString, focus);

    frame::MainFrame frame;
    startWithDensityOpen(frame);
    if (arguments.isEmpty()) {
        QTest::keyClick(focused(), Qt::Key_K, Qt::ControlModifier);
    } else {
        const frame::ParsedStart start = parse(arguments);
        QVERIFY2(start.request, start.error.c_str());
        frame::carryOut(frame, *start.request);
    }
    if (frame::FindUnitBox* box = findUnit(frame); box && box->isVisible()) {
        QTRY_COMPARE(QApplication::activeWindow(), box);
        QCOMPARE(focused()->objectName(), QStringLiteral("FindUnitText"));
        if (arguments.isEmpty()) {
            QTest::keyClicks(focused(), query);
        } else {
            QTest::keyClick(focused(), Qt::Key_End);
            QTest::keyClicks(focused(), QStringLiteral(" torr"));
        }
        QVERIFY(!box->rows().isEmpty());
        QTest::keyClick(focused(), Qt::Key_Return);
        QVERIFY(!box->isVisible());
    }

    QTRY_COMPARE(QApplication::activeWindow(), &frame);
    QMdiSubWindow* active = frame.findChild<QMdiArea*>()->activeSubWindow();
    QVERIFY(active);
    QCOMPARE(active->widget()->objectName(), window);
    auto* picked = active->widget()->findChild<QRadioButton*>(option);
    QVERIFY(picked && picked->isChecked());
    QCOMPARE(active->widget()->findChild<QLineEdit*>(valueBox)->text(), value);
    QCOMPARE(focused()->objectName(), focus);
    auto* box = qobject_cast<QLineEdit*>(focused());
    QCOMPARE(box->selectedText(), box->text());
}

void TestFindUnit::arrowsMoveAndEscapeCloses()
{
    frame::MainFrame frame;
    startWithDensityOpen(frame);
    QTest::keyClick(focused(), Qt::Key_K, Qt::ControlModifier);
    frame::FindUnitBox* box = findUnit(frame);
    QTRY_COMPARE(QApplication::activeWindow(), box);
    QTest::keyClicks(focused(), QStringLiteral("oz"));
    auto* list = box->findChild<QListWidget*>(QStringLiteral("FindUnitList"));
    QVERIFY(list->count() >= 3);
    QCOMPARE(list->currentRow(), 0);
    QTest::keyClick(focused(), Qt::Key_Down);
    QCOMPARE(list->currentRow(), 1);
    QTest::keyClick(focused(), Qt::Key_Up);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(focused()->objectName(), QStringLiteral("FindUnitText"));

    // A screen reader hears the row as its accessible name.
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), QStringLiteral("torr"));
    QCOMPARE(list->currentItem()->data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Torrs, torr, Pressure"));

    QTest::keyClick(focused(), Qt::Key_Escape);
    QVERIFY(!box->isVisible());
    QCOMPARE(frame.findChild<QMdiArea*>()->subWindowList().size(), 1);  // Density alone
}

void TestFindUnit::refusesArgumentsItCannotCarryOut()
{
    for (const char* line :
         {"--open Mercury", "--open pressure --unit zzqx", "--open energy --unit btu", "--unit km",
          "--open", "--find x --to m"}) {
        const frame::ParsedStart start = parse(QString::fromLatin1(line));
        QVERIFY2(!start.request, line);
        QVERIFY2(start.error.starts_with("tabrix: "), line);
    }
    // The units to choose from, to the last.
    QVERIFY(parse(QStringLiteral("--open pressure --unit zzqx"))
                .error.ends_with("  12  Torrs (torr)\n"));
    // The toolkit's own options are left to it.
    const frame::ParsedStart plain = parse(QStringLiteral("-style fusion"));
    QVERIFY(plain.request && plain.request->kind == frame::StartRequest::Kind::Frame);
}

QTEST_MAIN(TestFindUnit)
#include "find_unit_test.moc"
