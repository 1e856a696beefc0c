// The Area window's own controls: the two buttons that ask for the windows
// computing an area from a length and a width, and the hidden side box.

#include <memory>
#include <vector>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/widgets/widget_test_helpers.h"
#include "windows/category_window.h"
#include "windows/window_factory.h"

using windows::CategoryWindow;
using windows::WindowId;

class TestAreaExtension : public QObject {
    Q_OBJECT
private slots:
    void buttonsStandBelowTheRows();
    void buttonsAskForTheDimensionWindows();
    void sideBoxHoldsTheSideOfTheSquare();
};

void TestAreaExtension::buttonsStandBelowTheRows()
{
    auto window = tabrix_test::open<CategoryWindow>(WindowId::Area);
    QVERIFY(window);
    auto* metric = window->findChild<QPushButton*>(QStringLiteral("CmdR1"));
    auto* standard = window->findChild<QPushButton*>(QStringLiteral("CmdR2"));
    QVERIFY(metric && standard);
    QCOMPARE(metric->text(), QStringLiteral("Calculate &Metric"));
    QCOMPARE(standard->text(), QStringLiteral("Calculate &Standard"));

    // Side by side, under the last result row, inside the window.
    auto* lastRow = window->findChild<QLineEdit*>(windows::indexedName("TextR2", 11));
    QVERIFY(lastRow);
    QVERIFY(metric->geometry().top() > lastRow->geometry().bottom());
    QCOMPARE(metric->geometry().top(), standard->geometry().top());
    QVERIFY(metric->geometry().right() < standard->geometry().left());
    QVERIFY(QRect(QPoint(0, 0), window->sizeHint()).contains(standard->geometry()));
    QVERIFY(QRect(QPoint(0, 0), window->sizeHint()).contains(metric->geometry()));
}

void TestAreaExtension::buttonsAskForTheDimensionWindows()
{
    auto window = tabrix_test::open<CategoryWindow>(WindowId::Area);
    window->show();
    std::vector<WindowId> asked;
    connect(window.get(), &CategoryWindow::openRequested, window.get(),
            [&asked](WindowId id) { asked.push_back(id); });
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("CmdR1")), Qt::LeftButton);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("CmdR2")), Qt::LeftButton);
    QCOMPARE(asked, (std::vector<WindowId>{WindowId::AreaMetric, WindowId::AreaStandard}));
    QVERIFY(window->isVisible());  // the Area window stays as it was
}

void TestAreaExtension::sideBoxHoldsTheSideOfTheSquare()
{
    auto window = tabrix_test::open<CategoryWindow>(WindowId::Area);
    auto* side = window->findChild<QLineEdit*>(QStringLiteral("TextR3"));
    auto* value = window->findChild<QLineEdit*>(QStringLiteral("TextR1"));
    QVERIFY(side && value);
    QVERIFY(side->isHidden());
    QCOMPARE(side->text(), QString());  // "0" at opening is not above zero

    value->setText(QStringLiteral("100"));
    QCOMPARE(side->text(), QStringLiteral("10"));
    value->setText(QStringLiteral("2.25"));
    QCOMPARE(side->text(), QStringLiteral("1.5"));

    // A value not above zero writes no side: the box keeps the last one.
    value->setText(QStringLiteral("-5"));
    QCOMPARE(side->text(), QStringLiteral("1.5"));

    // A unit pick evaluates again with the same side.
    auto* feet = window->findChild<QRadioButton*>(windows::indexedName("OptionR1", 4));
    value->setText(QStringLiteral("4"));
    QTest::mouseClick(feet, Qt::LeftButton);
    QVERIFY(feet->isChecked());
    QCOMPARE(side->text(), QStringLiteral("2"));
}

QTEST_MAIN(TestAreaExtension)
#include "area_extension_test.moc"
