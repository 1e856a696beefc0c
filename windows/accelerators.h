#pragma once

#include <QKeyCombination>
#include <QList>

class QWidget;

namespace windows {

// The visible controls of `window` that Alt+letter `key` reaches: a button
// whose caption carries the letter after its "&", and a label that does and
// names a box. In the order the window holds them.
QList<QWidget*> acceleratorControls(const QWidget& window, QKeyCombination key);

// Uses an accelerator as the window shown alone would: the one enabled control
// that carries it is pressed (a label gives its box the focus); where several
// share it, each press moves the focus to the next of them and presses none.
// Disabled controls are passed over; with none left the key does nothing.
void useAccelerator(const QList<QWidget*>& controls);

}  // namespace windows
