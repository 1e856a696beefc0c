#pragma once

#include <QWidget>

#include "engine/status.h"
#include "engine/value_text.h"

class QCalendarWidget;
class QLabel;

namespace windows {

// Counts the days between the dates picked on two month calendars. The five
// labels are rewritten from the calendars at load and on every date the user
// clicks or moves to; nothing else is kept.
class DatesWindow : public QWidget {
    Q_OBJECT
public:
    explicit DatesWindow(const engine::NumberFormat& format, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    engine::EvalStatus lastStatus() const { return m_lastStatus; }

    // Brings the five labels into step with the two calendars.
    engine::EvalStatus checkDates();

signals:
    void evaluationFailed(engine::EvalStatus status);
    void evaluationSucceeded();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QCalendarWidget* createCalendar(const char* name, const char* accessibleName);
    QLabel* createLabel(const char* name, const char* initialText, const char* accessibleName);
    void report(engine::EvalStatus status);

    const engine::NumberFormat m_format;
    QCalendarWidget* m_first = nullptr;
    QCalendarWidget* m_second = nullptr;
    QLabel* m_date1 = nullptr;
    QLabel* m_date2 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_date3 = nullptr;
    bool m_placed = false;
    engine::EvalStatus m_lastStatus = engine::EvalStatus::Ok;
};

}  // namespace windows
