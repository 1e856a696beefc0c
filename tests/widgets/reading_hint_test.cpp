// What the windows say about a text they did not read whole: the marker in
// the box, its tool tip and accessible description, the status bar, greyed
// results after a fault and the note of an emptied composite-measure field.
// Every row runs through the real windows under several regional formats.

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include <memory>

#include "frame/main_frame.h"
#include "tests/widgets/widget_test_helpers.h"
#include "windows/area_dimensions_window.h"
#include "windows/category_window.h"
#include "windows/descriptors.h"
#include "windows/reading_hint.h"
#include "windows/window_factory.h"

using tabrix_test::kKeypadDecimal;
using tabrix_test::open;
using tabrix_test::type;
using windows::indexedName;
using windows::WindowId;

Q_DECLARE_METATYPE(WindowId)

namespace {

// C and en_US group with ",", de_DE takes the comma for decimals, fr_FR groups
// with U+202F, de_CH with U+2019 and ar_EG writes U+066B for the decimal
// separator: several UTF-8 bytes each.
const char* const kLocales[] = {"C", "en_US", "de_DE", "fr_FR", "de_CH", "ar_EG"};

engine::NumberFormat formatOf(const char* locale)
{
    const QLocale l{QString::fromLatin1(locale)};
    return {l.decimalPoint().toStdString(), l.groupSeparator().toStdString()};
}

QAction* markerOf(QLineEdit* box)
{
    return box->findChild<QAction*>(QStringLiteral("ReadingMarker"));
}

bool marked(QLineEdit* box)
{
    // Shown is the box's own button, not only an action made for it.
    QAction* marker = markerOf(box);
    return marker && marker->isVisible() && box->actions().contains(marker);
}

// Distance's value box, given a text read only in part where a point
// separates decimals, so that its marker shows.
QLineEdit* withMarkedValue(const QWidget& distance)
{
    auto* value = distance.findChild<QLineEdit*>(
        QString::fromLatin1(windows::findDescriptor(WindowId::Distance)->names.valueBox));
    if (value) type(value, QStringLiteral("1,5"));
    return value;
}

QString spoken(QString toolTip) { return toolTip.replace(u'\n', u' '); }

const QString kOverflow = QStringLiteral("The number is too large to compute.");

}  // namespace

class TestReadingHint : public QObject {
    Q_OBJECT
private slots:
    void valueBoxSaysWhenATextIsNotReadWhole_data();
    void valueBoxSaysWhenATextIsNotReadWhole();
    void wordsSayWhatWasLeftOutAndWhatToDo_data();
    void wordsSayWhatWasLeftOutAndWhatToDo();
    void priceBoxSaysHowItWasRead_data();
    void priceBoxSaysHowItWasRead();
    void aFaultGreysThePricesOfAnotherUnit();
    void statusBarShowsTheHintWithTheCaption();
    void emptiedFieldSaysWhyUntilTheNextEntry();
    void markerOutlineFollowsTheTextColour_data();
    void markerOutlineFollowsTheTextColour();
    void clickOnTheMarkerShowsItsWords();
    void keypadTypesTheRegionalSeparatorInAField();
};

void TestReadingHint::valueBoxSaysWhenATextIsNotReadWhole_data()
{
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QByteArray>("locale");
    for (const windows::WindowDescriptor& d : windows::categoryDescriptors())
        for (const char* locale : kLocales)
            QTest::addRow("%s %s", std::string(d.caption()).c_str(), locale)
                << d.id << QByteArray(locale);
}

void TestReadingHint::valueBoxSaysWhenATextIsNotReadWhole()
{
    QFETCH(WindowId, id);
    QFETCH(QByteArray, locale);
    const struct {
        const char* text;
        bool marked;
    } rows[] = {
        {"1,5", true},     {"1.000,5", true}, {"1,000", true}, {"26.2 mi", true}, {"12abc", true},
        {"abc", true},     {"-", true},       {"1e999", true}, {"&HZZ", true},    {"1.5", false},
        {" 1 2 3", false}, {"1e3", false},    {"&HFF", false}, {"", false},       {"1⎖5", false},
    };
    const std::unique_ptr<QWidget> window = open(id, formatOf(locale.constData()));
    const windows::ControlNames& names = windows::findDescriptor(id)->names;
    auto* value = window->findChild<QLineEdit*>(QString::fromLatin1(names.valueBox));
    auto* source =
        window->findChild<QLineEdit*>(indexedName(names.results, 1));  // option 1 is selected
    QVERIFY(value && source);
    const QList<QLineEdit*> results = window->findChildren<QLineEdit*>(QRegularExpression(
        QStringLiteral("^") + QRegularExpression::escape(QString::fromLatin1(names.results)) +
        QStringLiteral("\\(\\d+\\)$")));
    QCOMPARE(results.size(), qsizetype(windows::findDescriptor(id)->table().size));

    for (const auto& row : rows) {
        const QString text = QString::fromUtf8(row.text);
        type(value, text);
        QCOMPARE(value->text(), QString(text).replace(kKeypadDecimal, u'.'));
        const QString tip = value->toolTip();
        QVERIFY2(marked(value) == row.marked, row.text);
        QCOMPARE(value->accessibleDescription(), spoken(tip));
        bool anyStale = false;
        for (QLineEdit* result : results) anyStale = anyStale || windows::isStale(result);
        if (!row.marked) {
            QVERIFY2(tip.isEmpty(), qPrintable(tip));
            QVERIFY2(!anyStale, row.text);
        } else if (text == QStringLiteral("1e999")) {
            QCOMPARE(tip, kOverflow);
            for (QLineEdit* result : results)
                QVERIFY2(windows::isStale(result), qPrintable(result->objectName()));
            // Stale is what the user sees: the text greyed as a disabled box's.
            const QPalette shown = results.front()->palette();
            QCOMPARE(shown.color(QPalette::Text), shown.color(QPalette::Disabled, QPalette::Text));
        } else {
            // The source unit's own box shows the value read, as the engine writes it.
            QVERIFY2(
                tip.startsWith(QStringLiteral("Read as ") + source->text() + QStringLiteral(".\n")),
                qPrintable(row.text + QStringLiteral(" gives ") + tip + QStringLiteral(" beside ") +
                           source->text()));
            QVERIFY2(!anyStale, row.text);
        }
    }
}

void TestReadingHint::wordsSayWhatWasLeftOutAndWhatToDo_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    const auto row = [](const char* locale, const char* text, const char* tip) {
        QTest::addRow("%s %s", locale, text)
            << QByteArray(locale) << QString::fromUtf8(text) << QString::fromUtf8(tip);
    };
    row("C", "1,000", "Read as 1.\n“,000” was left out: digit groups are not read; type 1000.");
    row("en_US", "1,5",
        "Read as 1.\n“,5” was left out: digit groups are not read; type the digits alone.");
    row("de_DE", "1,5",
        "Read as 1.\n“,5” was left out: only a point separates decimals; type 1.5.");
    row("de_DE", "1.000,5",
        "Read as 1.\n“,5” was left out: only a point separates decimals; type 1000.5.");
    row("de_DE", "1,640419947",
        "Read as 1.\n“,640419947” was left out: only a point separates decimals; type "
        "1.640419947.");
    row("fr_FR", "1\u202f000,5",
        "Read as 1.\n“\u202f000,5” was left out: digit groups are not read; type 1000.5.");
    row("ar_EG", "2\u066b5",
        "Read as 2.\n“\u066b5” was left out: only a point separates decimals; type 2.5.");
    row("C", "26.2 mi",
        "Read as 26.2.\n“mi” was left out: type only the number and pick the unit below.");
    row("de_DE", "26.2 mi",
        "Read as 26,2.\n“mi” was left out: type only the number and pick the unit below.");
    row("C", "abc",
        "Read as 0.\n“abc” is not a number. The unit options come back when the box holds one.");
    row("C", "12#",
        "Read as 12.\n“#” was left out: only digits, a sign, a point and an exponent are read.");
    row("C", "1E", "Read as 1.\n“E” was left out: type only the number and pick the unit below.");
    row("C", "1\u200fx",
        "Read as 1.\n“\ufffdx” was left out: only digits, a sign, a point and an exponent are "
        "read.");
    row("C", "5<b>x</b>",
        "Read as 5.\n“<b>x</b>” was left out: only digits, a sign, a point and an exponent are "
        "read.");
    row("C", "7😀",
        "Read as 7.\n“😀” was left out: only digits, a sign, a point and an exponent are read.");
    row("C", "1#####################",
        "Read as 1.\n“############…” was left out: only digits, a sign, a point and an exponent "
        "are read.");
}

void TestReadingHint::wordsSayWhatWasLeftOutAndWhatToDo()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    const std::unique_ptr<QWidget> window = open(WindowId::Distance, formatOf(locale.constData()));
    auto* value = window->findChild<QLineEdit*>(QStringLiteral("TextU1"));
    QVERIFY(value);
    type(value, text);
    QCOMPARE(value->toolTip(), toolTip);
    QVERIFY(marked(value));
    QCOMPARE(markerOf(value)->toolTip(), toolTip);
    QVERIFY(!Qt::mightBeRichText(value->toolTip()));  // shown as typed, never as markup
}

void TestReadingHint::priceBoxSaysHowItWasRead_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<int>("freshLabels");  // labels the price routine wrote
    const auto row = [](const char* locale, const char* price, const char* tip, int fresh) {
        QTest::addRow("%s %s", locale, price)
            << QByteArray(locale) << QString::fromUtf8(price) << QString::fromUtf8(tip) << fresh;
    };
    row("C", "2", "", 11);
    row("C", "", "", 11);
    row("de_DE", "1,5", "Read as 1.\n“,5” was left out: only a point separates decimals; type 1.5.",
        11);
    row("de_DE", "1⎖5", "", 11);
    row("C", "1,5",
        "Read as 1.\n“,5” was left out: digit groups are not read; type the digits alone.", 11);
    row("C", "abc",
        "Read as 0 when a unit is picked.\n“abc” is not a number; the prices wait for one.", 11);
    row("C", "3 kg",
        "Read as 3 when a unit is picked.\n“kg” was left out: type only the price; the prices wait "
        "for a number.",
        11);
    row("C", "&HFF",
        "Read as 255 when a unit is picked.\nThe prices wait for a plainly written number.", 11);
    // Label 11 divides by 5.399568035e-07 and leaves the double range.
    row("C", "1e302", "The number is too large to compute.", 10);
    row("C", "1e999", "The number is too large to compute.", 0);
}

void TestReadingHint::priceBoxSaysHowItWasRead()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, price);
    QFETCH(QString, toolTip);
    QFETCH(int, freshLabels);
    const std::unique_ptr<QWidget> window = open(WindowId::Distance, formatOf(locale.constData()));
    auto* box = window->findChild<QLineEdit*>(QStringLiteral("TextU3"));
    QVERIFY(box);
    type(box, price);
    QCOMPARE(box->toolTip(), toolTip);
    QCOMPARE(marked(box), !toolTip.isEmpty());
    QCOMPARE(box->accessibleDescription(), spoken(toolTip));
    for (int k = 1; k <= 11; ++k) {
        auto* label = window->findChild<QLabel*>(indexedName("LabelU5", k));
        QVERIFY(label);
        QVERIFY2(windows::isStale(label) == (k > freshLabels), qPrintable(label->objectName()));
    }
    // A plain price brings every label back.
    type(box, QStringLiteral("2"));
    QVERIFY(box->toolTip().isEmpty());
    QVERIFY(!windows::isStale(window->findChild<QLabel*>(indexedName("LabelU5", 11))));
}

void TestReadingHint::aFaultGreysThePricesOfAnotherUnit()
{
    const std::unique_ptr<QWidget> window = open(WindowId::Weight, formatOf("C"));
    auto* value = window->findChild<QLineEdit*>(QStringLiteral("TextZ1"));
    auto* option = window->findChild<QRadioButton*>(indexedName("OptionZ1", 2));
    auto* label = window->findChild<QLabel*>(indexedName("LabelZ5", 1));
    QVERIFY(value && option && label);
    type(value, QStringLiteral("1e999"));
    QVERIFY(option->isEnabled());  // a text beyond the range is still a number
    option->click();
    QCOMPARE(value->toolTip(), kOverflow);
    QVERIFY(windows::isStale(label));
    QCOMPARE(label->palette().color(QPalette::WindowText),
             label->palette().color(QPalette::Disabled, QPalette::Text));
    const QString before = label->text();
    type(value, QStringLiteral("1"));
    QVERIFY(windows::isStale(label));  // only a price evaluation renews the prices
    QCOMPARE(label->text(), before);
    option->click();
    QVERIFY(!windows::isStale(label));
}

void TestReadingHint::statusBarShowsTheHintWithTheCaption()
{
    const engine::NumberFormat format = formatOf("de_DE");
    frame::MainFrame frame([format](WindowId id, const engine::NumberFormat&, QWidget* parent) {
        return windows::createWindow(id, format, parent);
    });
    frame.showWindow(WindowId::Distance);
    frame.showWindow(WindowId::Temperature);
    auto* hint = frame.findChild<QLabel*>(QStringLiteral("ReadingHint"));
    auto* failure = frame.findChild<QLabel*>(QStringLiteral("EvaluationMessage"));
    auto* distance = frame.findChild<QLineEdit*>(QStringLiteral("TextU1"));
    auto* temperature = frame.findChild<QLineEdit*>(QStringLiteral("TextW1"));
    QVERIFY(hint && failure && distance && temperature);

    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    type(distance, QStringLiteral("1,5"));
    QCOMPARE(hint->text(), QStringLiteral("Distance: ") + distance->accessibleDescription());
    QVERIFY(hint->text().startsWith(QStringLiteral("Distance: Read as 1. ")));
    // In its own place in the status bar, beside the failure message.
    QTRY_VERIFY(hint->isVisible() && hint->width() > 0);
    QVERIFY(frame.statusBar()->rect().contains(hint->geometry()));
    QVERIFY(!hint->geometry().intersects(failure->geometry()));
    type(temperature, QStringLiteral("5"));  // read whole: the other window's hint stands
    QVERIFY(hint->text().startsWith(QStringLiteral("Distance: ")));
    type(distance, QStringLiteral("1e999"));  // a fault is named as a failure, once
    QVERIFY(hint->text().isEmpty());
    QCOMPARE(failure->text(), QStringLiteral("Distance: ") + kOverflow);
    type(distance, QStringLiteral("abc"));
    QVERIFY(hint->text().startsWith(QStringLiteral("Distance: Read as 0. ")));
    // Quoted markup is shown, and read out, as it was typed.
    type(distance, QStringLiteral("5<b>x</b>"));
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(hint);
    QVERIFY(spoken);
    QVERIFY2(spoken->text(QAccessible::Name).contains(QStringLiteral("\u201c<b>x</b>\u201d")),
             qPrintable(spoken->text(QAccessible::Name)));
    type(distance, QStringLiteral("1.5"));
    QVERIFY(hint->text().isEmpty());
    // The hint, a sentence or two, has two thirds of the bar to the message's one.
    QVERIFY(failure->text().isEmpty());
    QCoreApplication::processEvents();  // the bar lays out the emptied hint
    QVERIFY(hint->width() > failure->width() * 3 / 2);
}

void TestReadingHint::emptiedFieldSaysWhyUntilTheNextEntry()
{
    const std::unique_ptr<QWidget> window = open(WindowId::AreaMetric, formatOf("C"));
    auto* area = qobject_cast<windows::AreaDimensionsWindow*>(window.get());
    auto* cm = window->findChild<QLineEdit*>(indexedName("TextS1", 3));
    auto* m = window->findChild<QLineEdit*>(indexedName("TextS1", 2));
    QVERIFY(area && cm && m);
    QSignalSpy status(area, &windows::AreaDimensionsWindow::readingHintChanged);
    const QString note = windows::smallFieldHint().toolTip();

    type(cm, QStringLiteral("0.5"));
    QCOMPARE(cm->text(), QStringLiteral("5"));
    QCOMPARE(cm->toolTip(), note);  // still standing after the "5" of the same entry
    QVERIFY(marked(cm));
    QCOMPARE(status.size(), 1);  // said once, for three keystrokes
    QCOMPARE(status.at(0).at(0).toString(), note);

    type(m, QStringLiteral("2"));  // another field
    QVERIFY(cm->toolTip().isEmpty());
    QCOMPARE(status.size(), 2);
    QVERIFY(status.at(1).at(0).toString().isEmpty());

    type(cm, QStringLiteral(".5"));
    QCOMPARE(cm->toolTip(), note);
    QTest::keyClick(cm, Qt::Key_Return);  // the entry ends
    type(cm, QStringLiteral("7"));        // a new one that the field keeps
    QCOMPARE(cm->text(), QStringLiteral("7"));
    QVERIFY(cm->toolTip().isEmpty());
    QVERIFY(!marked(cm));
}

// The fields read the regional separators, so the keypad types those: here
// neither the comma it sends nor the point.
void TestReadingHint::keypadTypesTheRegionalSeparatorInAField()
{
    const std::unique_ptr<QWidget> window = open(WindowId::AreaStandard, formatOf("ar_EG"));
    auto* field = window->findChild<QLineEdit*>(indexedName("TextT1", 4));
    QVERIFY(field);
    type(field, QStringLiteral("1⎖5"));
    QCOMPARE(field->text(), QStringLiteral("1\u066b5"));
    QVERIFY(!marked(field));
}

// Without waiting for the pointer to rest on it.
void TestReadingHint::clickOnTheMarkerShowsItsWords()
{
    const std::unique_ptr<QWidget> window = open(WindowId::Distance, {".", ","});
    QLineEdit* value = withMarkedValue(*window);
    QVERIFY(value && marked(value));
    markerOf(value)->trigger();
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), value->toolTip());
    QVERIFY(QToolTip::text().contains(QStringLiteral("digit groups are not read")));
}

QTEST_MAIN(TestReadingHint)
#include "reading_hint_test.moc"

void TestReadingHint::markerOutlineFollowsTheTextColour_data()
{
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("text");
    QTest::newRow("light") << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("dark") << QColor(0x20, 0x20, 0x20) << QColor(Qt::white);
}

void TestReadingHint::markerOutlineFollowsTheTextColour()
{
    QFETCH(QColor, base);
    QFETCH(QColor, text);
    const std::unique_ptr<QWidget> window = open(WindowId::Distance, {".", ","});
    QLineEdit* value = withMarkedValue(*window);
    QVERIFY(value && marked(value));
    // The colours change while the marker shows, as with a switch to a dark
    // desktop theme.
    QPalette palette = window->palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    window->setPalette(palette);
    const QImage icon = markerOf(value)->icon().pixmap(QSize(16, 16)).toImage();
    int outline = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            outline += qAlpha(icon.pixel(x, y)) == 255 &&
                       (icon.pixel(x, y) & 0xffffff) == (text.rgb() & 0xffffff);
    QVERIFY2(outline >= 8, qPrintable(QString::number(outline)));
}
