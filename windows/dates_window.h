#pragma once

#include "engine/status.h"
#include "engine/value_text.h"
#include "windows/child_window.h"

class QCalendarWidget;
class QLabel;

namespace windows {

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

private:
    QCalendarWidget* createCalendar(const char* name, const char* accessibleName);
    QLabel* createLabel(const char* name, const char* initialText, const char* accessibleName);

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
};

}  // namespace windows
