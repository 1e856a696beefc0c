#include "windows/selecting_line_edit.h"

#include <algorithm>

#include <QFocusEvent>
#include <QKeyEvent>
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
    const bool visit = movesBetweenControls(event->reason());
    if (visit) emit visited();
    QLineEdit::focusInEvent(event);
    if (!visit) return;
    selectFromStart();
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
    if (!m_selectAfterPress) return;
    m_selectAfterPress = false;
    selectFromStart();
}

// The keypad's decimal key arrives as a comma or a point, as the layout has
// it; typed as the box's own separator, it goes through the box's ordinary
// typing, undo and maximum length included.
void SelectingLineEdit::keyPressEvent(QKeyEvent* event)
{
    const bool decimalKey = event->modifiers().testFlag(Qt::KeypadModifier) &&
                            (event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period);
    if (!decimalKey || m_keypadDecimal.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent typed(event->type(), event->key(), event->modifiers(), m_keypadDecimal,
                    event->isAutoRepeat(), event->count());
    QLineEdit::keyPressEvent(&typed);
    event->setAccepted(typed.isAccepted());
}

void SelectingLineEdit::selectFromStart()
{
    if (m_selectionLength < 0) selectAll();
    else setSelection(0, std::min<int>(m_selectionLength, int(text().size())));
}

}  // namespace windows
