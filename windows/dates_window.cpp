#include "windows/dates_window.h"

#include <QCalendarWidget>
#include <QDate>
#include <QGridLayout>
#include <QLabel>

#include "engine/civil_date.h"
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

}  // namespace

DatesWindow::DatesWindow(const engine::NumberFormat& format, QWidget* parent)
    : ChildWindow(parent), m_format(format)
{
    setObjectName(QStringLiteral("Form00"));
    setWindowTitle(QStringLiteral("Difference Between Dates"));
    setPreferredPlaceTwips({kLeftTwips, kTopTwips});

    // A screen reader names each control by what it holds; a label's name
    // hides its text from it, so the text goes into the description too.
    m_first.calendar = createCalendar("MonthView1", "First date");
    m_second.calendar = createCalendar("MonthView2", "Second date");
    m_first.date = createLabel("Date1", "Date1", "First date as text");
    m_second.date = createLabel("Date2", "Date2", "Second date as text");
    m_first.sentence = createLabel("Label1", "Label1", "First date sentence");
    m_second.sentence = createLabel("Label2", "Label2", "Second date sentence");
    m_date3 = createLabel("Date3", "Date3", "Difference between the dates");

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

QLabel* DatesWindow::createLabel(const char* name, const char* initialText,
                                 const char* accessibleName)
{
    auto* label = new QLabel(QString::fromLatin1(initialText), this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(QString::fromLatin1(accessibleName));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

engine::EvalStatus DatesWindow::checkDates()
{
    for (const Side* side : {&m_first, &m_second})
        side->date->setText(
            toQString(engine::FormatUsDate(toCivil(side->calendar->selectedDate()))));
    m_first.sentence->setText(QStringLiteral("Your first date is ") + m_first.date->text());
    m_second.sentence->setText(QStringLiteral("Your second date is ") + m_second.date->text());
    for (QLabel* label : {m_first.date, m_second.date, m_first.sentence, m_second.sentence})
        label->setAccessibleDescription(label->text());

    // The difference is taken from the dates as the labels show them.
    const auto first = engine::ParseUsDate(m_first.date->text().toStdString());
    const auto second = engine::ParseUsDate(m_second.date->text().toStdString());
    if (!first || !second) return engine::EvalStatus::InvalidOperation;
    m_date3->setText(toQString(engine::DifferenceSentence(*first, *second, m_format)));
    m_date3->setAccessibleDescription(m_date3->text());
    return engine::EvalStatus::Ok;
}

}  // namespace windows
