#pragma once

#include <QLineEdit>

namespace windows {

// A line edit that selects its text from the start whenever the user comes to
// it, by the keyboard or by a click, so that typing replaces it; and that
// reports coming to it and leaving it for another control. Opening a context
// menu or switching to another program is neither: the user comes back to the
// text as it was.
class SelectingLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Coming to the box selects this many characters from its start, or the
    // whole text where it is shorter; by default the whole text.
    void setSelectionOnVisit(int length) { m_selectionLength = length; }
    // What the numeric keypad's decimal key types: the separator the box
    // reads, whatever the keyboard layout puts on that key. The comma and the
    // point of the main keys are left as they are. Empty: as the layout says.
    void setKeypadDecimal(const QString& separator) { m_keypadDecimal = separator; }

signals:
    // Before the box takes the focus and selects, so that a handler can
    // rewrite the text that is then selected.
    void visited();
    void focusLost();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void selectFromStart();

    int m_selectionLength = -1;  // the whole text
    QString m_keypadDecimal;
    // The click that brought the focus would otherwise drop the selection.
    bool m_selectAfterPress = false;
};

}  // namespace windows
