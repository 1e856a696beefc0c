// What a screen reader gets from every text box of every window: an answer
// to each text request at every offset and boundary (the toolkit's own never
// returns for a word at the end of a box), pieces that add up to the whole
// text, one attribute run over all of it (else the last character goes
// unheard), and names that say the unit in words.

#include <cstdlib>
#include <memory>
#include <utility>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "tests/number_formats.h"
#include "windows/accessible_text.h"
#include "windows/window_factory.h"
#include "windows/window_id.h"

using windows::WindowId;

Q_DECLARE_METATYPE(WindowId)

using tabrix_test::kPointFormat;

namespace {

constexpr QAccessible::TextBoundaryType kBoundaries[] = {
    QAccessible::CharBoundary,      QAccessible::WordBoundary, QAccessible::SentenceBoundary,
    QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary,
};

// Texts the boxes show or are typed: whole numbers, decimals, a trailing
// zero, an empty box, blanks between and around words, an exponent.
const QStringList kTexts = {
    QStringLiteral("10"),
    QStringLiteral("0.01"),
    QStringLiteral("2.30"),
    QStringLiteral("0"),
    QString(),
    QStringLiteral(" 12  34 "),
    QStringLiteral("-1,234.5E+20"),
    QStringLiteral("\U0001D7D923"),  // a digit beyond the basic plane, two halves in UTF-16
};

// A piece the interface returned, checked against the text it came from.
struct Piece {
    QString text;
    int start = -1;
    int end = -1;
};

QString describe(const QLineEdit* box, const QString& text, int offset,
                 QAccessible::TextBoundaryType boundary, const char* request)
{
    return QStringLiteral("%1 \"%2\" %3(%4, boundary %5)")
        .arg(box->objectName(), text, QLatin1String(request))
        .arg(offset)
        .arg(int(boundary));
}

// The text boxes of a window; a spin box's edit (the calendars' year) is
// the spin box's to present.
QList<QLineEdit*> boxesOf(const QWidget& window)
{
    QList<QLineEdit*> boxes = window.findChildren<QLineEdit*>();
    boxes.removeIf([](const QLineEdit* box) {
        return box->objectName() == QLatin1String("qt_spinbox_lineedit");
    });
    return boxes;
}

}  // namespace

class TestAccessibleText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { windows::installAccessibility(); }
    void everyBoxAnswersEveryRequest_data();
    void everyBoxAnswersEveryRequest();
    void everyBoxDoesWhatAReaderAsks_data() { everyBoxAnswersEveryRequest_data(); }
    void everyBoxDoesWhatAReaderAsks();
    void namesSayTheUnitInWords_data();
    void namesSayTheUnitInWords();
    void placeholderOnlyStandsInForAMissingDescription();
};

void TestAccessibleText::everyBoxAnswersEveryRequest_data()
{
    QTest::addColumn<WindowId>("id");
    for (std::size_t i = 0; i < windows::kWindowCount; ++i) {
        const auto id = static_cast<WindowId>(i);
        std::unique_ptr<QWidget> window(windows::createWindow(id, kPointFormat));
        if (!boxesOf(*window).isEmpty()) QTest::newRow(qPrintable(window->objectName())) << id;
    }
}

void TestAccessibleText::everyBoxAnswersEveryRequest()
{
    QFETCH(WindowId, id);
    std::unique_ptr<QWidget> window(windows::createWindow(id, kPointFormat));
    for (QLineEdit* box : boxesOf(*window)) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        QVERIFY(face);
        QVERIFY2(dynamic_cast<windows::AccessibleLineEdit*>(face), qPrintable(box->objectName()));
        QAccessibleTextInterface* text = face->textInterface();
        QVERIFY(text);
        QCOMPARE(face->role(), QAccessible::EditableText);
        QCOMPARE(face->editableTextInterface() != nullptr, !box->isReadOnly());

        for (const QString& shown : kTexts) {
            box->setText(shown);
            const QString whole = box->text();  // the window may rewrite what it is given
            const int length = int(whole.size());
            QCOMPARE(text->characterCount(), length);
            QCOMPARE(text->text(0, length), whole);
            QCOMPARE(face->text(QAccessible::Value), whole);

            QString covered;  // the pieces at successive offsets, each once
            for (int offset = 0; offset <= length; ++offset) {
                int start = -1, end = -1;
                text->attributes(offset, &start, &end);
                QVERIFY2(start == 0 && end == length,
                         qPrintable(describe(box, whole, offset, {}, "attributes")));

                for (QAccessible::TextBoundaryType boundary : kBoundaries) {
                    Piece at, before, after;
                    at.text = text->textAtOffset(offset, boundary, &at.start, &at.end);
                    before.text =
                        text->textBeforeOffset(offset, boundary, &before.start, &before.end);
                    after.text = text->textAfterOffset(offset, boundary, &after.start, &after.end);
                    for (const auto& [piece, request] :
                         {std::pair{&at, "at"}, {&before, "before"}, {&after, "after"}}) {
                        const QString where = describe(box, whole, offset, boundary, request);
                        // Inside the text, also where nothing is (an empty piece).
                        QVERIFY2(0 <= piece->start &&
                                     piece->start + int(!piece->text.isEmpty()) <= piece->end &&
                                     piece->end <= length,
                                 qPrintable(where));
                        if (piece->text.isEmpty()) continue;
                        QVERIFY2(piece->text == whole.mid(piece->start, piece->end - piece->start),
                                 qPrintable(where));
                    }
                    const QString where = describe(box, whole, offset, boundary, "at");
                    // A character is one, or the two halves of one beyond the basic plane.
                    if (boundary == QAccessible::CharBoundary && !at.text.isEmpty())
                        QVERIFY2(at.text.size() == 1 ||
                                     (at.text.size() == 2 && at.text.front().isHighSurrogate()),
                                 qPrintable(where));
                    // The piece at an offset holds it; the end of the text
                    // belongs to the last piece, but there is no character there.
                    if (offset < length)
                        QVERIFY2(at.start <= offset && offset < at.end, qPrintable(where));
                    else if (boundary == QAccessible::CharBoundary)
                        QVERIFY2(at.text.isEmpty(), qPrintable(where));
                    else if (length > 0)
                        QVERIFY2(at.start < at.end && at.end == length, qPrintable(where));
                    const int atStart = at.text.isEmpty() ? offset : at.start;
                    const int atEnd = at.text.isEmpty() ? offset : at.end;
                    if (!before.text.isEmpty()) QVERIFY2(before.end <= atStart, qPrintable(where));
                    if (!after.text.isEmpty()) QVERIFY2(after.start >= atEnd, qPrintable(where));
                    // A one-line box is one line, sentence and paragraph.
                    if (boundary != QAccessible::CharBoundary &&
                        boundary != QAccessible::WordBoundary)
                        QVERIFY2(at.text == whole, qPrintable(where));
                    if (boundary == QAccessible::WordBoundary && offset < length &&
                        at.start == offset)
                        covered += at.text;
                }
            }
            QCOMPARE(covered, whole);

            // Each character's rectangle ends where the next one's begins, so
            // a magnifier or a reader's review lands on the character it
            // names. A pixel is the rounding between a string's advance and
            // its characters' advances.
            for (int offset = 0; offset < length; ++offset) {
                if (whole.at(offset).isSurrogate() ||
                    (offset + 1 < length && whole.at(offset + 1).isSurrogate()))
                    continue;
                const QRect here = text->characterRect(offset);
                const QRect next = text->characterRect(offset + 1);
                QVERIFY2(!here.isEmpty() && std::abs(next.left() - (here.right() + 1)) <= 1,
                         qPrintable(describe(box, whole, offset, {}, "characterRect")));
            }
            QVERIFY(text->characterRect(-1).isNull());
            QVERIFY(text->characterRect(length + 1).isNull());

            // A reader reads back what the user selected; a box holds one selection.
            if (length >= 2) {
                box->setSelection(1, length - 1);
                int first = -1, second = -1;
                text->selection(0, &first, &second);
                QCOMPARE(std::pair(first, second), std::pair(1, length));
                text->selection(1, &first, &second);
                QCOMPARE(std::pair(first, second), std::pair(0, 0));
                QCOMPARE(text->selectionCount(), 1);
                box->deselect();
            }
        }
    }
}

void TestAccessibleText::namesSayTheUnitInWords_data()
{
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("price");  // typed into the price box first, if any
    QTest::addColumn<QString>("name");
    const auto row = [](const char* tag, WindowId id, const char* control, const char* price,
                        const char* name) {
        QTest::newRow(tag) << id << QString::fromLatin1(control) << QString::fromLatin1(price)
                           << QString::fromUtf8(name);
    };
    // Boxes, by their own name and not their prompt label's.
    row("value box", WindowId::Distance, "TextU1", "", "Enter a Value in Millimeters");
    row("price box", WindowId::Distance, "TextU3", "", "Price per Unit in Millimeters");
    row("result box", WindowId::Distance, "TextU2(10)", "", "Value in Miles");
    row("first length field", WindowId::AreaMetric, "TextS1(1)", "", "Length in kilometres");
    row("first width field", WindowId::AreaMetric, "TextS1(4)", "", "Width in kilometres");
    row("inch field", WindowId::AreaStandard, "TextT1(3)", "", "Length in inches");
    row("area result", WindowId::AreaStandard, "TextT2(9)", "", "Area in square Kilometers");
    // Prices with their amount, the caption label with the unit in words.
    row("price label", WindowId::Distance, "LabelU5(9)", "", "Price per Kilometers, $0.00");
    row("priced label", WindowId::Distance, "LabelU5(1)", "2.5", "Price per Millimeters, $2.50");
    row("caption label", WindowId::Temperature, "LabelW1", "", "Selected unit, degrees Fahrenheit");
    row("abbreviation", WindowId::Temperature, "LabelW2(2)", "", "degrees Celsius");
    // Shorthand in the captions, read out.
    row("square", WindowId::Area, "TextR2(11)", "", "Value in square Nautical Miles");
    row("per square", WindowId::Pressure, "Text351(3)", "",
        "Value in Kilograms per square Centimeter");
    row("of mercury", WindowId::Pressure, "Text351(7)", "", "Value in Inches of Mercury");
    row("kind after dash", WindowId::Energy, "TextV2(6)", "", "Value in International BTUs");
    row("kilowatt", WindowId::Energy, "TextV2(4)", "", "Value in Kilowatt Hours");
    row("bracketed kind", WindowId::Weight, "TextZ2(7)", "", "Value in short Tons");
    row("imperial", WindowId::Liquid, "TextY2(10)", "", "Value in Imperial Ounces");
    row("option", WindowId::Distance, "OptionU1(11)", "", "Nautical Miles");
}

void TestAccessibleText::namesSayTheUnitInWords()
{
    QFETCH(WindowId, id);
    QFETCH(QString, control);
    QFETCH(QString, price);
    QFETCH(QString, name);
    std::unique_ptr<QWidget> window(windows::createWindow(id, kPointFormat));
    if (!price.isEmpty()) {
        auto* priceBox = window->findChild<QLineEdit*>(QStringLiteral("TextU3"));
        QVERIFY(priceBox);
        priceBox->setText(price);
    }
    auto* widget = window->findChild<QWidget*>(control);
    QVERIFY(widget);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), name);
    // A screen reader reads the label a box is labelled by in place of its name.
    if (qobject_cast<QLineEdit*>(widget)) QVERIFY(face->relations(QAccessible::Label).isEmpty());
    // A price is reached by Tab.
    if (auto* label = qobject_cast<QLabel*>(widget); label && control.startsWith(u"LabelU5"))
        QVERIFY(label->focusPolicy() & Qt::TabFocus);
}

// What a reader, a braille display or a voice-control program asks a box to
// do: select, move the caret, find the character under a point, type,
// delete and replace. A result box is read, never written.
void TestAccessibleText::everyBoxDoesWhatAReaderAsks()
{
    QFETCH(WindowId, id);
    std::unique_ptr<QWidget> window(windows::createWindow(id, kPointFormat));
    for (QLineEdit* box : boxesOf(*window)) {
        if (box->isHidden()) continue;  // the area windows' work boxes, which no one reaches
        const QString name = box->objectName();
        auto* face =
            dynamic_cast<windows::AccessibleLineEdit*>(QAccessible::queryAccessibleInterface(box));
        QVERIFY(face);
        const QAccessible::State state = face->state();
        QCOMPARE(bool(state.readOnly), box->isReadOnly());
        QCOMPARE(bool(state.editable), !box->isReadOnly());
        QVERIFY(state.selectableText);

        box->setText(QStringLiteral("12345"));
        const QString whole = box->text();
        const int length = int(whole.size());
        QVERIFY2(length >= 3, qPrintable(name));

        face->setSelection(0, 1, 3);
        QCOMPARE(std::pair(box->selectionStart(), box->selectedText()),
                 std::pair(1, whole.mid(1, 2)));
        face->setSelection(1, 0, 1);  // a box has one selection only
        face->removeSelection(1);
        QCOMPARE(box->selectedText(), whole.mid(1, 2));
        face->removeSelection(0);
        QVERIFY(!box->hasSelectedText());
        face->addSelection(-5, 99);  // kept to the text
        QCOMPARE(box->selectedText(), whole);
        box->deselect();

        face->setCursorPosition(2);
        QCOMPARE(box->cursorPosition(), 2);
        QCOMPARE(face->cursorPosition(), 2);
        face->scrollToSubstring(1, length);
        QCOMPARE(box->cursorPosition(), 1);  // the start of the part is shown

        for (int offset = 0; offset < length; ++offset) {
            const QRect rect = face->characterRect(offset);
            QVERIFY2(face->offsetAtPoint(QPoint(rect.left() + 1, rect.center().y())) == offset,
                     qPrintable(describe(box, whole, offset, {}, "offsetAtPoint")));
        }
        QCOMPARE(face->offsetAtPoint(box->mapToGlobal(QPoint(-5, -5))), -1);

        const QString typed = box->isReadOnly() ? whole : QStringLiteral("1") + whole;
        face->insertText(0, QStringLiteral("1"));
        QCOMPARE(box->text(), typed);
        face->deleteText(0, 1);
        QCOMPARE(box->text(), whole);
        face->replaceText(-3, 99, QStringLiteral("7"));
        QCOMPARE(box->text(), box->isReadOnly() ? whole : QStringLiteral("7"));
        face->setText(QAccessible::Value, QStringLiteral("8"));
        QCOMPARE(box->text(), box->isReadOnly() ? whole : QStringLiteral("8"));
    }
}

// As Qt's own line edits do: the grey prompt a box shows when empty is its
// description when it has none, and never takes the place of its name.
void TestAccessibleText::placeholderOnlyStandsInForAMissingDescription()
{
    QLineEdit box;
    box.setPlaceholderText(QStringLiteral("Type a value"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&box);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Description), QStringLiteral("Type a value"));
    QCOMPARE(face->text(QAccessible::Name), QString());
    box.setAccessibleName(QStringLiteral("Value in Miles"));
    box.setAccessibleDescription(QStringLiteral("Kept to 15 digits"));
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Value in Miles"));
    QCOMPARE(face->text(QAccessible::Description), QStringLiteral("Kept to 15 digits"));
}

QTEST_MAIN(TestAccessibleText)
#include "accessible_text_test.moc"
