#include "windows/accelerators.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>

namespace windows {

namespace {

// The caption that carries a control's accelerator; empty for a control
// that has none, such as a label that names no box.
QString acceleratorCaption(const QWidget& control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->buddy() ? label->text() : QString();
    return {};
}

}  // namespace

QList<QWidget*> acceleratorControls(const QWidget& window, QKeyCombination key)
{
    QList<QWidget*> controls;
    if (key.keyboardModifiers() != Qt::AltModifier) return controls;
    const QKeySequence wanted(key);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QString caption = acceleratorCaption(*control);
        if (caption.isEmpty() || !control->isVisibleTo(&window)) continue;
        if (QKeySequence::mnemonic(caption) == wanted) controls.append(control);
    }
    return controls;
}

void useAccelerator(const QList<QWidget*>& controls)
{
    // Where each enabled control's accelerator leads: a label's box, or the
    // control itself.
    QList<QWidget*> targets;
    for (QWidget* control : controls) {
        if (!control->isEnabled()) continue;
        const auto* label = qobject_cast<QLabel*>(control);
        targets.append(label ? label->buddy() : control);
    }
    if (targets.isEmpty()) return;

    if (targets.size() == 1) {
        if (auto* button = qobject_cast<QAbstractButton*>(targets.front())) {
            // Pressed as a click shows it; a checkable one takes the focus.
            button->animateClick();
            return;
        }
    }
    // The one after the control that has the focus, or the first.
    const qsizetype at = targets.indexOf(QApplication::focusWidget());
    QWidget* next = targets.at((at + 1) % targets.size());
    if (next->focusPolicy() != Qt::NoFocus) next->setFocus(Qt::ShortcutFocusReason);
    next->window()->setAttribute(Qt::WA_KeyboardFocusChange);
}

}  // namespace windows
