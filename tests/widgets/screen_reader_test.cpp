// What a screen reader is told without asking: the announcer speaks a
// sentence once and never takes the focus, the dates window tells each day
// the keys move to and each pick's difference, the frame tells a fault, and
// the help viewer is a window whose buttons and text the keyboard reaches.

#include <memory>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "frame/help_viewer.h"
#include "frame/main_frame.h"
#include "tests/number_formats.h"
#include "windows/announcer.h"
#include "windows/dates_window.h"
#include "windows/window_id.h"

using tabrix_test::kPointFormat;

namespace {

// Counts the times a widget starts showing: each raises the accessibility
// event on which a reader speaks a notification. (The offscreen platform has
// no accessibility bridge to watch the events themselves.)
class ShowCounter : public QObject {
public:
    int shown = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show) ++shown;
        return false;
    }
};

QString accessibleName(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

}  // namespace

class TestScreenReader : public QObject {
    Q_OBJECT
private slots:
    void announcerTellsEachSentenceOnce();
    void spokenDaySaysWeekdayMonthYearAndPick_data();
    void spokenDaySaysWeekdayMonthYearAndPick();
    void datesWindowTellsMovesAndPicks();
    void calendarPartsAreNamed();
    void frameTellsAFault();
    void helpViewerIsAWindowReachedByTab();
};

void TestScreenReader::announcerTellsEachSentenceOnce()
{
    QWidget host;
    QLineEdit box(&host);
    host.show();
    box.setFocus();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    qint64 now = 0;
    windows::Announcer announcer(&host, [&now] { return now; });
    ShowCounter counter;
    announcer.installEventFilter(&counter);

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&announcer);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Notification);

    struct Step {
        qint64 at;
        const char* sentence;
        bool told;
    };
    // A repeat is told only after a quiet of 600 ms, counted from its last request.
    const Step steps[] = {
        {0, "Distance: overflow.", true},
        {100, "Distance: overflow.", false},
        {650, "Distance: overflow.", false},
        {1300, "Distance: overflow.", true},
        {1350, "Read as 1.", true},
        {1400, "Distance: overflow.", true},
        {1500, "", false},
    };
    for (const Step& step : steps) {
        now = step.at;
        const int shownBefore = counter.shown;
        const QString sentence = QString::fromLatin1(step.sentence);
        QCOMPARE(announcer.announce(sentence), step.told);
        // Told means shown anew, once, under its new name; untold, not shown.
        QCOMPARE(counter.shown - shownBefore, step.told ? 1 : 0);
        if (step.told) QCOMPARE(iface->text(QAccessible::Name), sentence);
        QCOMPARE(QApplication::focusWidget(), &box);
    }
}

void TestScreenReader::spokenDaySaysWeekdayMonthYearAndPick_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("picked") << QDate(2026, 12, 8)
                            << QStringLiteral("Tuesday, December 8, 2026, selected");
    QTest::newRow("another") << QDate(2027, 1, 1) << QStringLiteral("Friday, January 1, 2027");
    QTest::newRow("leap day") << QDate(2028, 2, 29) << QStringLiteral("Tuesday, February 29, 2028");
}

void TestScreenReader::spokenDaySaysWeekdayMonthYearAndPick()
{
    QFETCH(QDate, day);
    QFETCH(QString, spoken);
    QCalendarWidget calendar;
    calendar.setLocale(QLocale::c());
    calendar.setSelectedDate(QDate(2026, 12, 8));
    QCOMPARE(windows::spokenDay(calendar, day), spoken);
}

void TestScreenReader::datesWindowTellsMovesAndPicks()
{
    windows::DatesWindow window(kPointFormat);
    auto* first = window.findChild<QCalendarWidget*>(QStringLiteral("MonthView1"));
    QVERIFY(first);
    first->setLocale(QLocale::c());
    first->setSelectedDate(QDate(2026, 12, 8));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* view = first->findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
    QVERIFY(view);
    view->setFocus();
    QTRY_VERIFY(view->hasFocus());

    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(window.lastAnnouncement(), QStringLiteral("Wednesday, December 9, 2026, selected"));
    QTest::keyClick(view, Qt::Key_Return);
    auto* date3 = window.findChild<QLabel*>(QStringLiteral("Date3"));
    QVERIFY(date3);
    QCOMPARE(window.lastAnnouncement(), date3->text());
    QVERIFY(date3->text().startsWith(QStringLiteral("The difference between your ")));

    // The month buttons turn the page and leave the pick: the page is told.
    auto* next = first->findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth"));
    QVERIFY(next);
    next->click();
    QCOMPARE(window.lastAnnouncement(), QStringLiteral("January 2027"));

    // The labels are heard as what they show.
    for (const char* name : {"Label1", "Label2", "Date3"}) {
        auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
        QCOMPARE(accessibleName(label), label->text());
    }
    auto* date1 = window.findChild<QLabel*>(QStringLiteral("Date1"));
    QCOMPARE(accessibleName(date1), QStringLiteral("First date, 12/09/2026"));
}

void TestScreenReader::calendarPartsAreNamed()
{
    windows::DatesWindow window(kPointFormat);
    QSet<QString> names;
    for (const char* calendarName : {"MonthView1", "MonthView2"}) {
        auto* calendar = window.findChild<QCalendarWidget*>(QString::fromLatin1(calendarName));
        QVERIFY(calendar);
        calendar->setLocale(QLocale::c());
        calendar->setCurrentPage(2027, 3);
        auto* view =
            calendar->findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
        QVERIFY(view);
        QCOMPARE(accessibleName(view), calendar->accessibleName());
        for (const char* part : {"qt_calendar_prevmonth", "qt_calendar_nextmonth",
                                 "qt_calendar_monthbutton", "qt_calendar_yearbutton"}) {
            auto* button = calendar->findChild<QToolButton*>(QString::fromLatin1(part));
            QVERIFY2(button, part);
            const QString name = accessibleName(button);
            QVERIFY2(name.startsWith(calendar->accessibleName() + u','), qPrintable(name));
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
        }
        // The month and year buttons say the page they show.
        QVERIFY(accessibleName(
                    calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton")))
                    .endsWith(QStringLiteral("March")));
        QVERIFY(accessibleName(
                    calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_yearbutton")))
                    .endsWith(QStringLiteral("2027")));
    }
}

void TestScreenReader::frameTellsAFault()
{
    frame::MainFrame frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.showWindow(windows::WindowId::Distance);
    auto* value = frame.findChild<QLineEdit*>(QStringLiteral("TextU1"));
    QVERIFY(value);
    auto* announcer = frame.statusBar()->findChild<windows::Announcer*>();
    QVERIFY(announcer);
    value->setText(QStringLiteral("1e999"));
    QCOMPARE(announcer->sentence(),
             frame.findChild<QLabel*>(QStringLiteral("EvaluationMessage"))->text());
    QVERIFY(announcer->sentence().startsWith(QStringLiteral("Distance: ")));
}

void TestScreenReader::helpViewerIsAWindowReachedByTab()
{
    frame::HelpViewer viewer;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&viewer);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Window);
    QVERIFY(viewer.browser()->textInteractionFlags() & Qt::TextSelectableByKeyboard);

    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    viewer.browser()->setFocus();
    QSet<QString> reached;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (auto* button = qobject_cast<QToolButton*>(QApplication::focusWidget()))
            reached.insert(button->defaultAction()->objectName());
    }
    // Back and Forward wait for a history; Contents is always there.
    QVERIFY2(reached.contains(QStringLiteral("helpcontents")),
             qPrintable(QStringList(reached.begin(), reached.end()).join(u' ')));
    for (const char* name : {"helpback", "helpforward", "helpcontents"}) {
        bool inTabOrder = false;
        for (QToolButton* button : viewer.findChildren<QToolButton*>())
            if (button->defaultAction() &&
                button->defaultAction()->objectName() == QLatin1String(name))
                inTabOrder = button->focusPolicy() & Qt::TabFocus;
        QVERIFY2(inTabOrder, name);
    }
}

QTEST_MAIN(TestScreenReader)
#include "screen_reader_test.moc"
