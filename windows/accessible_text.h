#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

class QLineEdit;

namespace windows {

// Gives every line edit of the program the accessible interface below, in
// place of the toolkit's own. Call once, after the QApplication exists: the
// toolkit installs its widget factory as the application starts, and the
// factory installed last is asked first.
void installAccessibility();

// What a screen reader is told of a line edit. Every text request is answered
// from the box's text alone, at once, for every offset from 0 to the length
// and every boundary: the toolkit's own answers for a word or a sentence at
// the end of a box never return, and its attribute runs are empty, which
// makes a screen reader drop the last character. A single-line box is one
// line, one sentence and one paragraph; a word is a run of non-blank
// characters with the blanks after it, so "0.01" and "-1,234.5" are one word.
// One attribute run covers the whole text. The box's accessible name wins
// over the label it is the buddy of, so the unit in the name is heard.
class AccessibleLineEdit : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit AccessibleLineEdit(QLineEdit* box);

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString& text) override;
    QAccessible::State state() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface; a read-only box refuses every edit.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* box() const;
    // The text a screen reader may read: a password box's is starred.
    QString shownText() const;
};

}  // namespace windows
