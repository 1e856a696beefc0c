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

signals:
    // Before the box takes the focus and selects, so that a handler can
    // rewrite the text that is then selected.
    void visited();
    void focusLost();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void selectFromStart();

    int m_selectionLength = -1;  // the whole text
    // The click that brought the focus would otherwise drop the selection.
    bool m_selectAfterPress = false;
};

}  // namespace windows
