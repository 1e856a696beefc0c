#include "windows/selecting_line_edit.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace windows {

namespace {
bool movesBetweenControls(Qt::FocusReason reason)
{
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}
}  // namespace

void SelectingLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!movesBetweenControls(event->reason())) return;
    selectAll();
    m_selectAfterPress = event->reason() == Qt::MouseFocusReason;
}

void SelectingLineEdit::focusOutEvent(QFocusEvent* event)
{
    m_selectAfterPress = false;
    QLineEdit::focusOutEvent(event);
    if (movesBetweenControls(event->reason())) emit focusLost();
}

void SelectingLineEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (m_selectAfterPress) {
        m_selectAfterPress = false;
        selectAll();
    }
}

}  // namespace windows
