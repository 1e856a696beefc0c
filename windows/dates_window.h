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

    QSize sizeHint() const override;

    // Brings the five labels into step with the two calendars.
    engine::EvalStatus checkDates();

private:
    QCalendarWidget* createCalendar(const char* name, const char* accessibleName);
    QLabel* createLabel(const char* name, const char* initialText, const char* accessibleName);

    const engine::NumberFormat m_format;
    QCalendarWidget* m_first = nullptr;
    QCalendarWidget* m_second = nullptr;
    QLabel* m_date1 = nullptr;
    QLabel* m_date2 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_date3 = nullptr;
};

}  // namespace windows
