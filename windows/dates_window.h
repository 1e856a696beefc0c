#pragma once

#include "engine/status.h"
#include "engine/value_text.h"
#include "windows/child_window.h"

#include <QString>

class QCalendarWidget;
class QDate;
class QLabel;

namespace windows {

class Announcer;

// What a screen reader is told of a day of a calendar: weekday, month, day
// and year, and whether it is the calendar's picked date ("Tuesday, December
// 8, 2026, selected"), in the calendar's language.
QString spokenDay(const QCalendarWidget& calendar, const QDate& day);

// Counts the days between the dates picked on two month calendars. The five
// labels are rewritten from the calendars at load and on every date the user
// clicks or moves to; nothing else is kept. It asks to open near the top left
// corner of the frame's client area.
class DatesWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit DatesWindow(const engine::NumberFormat& format, QWidget* parent = nullptr);
    ~DatesWindow() override;

    QSize sizeHint() const override;

    // Brings the five labels into step with the two calendars.
    engine::EvalStatus checkDates();

    // What the window told a screen reader last.
    QString lastAnnouncement() const;

private:
    QCalendarWidget* createCalendar(const char* name, const char* accessibleName);
    // Names the calendar's own view and buttons after the calendar, and
    // tells a reader of each day the keys move to.
    void speakForCalendar(QCalendarWidget* calendar);
    void nameMonthButtons(QCalendarWidget* calendar);
    QLabel* createLabel(const char* name, const char* initialText);

    const engine::NumberFormat m_format;
    // A calendar and the two labels that speak of its date.
    struct Side {
        QCalendarWidget* calendar = nullptr;  // MonthView1, MonthView2
        QLabel* date = nullptr;               // Date1, Date2
        QLabel* sentence = nullptr;           // Label1, Label2
    };
    Side m_first;
    Side m_second;
    QLabel* m_date3 = nullptr;
    Announcer* m_announcer = nullptr;
};

}  // namespace windows
