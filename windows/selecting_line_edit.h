#pragma once

#include <QLineEdit>

namespace windows {

// A line edit that selects its whole text whenever it gains the focus, by the
// keyboard or by a click, so that typing replaces it; and that reports losing
// the focus to another control. Opening a context menu or switching to another
// program is neither: the user comes back to the text as it was.
class SelectingLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void focusLost();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The click that brought the focus would otherwise drop the selection.
    bool m_selectAfterPress = false;
};

}  // namespace windows
