#include <memory>

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QDate>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>

#include "engine/civil_date.h"
#include "tests/number_formats.h"
#include "windows/dates_window.h"
#include "windows/window_factory.h"

using windows::DatesWindow;

using tabrix_test::kPointFormat;

namespace {

QString labelText(QWidget& window, const char* name)
{
    auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

QCalendarWidget* calendar(QWidget& window, const char* name)
{
    return window.findChild<QCalendarWidget*>(QString::fromLatin1(name));
}

}  // namespace

class TestDatesWindow : public QObject {
    Q_OBJECT
private slots:
    void namesEveryControl();
    void opensOnTodayInBothCalendars();
    void sentenceNamesTheOrder_data();
    void sentenceNamesTheOrder();
    void keyboardMovesRewriteTheLabels();
    void clickOnTheSelectedDayRewritesTheLabels();
    void engineCountsDaysAsQDateDoes();
    void opensAtTheTopLeftOfTheFrameWithItsSize();
    void eachCalendarStandsAboveItsOwnDate();
};

void TestDatesWindow::namesEveryControl()
{
    std::unique_ptr<QWidget> window(windows::createWindow(windows::WindowId::Dates, kPointFormat));
    QCOMPARE(window->objectName(), QStringLiteral("Form00"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Difference Between Dates"));
    for (const char* name : {"MonthView1", "MonthView2"}) {
        QCalendarWidget* month = calendar(*window, name);
        QVERIFY2(month, name);
        // Seven day columns: week numbers would be one more for a reader to
        // pass on every row.
        const auto* view = month->findChild<QAbstractItemView*>("qt_calendar_calendarview");
        QVERIFY(view);
        QCOMPARE(view->model()->columnCount(), 7);
        // A reader names each of the calendar's own buttons with its calendar.
        const QString spoken = month->accessibleName();
        const struct {
            const char *part, *words;
        } parts[] = {{"qt_calendar_prevmonth", ", previous month"},
                     {"qt_calendar_nextmonth", ", next month"},
                     {"qt_calendar_yearedit", ", year"}};
        for (const auto& p : parts) {
            const auto* widget = month->findChild<QWidget*>(QString::fromLatin1(p.part));
            QVERIFY2(widget, p.part);
            QCOMPARE(widget->accessibleName(), spoken + QString::fromLatin1(p.words));
        }
    }
    for (const char* name : {"Date1", "Date2", "Label1", "Label2", "Date3"})
        QVERIFY2(window->findChild<QLabel*>(QString::fromLatin1(name)), name);
    // 11205 × 6200 twips less the title bar and borders.
    QCOMPARE(window->size(), QSize(739, 386));
}

void TestDatesWindow::opensOnTodayInBothCalendars()
{
    DatesWindow window(kPointFormat);
    const QDate today = QDate::currentDate();
    QCOMPARE(calendar(window, "MonthView1")->selectedDate(), today);
    QCOMPARE(calendar(window, "MonthView2")->selectedDate(), today);

    const QString text = today.toString(QStringLiteral("MM/dd/yyyy"));
    QCOMPARE(labelText(window, "Date1"), text);
    QCOMPARE(labelText(window, "Date2"), text);
    QCOMPARE(labelText(window, "Label1"), QStringLiteral("Your first date is ") + text);
    QCOMPARE(labelText(window, "Label2"), QStringLiteral("Your second date is ") + text);
    QCOMPARE(labelText(window, "Date3"),
             QStringLiteral("The difference between your first and second date is 0 days."));
    QCOMPARE(window.lastStatus(), engine::EvalStatus::Ok);
}

void TestDatesWindow::sentenceNamesTheOrder_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<QString>("date1");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("leap day counted, first later")
        << QDate(2024, 3, 1) << QDate(2024, 2, 28) << "03/01/2024"
        << "The difference between your dates is 2 days.";
    QTest::newRow("leap day counted, first earlier")
        << QDate(2024, 2, 28) << QDate(2024, 3, 1) << "02/28/2024"
        << "The difference between your first and second date is 2 days.";
    QTest::newRow("no leap day in 2023") << QDate(2023, 3, 1) << QDate(2023, 2, 28) << "03/01/2023"
                                         << "The difference between your dates is 1 days.";
    QTest::newRow("across a new year") << QDate(2000, 1, 1) << QDate(1999, 12, 31) << "01/01/2000"
                                       << "The difference between your dates is 1 days.";
    QTest::newRow("same day") << QDate(2026, 1, 5) << QDate(2026, 1, 5) << "01/05/2026"
                              << "The difference between your first and second date is 0 days.";
    QTest::newRow("whole range") << QDate(9999, 12, 31) << QDate(1753, 1, 1) << "12/31/9999"
                                 << "The difference between your dates is 3012153 days.";
}

void TestDatesWindow::sentenceNamesTheOrder()
{
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    QFETCH(QString, date1);
    QFETCH(QString, sentence);
    DatesWindow window(kPointFormat);
    calendar(window, "MonthView1")->setSelectedDate(first);
    calendar(window, "MonthView2")->setSelectedDate(second);
    QCOMPARE(labelText(window, "Date1"), date1);
    QCOMPARE(labelText(window, "Label1"), QStringLiteral("Your first date is ") + date1);
    QCOMPARE(labelText(window, "Date2"), second.toString(QStringLiteral("MM/dd/yyyy")));
    QCOMPARE(labelText(window, "Date3"), sentence);
}

void TestDatesWindow::keyboardMovesRewriteTheLabels()
{
    DatesWindow window(kPointFormat);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCalendarWidget* second = calendar(window, "MonthView2");
    second->setSelectedDate(QDate(2024, 2, 28));
    auto* view = second->findChild<QTableView*>();
    QVERIFY(view);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(second->selectedDate(), QDate(2024, 2, 29));
    QCOMPARE(labelText(window, "Date2"), QStringLiteral("02/29/2024"));
    QCOMPARE(labelText(window, "Label2"), QStringLiteral("Your second date is 02/29/2024"));
}

void TestDatesWindow::clickOnTheSelectedDayRewritesTheLabels()
{
    DatesWindow window(kPointFormat);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCalendarWidget* first = calendar(window, "MonthView1");
    first->setSelectedDate(QDate(2026, 1, 15));
    calendar(window, "MonthView2")->setSelectedDate(QDate(2026, 1, 5));

    // Labels out of step: only the click can bring them back, since
    // clicking the day already selected changes no selection.
    auto* date3 = window.findChild<QLabel*>(QStringLiteral("Date3"));
    date3->setText(QStringLiteral("stale"));
    auto* view = first->findChild<QTableView*>();
    QVERIFY(view);
    const QModelIndex selected = view->selectionModel()->currentIndex();
    QVERIFY(selected.isValid());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(selected).center());
    QCOMPARE(first->selectedDate(), QDate(2026, 1, 15));
    QCOMPARE(date3->text(), QStringLiteral("The difference between your dates is 10 days."));
}

void TestDatesWindow::engineCountsDaysAsQDateDoes()
{
    // The window's sentence counts with the engine; QDate must agree on
    // every day the calendars offer.
    const QDate origin(1753, 1, 1);
    const std::int64_t originNumber = engine::DayNumber({1753, 1, 1});
    for (QDate date = origin; date <= QDate(9999, 12, 31); date = date.addDays(1)) {
        const std::int64_t count =
            engine::DayNumber({date.year(), date.month(), date.day()}) - originNumber;
        if (count != origin.daysTo(date)) QFAIL(qPrintable(date.toString(Qt::ISODate)));
    }
}

void TestDatesWindow::opensAtTheTopLeftOfTheFrameWithItsSize()
{
    std::unique_ptr<windows::ChildWindow> window(
        windows::createWindow(windows::WindowId::Dates, kPointFormat));
    QCOMPARE(window->preferredPlaceTwips(), std::optional<QPoint>(QPoint(50, 50)));
    QMdiArea area;
    area.resize(1000, 700);
    area.show();
    QMdiSubWindow* sub = area.addSubWindow(window.release());
    sub->show();
    QCOMPARE(sub->widget()->size(), QSize(739, 386));
}

void TestDatesWindow::eachCalendarStandsAboveItsOwnDate()
{
    DatesWindow window(kPointFormat);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto place = [&window](const char* name) {
        auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
        return widget ? widget->geometry() : QRect();
    };
    QVERIFY(place("MonthView1").right() < place("MonthView2").left());
    QCOMPARE(place("MonthView1").top(), place("MonthView2").top());
    // Each control under the one above it, in its calendar's column; the
    // difference under both columns.
    const char* const columns[][4] = {{"MonthView1", "Date1", "Label1", "Date3"},
                                      {"MonthView2", "Date2", "Label2", "Date3"}};
    for (const auto& column : columns) {
        const QRect calendarPlace = place(column[0]);
        for (int i = 1; i < 4; ++i) {
            const QRect above = place(column[i - 1]);
            const QRect below = place(column[i]);
            QVERIFY2(below.top() > above.bottom(), column[i]);
            QVERIFY2(below.left() <= calendarPlace.left() + 1 &&
                         below.right() >= calendarPlace.center().x(),
                     column[i]);
        }
    }
}

QTEST_MAIN(TestDatesWindow)
#include "dates_window_test.moc"
