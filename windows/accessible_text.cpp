#include "windows/accessible_text.h"

#include <algorithm>
#include <vector>

#include <QFontMetrics>
#include <QLineEdit>
#include <QVariant>

namespace windows {

namespace {

struct Span {
    int start = 0;
    int end = 0;
};

bool isBlank(QChar c) { return c.isSpace(); }

// The text cut into the pieces of one boundary type, in order, covering the
// whole text; none for an empty text.
std::vector<Span> pieces(const QString& text, QAccessible::TextBoundaryType boundary)
{
    const int length = static_cast<int>(text.size());
    std::vector<Span> spans;
    if (length == 0) return spans;
    switch (boundary) {
    case QAccessible::CharBoundary:
        for (int i = 0; i < length;) {
            // A character beyond the basic plane is one character, not two halves.
            const int next = i + (text.at(i).isHighSurrogate() && i + 1 < length &&
                                          text.at(i + 1).isLowSurrogate()
                                      ? 2
                                      : 1);
            spans.push_back({i, next});
            i = next;
        }
        break;
    case QAccessible::WordBoundary: {
        int i = 0;
        if (isBlank(text.at(0))) {  // blanks before the first word stand alone
            while (i < length && isBlank(text.at(i))) ++i;
            spans.push_back({0, i});
        }
        while (i < length) {
            const int start = i;
            while (i < length && !isBlank(text.at(i))) ++i;
            while (i < length && isBlank(text.at(i))) ++i;
            spans.push_back({start, i});
        }
        break;
    }
    case QAccessible::SentenceBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::LineBoundary:
    case QAccessible::NoBoundary: spans.push_back({0, length}); break;
    }
    return spans;
}

// The index of the piece at `offset`. The end of the text belongs to the last
// piece, except for characters: there is no character after the last one, so
// the end stands for an empty piece past the last (index == size).
int pieceAt(const std::vector<Span>& spans, int offset, QAccessible::TextBoundaryType boundary)
{
    const int count = static_cast<int>(spans.size());
    for (int i = 0; i < count; ++i)
        if (offset < spans[static_cast<std::size_t>(i)].end) return i;
    return boundary == QAccessible::CharBoundary ? count : count - 1;
}

// Nothing to return: an empty text where the request was, never an offset
// outside the text.
QString nothing(int offset, int length, int* startOffset, int* endOffset)
{
    *startOffset = *endOffset = std::clamp(offset, 0, length);
    return {};
}

enum class Neighbour { Before, At, After };

QString pieceText(const QString& text, int offset, QAccessible::TextBoundaryType boundary,
                  Neighbour which, int* startOffset, int* endOffset)
{
    const int length = static_cast<int>(text.size());
    if (offset < 0 || offset > length) return nothing(offset, length, startOffset, endOffset);
    const std::vector<Span> spans = pieces(text, boundary);
    int index = pieceAt(spans, offset, boundary);
    if (which == Neighbour::Before) --index;
    if (which == Neighbour::After) ++index;
    if (index < 0 || index >= static_cast<int>(spans.size()))
        return nothing(offset, length, startOffset, endOffset);
    const Span span = spans[static_cast<std::size_t>(index)];
    *startOffset = span.start;
    *endOffset = span.end;
    return text.mid(span.start, span.end - span.start);
}

QAccessibleInterface* lineEditFactory(const QString& /*key*/, QObject* object)
{
    // Asked once per class of the object's ancestry; the first answer is kept.
    auto* box = qobject_cast<QLineEdit*>(object);
    // A spin box's edit has no interface of its own: the spin box speaks for it.
    if (!box || box->objectName() == QLatin1String("qt_spinbox_lineedit")) return nullptr;
    return new AccessibleLineEdit(box);
}

}  // namespace

void installAccessibility() { QAccessible::installFactory(&lineEditFactory); }

AccessibleLineEdit::AccessibleLineEdit(QLineEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{}

QLineEdit* AccessibleLineEdit::box() const { return static_cast<QLineEdit*>(widget()); }

QString AccessibleLineEdit::shownText() const
{
    switch (box()->echoMode()) {
    case QLineEdit::Normal: return box()->text();
    case QLineEdit::NoEcho: return {};
    case QLineEdit::Password:
    case QLineEdit::PasswordEchoOnEdit: break;
    }
    return QString(box()->text().size(), u'*');
}

void* AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface && !box()->isReadOnly())
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleLineEdit::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value) return shownText();
    QString result = QAccessibleWidget::text(type);
    if (result.isEmpty() && type == QAccessible::Description) result = box()->placeholderText();
    return result;
}

void AccessibleLineEdit::setText(QAccessible::Text type, const QString& text)
{
    if (type != QAccessible::Value) {
        QAccessibleWidget::setText(type, text);
        return;
    }
    if (!box()->isReadOnly()) box()->setText(text);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (box()->isReadOnly()) state.readOnly = true;
    else state.editable = true;
    if (box()->echoMode() != QLineEdit::Normal) state.passwordEdit = true;
    state.selectableText = true;
    return state;
}

// A screen reader speaks the label a box is labelled by in place of the box's
// own name; the name says more (the unit), so only a box without a name of its
// own keeps the label.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
AccessibleLineEdit::relations(QAccessible::Relation match) const
{
    auto list = QAccessibleWidget::relations(match);
    if (!box()->accessibleName().isEmpty())
        list.removeIf([](const auto& relation) { return relation.second & QAccessible::Label; });
    return list;
}

void AccessibleLineEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText()) return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int AccessibleLineEdit::selectionCount() const { return box()->hasSelectedText() ? 1 : 0; }

void AccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);  // a line edit holds one selection
}

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0) box()->deselect();
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0) return;
    const int length = characterCount();
    startOffset = std::clamp(startOffset, 0, length);
    endOffset = std::clamp(endOffset, 0, length);
    box()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::cursorPosition() const { return box()->cursorPosition(); }

void AccessibleLineEdit::setCursorPosition(int position) { box()->setCursorPosition(position); }

QString AccessibleLineEdit::text(int startOffset, int endOffset) const
{
    const QString shown = shownText();
    const int length = static_cast<int>(shown.size());
    startOffset = std::clamp(startOffset, 0, length);
    // -1 asks for the text up to its end.
    endOffset = endOffset < 0 ? length : std::clamp(endOffset, startOffset, length);
    return shown.mid(startOffset, endOffset - startOffset);
}

QString AccessibleLineEdit::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const
{
    return pieceText(shownText(), offset, boundaryType, Neighbour::Before, startOffset, endOffset);
}

QString AccessibleLineEdit::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const
{
    return pieceText(shownText(), offset, boundaryType, Neighbour::After, startOffset, endOffset);
}

QString AccessibleLineEdit::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const
{
    return pieceText(shownText(), offset, boundaryType, Neighbour::At, startOffset, endOffset);
}

int AccessibleLineEdit::characterCount() const { return static_cast<int>(shownText().size()); }

// Measured from the caret, which the box keeps where it draws it, so the
// box's scrolling is taken into account.
QRect AccessibleLineEdit::characterRect(int offset) const
{
    const QString shown = shownText();
    const int length = static_cast<int>(shown.size());
    if (offset < 0 || offset > length) return {};
    // The box's cursor rectangle reaches a few pixels beyond the caret on
    // either side, centred on it: the caret stands at its middle, not at its
    // left edge, or every rectangle would lie that far left of its character.
    const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(box()->font());
    const int caretPosition = std::clamp(box()->cursorPosition(), 0, length);
    const int x = caret.left() + caret.width() / 2 + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(caretPosition));
    // The place after the last character is as wide as a blank.
    const QString character = offset < length ? shown.mid(offset, 1) : QStringLiteral(" ");
    const QRect local(x, caret.y(), metrics.horizontalAdvance(character), caret.height());
    return QRect(box()->mapToGlobal(local.topLeft()), local.size());
}

int AccessibleLineEdit::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = box()->mapFromGlobal(point);
    if (!box()->rect().contains(local)) return -1;
    return box()->cursorPositionAt(local);
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex)
{
    // Showing the end first, then the start, leaves as much of the part shown as fits.
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

QString AccessibleLineEdit::attributes(int /*offset*/, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void AccessibleLineEdit::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (box()->isReadOnly()) return;
    const QString old = box()->text();
    const int length = static_cast<int>(old.size());
    startOffset = std::clamp(startOffset, 0, length);
    endOffset = std::clamp(endOffset, startOffset, length);
    box()->setText(old.left(startOffset) + text + old.mid(endOffset));
}

}  // namespace windows
