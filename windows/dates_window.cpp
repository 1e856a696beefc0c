#include "windows/dates_window.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QDate>
#include <QGridLayout>
#include <QLabel>

#include "engine/civil_date.h"
#include "windows/announcer.h"
#include "windows/table_copy.h"
#include "windows/twips.h"

namespace windows {

namespace {

// The window's size, title bar and borders included, and its place in the
// frame's client area.
constexpr int kWidthTwips = 11205;
constexpr int kHeightTwips = 6200;
constexpr int kLeftTwips = 50;
constexpr int kTopTwips = 50;

// The "mm/dd/yyyy" text has room for four-digit years only.
const QDate kFirstDate(1753, 1, 1);
const QDate kLastDate(9999, 12, 31);

engine::CivilDate toCivil(QDate date) { return {date.year(), date.month(), date.day()}; }

QString toQString(const std::string& text) { return QString::fromStdString(text); }

// The calendar's own parts, by the names Qt gives them.
QAbstractItemView* calendarView(const QCalendarWidget& calendar)
{
    return calendar.findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
}

void nameChild(const QCalendarWidget& calendar, const char* part, const QString& name)
{
    if (auto* widget = calendar.findChild<QWidget*>(QString::fromLatin1(part)))
        widget->setAccessibleName(name);
}

// A label is heard as the words it shows, kept current.
void setSpokenText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setAccessibleName(text);
    label->setAccessibleDescription(text);
}

}  // namespace

QString spokenDay(const QCalendarWidget& calendar, const QDate& day)
{
    QString words = calendar.locale().toString(day, QStringLiteral("dddd, MMMM d, yyyy"));
    if (day == calendar.selectedDate()) words += QStringLiteral(", selected");
    return words;
}

DatesWindow::DatesWindow(const engine::NumberFormat& format, QWidget* parent)
    : ChildWindow(parent), m_format(format)
{
    setObjectName(QString::fromLatin1(windowObjectName(WindowId::Dates)));
    setWindowTitle(QStringLiteral("Difference Between Dates"));
    setPreferredPlaceTwips({kLeftTwips, kTopTwips});

    // A screen reader names each control by what it holds; the labels are
    // heard as what they show, and the date labels say whose date they show.
    m_first.calendar = createCalendar("MonthView1", "First date");
    m_second.calendar = createCalendar("MonthView2", "Second date");
    m_first.date = createLabel("Date1", "Date1");
    m_second.date = createLabel("Date2", "Date2");
    m_first.sentence = createLabel("Label1", "Label1");
    m_second.sentence = createLabel("Label2", "Label2");
    m_date3 = createLabel("Date3", "Date3");

    // The three sentences, one row each, as the window shows them.
    addCopyAllResults(*this, [this] {
        return TableRows{
            {m_first.sentence->text()}, {m_second.sentence->text()}, {m_date3->text()}};
    });

    // A clicked day, and every other change of the date (keys, month
    // buttons, the program), bring the labels into step. Connected once the
    // labels exist.
    for (QCalendarWidget* calendar : {m_first.calendar, m_second.calendar}) {
        connect(calendar, &QCalendarWidget::clicked, this, [this] { report(checkDates()); });
        connect(calendar, &QCalendarWidget::selectionChanged, this,
                [this] { report(checkDates()); });
    }
    // After the labels' own handlers, so that what is told is current.
    m_announcer = new Announcer(this);
    speakForCalendar(m_first.calendar);
    speakForCalendar(m_second.calendar);

    // Each calendar above its own date and sentence; the difference below both.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);
    grid->addWidget(m_first.calendar, 0, 0);
    grid->addWidget(m_second.calendar, 0, 1);
    grid->addWidget(m_first.date, 1, 0);
    grid->addWidget(m_second.date, 1, 1);
    grid->addWidget(m_first.sentence, 2, 0);
    grid->addWidget(m_second.sentence, 2, 1);
    grid->setRowMinimumHeight(3, 6);
    grid->addWidget(m_date3, 4, 0, 1, 2);
    grid->setRowStretch(0, 1);

    // Today in both calendars, then the labels. Setting a calendar's date
    // already brings the labels into step; the last run makes sure of it
    // where today was selected from the start and nothing changed.
    const QDate today = QDate::currentDate();
    m_first.calendar->setSelectedDate(today);
    m_second.calendar->setSelectedDate(today);
    report(checkDates());

    resize(sizeHint());
}

DatesWindow::~DatesWindow() { detachControls(); }

QString DatesWindow::lastAnnouncement() const { return m_announcer->sentence(); }

QSize DatesWindow::sizeHint() const
{
    return {twipsToPixels(kWidthTwips - kNonClientWidthTwips, logicalDpiX()),
            twipsToPixels(kHeightTwips - kNonClientHeightTwips, logicalDpiY())};
}

QCalendarWidget* DatesWindow::createCalendar(const char* name, const char* accessibleName)
{
    auto* calendar = new QCalendarWidget(this);
    calendar->setObjectName(QString::fromLatin1(name));
    calendar->setAccessibleName(QString::fromLatin1(accessibleName));
    calendar->setDateRange(kFirstDate, kLastDate);
    calendar->setGridVisible(true);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // No typed dates: Qt's date editor, which a digit key opens, leaks its
    // validator when the window closes while it is open (Qt 6.4). Clicks,
    // arrow keys and the month buttons pick every date.
    calendar->setDateEditEnabled(false);
    return calendar;
}

void DatesWindow::speakForCalendar(QCalendarWidget* calendar)
{
    QAbstractItemView* view = calendarView(*calendar);
    if (view) view->setAccessibleName(calendar->accessibleName());
    nameChild(*calendar, "qt_calendar_prevmonth",
              calendar->accessibleName() + QStringLiteral(", previous month"));
    nameChild(*calendar, "qt_calendar_nextmonth",
              calendar->accessibleName() + QStringLiteral(", next month"));
    nameChild(*calendar, "qt_calendar_yearedit",
              calendar->accessibleName() + QStringLiteral(", year"));
    nameMonthButtons(calendar);
    connect(calendar, &QCalendarWidget::currentPageChanged, this, [this, calendar] {
        nameMonthButtons(calendar);
        // The month buttons turn the page and leave the pick where it was;
        // the keys move the pick, and its day is told instead.
        const QDate picked = calendar->selectedDate();
        if (picked.year() != calendar->yearShown() || picked.month() != calendar->monthShown())
            m_announcer->announce(
                calendar->locale().toString(QDate(calendar->yearShown(), calendar->monthShown(), 1),
                                            QStringLiteral("MMMM yyyy")));
    });

    // A key moves the pick without a word from the view but the day's
    // number; the whole day is told. A pick by click or Enter tells the
    // difference it makes.
    connect(calendar, &QCalendarWidget::selectionChanged, this, [this, calendar, view] {
        if (view && view->hasFocus())
            m_announcer->announce(spokenDay(*calendar, calendar->selectedDate()));
    });
    for (auto signal : {&QCalendarWidget::clicked, &QCalendarWidget::activated})
        connect(calendar, signal, this, [this] { m_announcer->announce(m_date3->text()); });
}

void DatesWindow::nameMonthButtons(QCalendarWidget* calendar)
{
    const QDate page(calendar->yearShown(), calendar->monthShown(), 1);
    const QString owner = calendar->accessibleName();
    nameChild(*calendar, "qt_calendar_monthbutton",
              owner + QStringLiteral(", month ") +
                  calendar->locale().toString(page, QStringLiteral("MMMM")));
    nameChild(*calendar, "qt_calendar_yearbutton",
              owner + QStringLiteral(", year ") + QString::number(page.year()));
}

// Named for a reader by checkDates(), which the constructor runs: each label
// by the words it shows, a date label also by whose date it is.
QLabel* DatesWindow::createLabel(const char* name, const char* initialText)
{
    auto* label = new QLabel(QString::fromLatin1(initialText), this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

engine::EvalStatus DatesWindow::checkDates()
{
    for (const Side* side : {&m_first, &m_second}) {
        const QString text =
            toQString(engine::FormatUsDate(toCivil(side->calendar->selectedDate())));
        side->date->setText(text);
        // "First date, 12/08/2026": the two labels show the same text on
        // the same day, and a bare date does not say whose it is.
        side->date->setAccessibleName(side->calendar->accessibleName() + QStringLiteral(", ") +
                                      text);
        side->date->setAccessibleDescription(text);
    }
    setSpokenText(m_first.sentence, QStringLiteral("Your first date is ") + m_first.date->text());
    setSpokenText(m_second.sentence,
                  QStringLiteral("Your second date is ") + m_second.date->text());

    // The difference is taken from the dates as the labels show them.
    const auto first = engine::ParseUsDate(m_first.date->text().toStdString());
    const auto second = engine::ParseUsDate(m_second.date->text().toStdString());
    if (!first || !second) return engine::EvalStatus::InvalidOperation;
    setSpokenText(m_date3, toQString(engine::DifferenceSentence(*first, *second, m_format)));
    return engine::EvalStatus::Ok;
}

}  // namespace windows
