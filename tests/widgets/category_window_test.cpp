// The category windows as the user meets them: typing, picking units, focus,
// the price column and what each window shows for its documented rows.
// Controls are found by their object names only.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "engine/status.h"
#include "tests/widgets/widget_test_helpers.h"
#include "windows/category_window.h"
#include "windows/descriptors.h"
#include "windows/twips.h"
#include "windows/window_factory.h"

using engine::EvalStatus;
using windows::CategoryWindow;
using windows::indexedName;
using windows::WindowId;

Q_DECLARE_METATYPE(WindowId)
Q_DECLARE_METATYPE(EvalStatus)

using namespace tabrix_test;

namespace {

std::unique_ptr<CategoryWindow> open(WindowId id, const engine::NumberFormat& format = kPointFormat)
{
    return tabrix_test::open<CategoryWindow>(id, format);
}

// The controls of one window, looked up by the names the window must carry.
struct Controls {
    QLineEdit* value = nullptr;
    QLabel* caption = nullptr;
    QList<QRadioButton*> options;  // options[k - 1] is option k
    QList<QLineEdit*> results;
    QLabel* prompt = nullptr;
    QLineEdit* price = nullptr;
    QList<QLabel*> prices;
};

struct Names {
    const char* value;
    const char* options;
    const char* results;
    const char* caption;
    const char* prompt;
    int units;
    const char* price = nullptr;
    const char* prices = nullptr;
};

const Names kTemperatureNames{"TextW1", "OptionW1", "TextW2", "LabelW1", "LabelW3", 3};
const Names kDistanceNames{"TextU1",  "OptionU1", "TextU2", "LabelU1",
                           "LabelU3", 11,         "TextU3", "LabelU5"};
const Names kAreaNames{"TextR1", "OptionR1", "TextR2", "LabelR1", "LabelR3", 11};

// Empty when every control was found, else the first missing name.
QString lookUp(const QWidget& window, const Names& names, Controls& c)
{
    c.value = window.findChild<QLineEdit*>(names.value);
    if (!c.value) return names.value;
    c.caption = window.findChild<QLabel*>(names.caption);
    if (!c.caption) return names.caption;
    c.prompt = window.findChild<QLabel*>(names.prompt);
    if (!c.prompt) return names.prompt;
    for (int k = 1; k <= names.units; ++k) {
        auto* option = window.findChild<QRadioButton*>(indexedName(names.options, k));
        if (!option) return indexedName(names.options, k);
        auto* result = window.findChild<QLineEdit*>(indexedName(names.results, k));
        if (!result) return indexedName(names.results, k);
        c.options.push_back(option);
        c.results.push_back(result);
        if (!names.prices) continue;
        auto* price = window.findChild<QLabel*>(indexedName(names.prices, k));
        if (!price) return indexedName(names.prices, k);
        c.prices.push_back(price);
    }
    if (window.findChild<QRadioButton*>(indexedName(names.options, names.units + 1)))
        return QStringLiteral("an option beyond the last unit");
    if (names.price) {
        c.price = window.findChild<QLineEdit*>(names.price);
        if (!c.price) return names.price;
    }
    return {};
}

// On its caption: an option takes clicks on its circle and caption only.
void clickOption(QRadioButton* option)
{
    QTest::mouseClick(option, Qt::LeftButton, {},
                      QPoint(option->sizeHint().width() / 2, option->height() / 2));
}

QStringList texts(const QList<QLineEdit*>& boxes)
{
    QStringList out;
    for (const QLineEdit* box : boxes) out << box->text();
    return out;
}

QStringList texts(const QList<QLabel*>& labels)
{
    QStringList out;
    for (const QLabel* label : labels) out << label->text();
    return out;
}

bool allEnabled(const QList<QRadioButton*>& options, bool enabled)
{
    return std::all_of(options.begin(), options.end(),
                       [enabled](const QRadioButton* o) { return o->isEnabled() == enabled; });
}

}  // namespace

#define LOOK_UP(window, names, controls)                                                           \
    do {                                                                                           \
        const QString missing = lookUp(*(window), names, controls);                                \
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing control ") + missing));     \
    } while (false)

class TestCategoryWindow : public QObject {
    Q_OBJECT

private slots:
    void everyCategoryWindowIsNamedAndCaptioned_data();
    void everyCategoryWindowIsNamedAndCaptioned();
    void opensWithTheResultsForZero();
    void areaOpensWithZerosAndNoEcho();
    void priceWindowOpensWithZeroPrices();
    void trailingLettersDisableOptionsButStillEvaluate();
    void emptyingDisablesOptionsAndShowsZeros();
    void pickingAUnitReevaluatesAndEchoes();
    void acceleratorPicksAUnit();
    void resultBoxesRefuseEveryEdit();
    void resultBoxesCanBeCopied();
    void focusSelectsTheWholeText();
    void valueBoxHasFocusWhenShown();
    void valueBoxHasFocusInTheFrame();
    void boxesLimitTypedText();
    void longResultIsShownWhole();
    void decimalCommaFormat();
    void failedEvaluationKeepsBoxesAndReports();
    void successAfterFailureIsReported();
    void accessibleNames();
    void nothingIsClipped_data();
    void nothingIsClipped();

    void priceChangeRunsThePriceRow();
    void valueChangeLeavesPrices();
    void nonNumericPriceIsIgnoredUntilFocusLeaves();
    void optionClickRunsPricesForTheNewUnit();
    void negativePriceOnTheDiagonal();
    void failedConversionSkipsThePrices();
    void priceOverflowStopsAtTheFaultyLabel();

    void documentedRows_data();
    void documentedRows();
    void documentedPrices_data();
    void documentedPrices();
    void areaShowsTheSquareSide();
    void areaIgnoresValuesNotAboveZero();
};

void TestCategoryWindow::everyCategoryWindowIsNamedAndCaptioned_data()
{
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("firstOption");
    QTest::addColumn<bool>("price");
    const struct {
        WindowId id;
        const char* objectName;
        const char* caption;
        const char* firstOption;
        bool price;
    } rows[] = {
        {WindowId::Area, "Form1", "Area", "OptionR1(1)", false},
        {WindowId::Distance, "Form4", "Distance", "OptionU1(1)", true},
        {WindowId::Energy, "Form5", "Energy", "OptionV1(1)", false},
        {WindowId::Temperature, "Form6", "Temperature", "OptionW1(1)", false},
        {WindowId::Time, "Form7", "Time", "OptionX1(1)", true},
        {WindowId::Liquid, "Form8", "Liquid", "OptionY1(1)", true},
        {WindowId::Weight, "Form9", "Weight", "OptionZ1(1)", true},
        {WindowId::Pressure, "Form10", "Pressure", "Option351(1)", false},
        {WindowId::Speed, "Form11", "Speed", "Option451(1)", false},
        {WindowId::Density, "Form12", "Density", "Option551(1)", false},
        {WindowId::Volume, "Form13", "Volume", "Option551(1)", false},
        {WindowId::Force, "Form14", "Force", "Option751(1)", false},
    };
    for (const auto& row : rows)
        QTest::newRow(row.caption)
            << row.id << row.objectName << row.caption << row.firstOption << row.price;
}

void TestCategoryWindow::everyCategoryWindowIsNamedAndCaptioned()
{
    QFETCH(WindowId, id);
    QFETCH(QString, objectName);
    QFETCH(QString, caption);
    QFETCH(QString, firstOption);
    QFETCH(bool, price);

    auto window = open(id);
    QVERIFY(window);
    QCOMPARE(window->objectName(), objectName);
    QCOMPARE(window->windowTitle(), caption);
    auto* option = window->findChild<QRadioButton*>(firstOption);
    QVERIFY(option);
    QVERIFY(option->isChecked());
    QCOMPARE(window->descriptor().table().HasPrices(), price);
    QCOMPARE(QString::fromUtf8(window->descriptor().table().caption), caption);
}

void TestCategoryWindow::opensWithTheResultsForZero()
{
    auto window = open(WindowId::Temperature);
    Controls c;
    LOOK_UP(window.get(), kTemperatureNames, c);
    QCOMPARE(c.value->text(), QStringLiteral("0"));
    QCOMPARE(c.caption->text(), QStringLiteral("*F"));
    QCOMPARE(texts(c.results), (QStringList{"0", "-17.7777777777778", "255.382222"}));
    QCOMPARE(c.prompt->text(), QStringLiteral("Enter a Value..."));
    QVERIFY(c.options[0]->isChecked());
    QVERIFY(allEnabled(c.options, true));
    QCOMPARE(window->findChild<QLabel*>("LabelW2(2)")->text(), QStringLiteral("*C"));
    QCOMPARE(window->lastStatus(), EvalStatus::Ok);
}

// An area that is not above zero has no square side: every box shows "0" and
// the caption label keeps what it shows.
void TestCategoryWindow::areaOpensWithZerosAndNoEcho()
{
    auto window = open(WindowId::Area);
    Controls c;
    LOOK_UP(window.get(), kAreaNames, c);
    QCOMPARE(texts(c.results), QStringList(11, QStringLiteral("0")));
    QCOMPARE(c.caption->text(), QStringLiteral("?"));
}

void TestCategoryWindow::priceWindowOpensWithZeroPrices()
{
    auto window = open(WindowId::Distance);
    Controls c;
    LOOK_UP(window.get(), kDistanceNames, c);
    QCOMPARE(c.price->text(), QStringLiteral("0"));
    QCOMPARE(texts(c.prices), QStringList(11, QStringLiteral("$0.00")));
    QCOMPARE(window->findChild<QLabel*>("LabelU4")->text(), QStringLiteral("Price per Unit"));
    QCOMPARE(c.caption->text(), QStringLiteral("mm"));
}

void TestCategoryWindow::trailingLettersDisableOptionsButStillEvaluate()
{
    auto window = open(WindowId::Temperature);
    Controls c;
    LOOK_UP(window.get(), kTemperatureNames, c);
    c.options[1]->click();
    type(c.value, QStringLiteral("5x"));
    QVERIFY(allEnabled(c.options, false));
    QVERIFY(c.options[1]->isChecked());
    QCOMPARE(texts(c.results), (QStringList{"41", "5", "278.16"}));
    QCOMPARE(window->lastStatus(), EvalStatus::Ok);
}

void TestCategoryWindow::emptyingDisablesOptionsAndShowsZeros()
{
    auto window = open(WindowId::Temperature);
    Controls c;
    LOOK_UP(window.get(), kTemperatureNames, c);
    c.options[1]->click();
    type(c.value, QStringLiteral("7"));
    QCOMPARE(c.results[0]->text(), QStringLiteral("44.6"));

    type(c.value, QString());
    QCOMPARE(c.value->text(), QString());
    QVERIFY(allEnabled(c.options, false));
    QCOMPARE(texts(c.results), (QStringList{"32", "0", "273.16"}));

    QTest::keyClicks(c.value, "5");
    QVERIFY(allEnabled(c.options, true));
    QCOMPARE(texts(c.results), (QStringList{"41", "5", "278.16"}));
}

void TestCategoryWindow::pickingAUnitReevaluatesAndEchoes()
{
    auto window = open(WindowId::Temperature);
    QVERIFY(showActive(*window));
    Controls c;
    LOOK_UP(window.get(), kTemperatureNames, c);
    type(c.value, QStringLiteral("1"));
    QCOMPARE(texts(c.results), (QStringList{"1", "-17.2222222222222", "255.93777756"}));

    clickOption(c.options[1]);
    QVERIFY(c.options[1]->isChecked());
    QCOMPARE(c.caption->text(), QStringLiteral("*C"));
    QCOMPARE(texts(c.results), (QStringList{"33.8", "1", "274.16"}));
    QCOMPARE(c.value->text(), QStringLiteral("1"));
}

void TestCategoryWindow::acceleratorPicksAUnit()
{
    auto window = open(WindowId::Temperature);
    QVERIFY(showActive(*window));
    Controls c;
    LOOK_UP(window.get(), kTemperatureNames, c);
    type(c.value, QStringLiteral("0"));

    QTest::keyClick(window.get(), Qt::Key_K, Qt::AltModifier);  // "&Kelvin"
    QTRY_VERIFY(c.options[2]->isChecked());
    QTRY_COMPARE(c.caption->text(), QStringLiteral("*K"));
    QCOMPARE(texts(c.results), (QStringList{"-459.688", "-273.16", "0"}));
}

// Typing, Delete, cutting and pasting all leave a result box as it was.
void TestCategoryWindow::resultBoxesRefuseEveryEdit()
{
    auto window = open(WindowId::Temperature);
    QVERIFY(showActive(*window));
    Controls c;
    LOOK_UP(window.get(), kTemperatureNames, c);
    QLineEdit* box = c.results[1];
    const QString before = box->text();
    box->setFocus();
    QVERIFY(box->hasFocus());

    QTest::keyClicks(box, "123");
    QCOMPARE(box->text(), before);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), before);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(box->text(), before);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), before);
    QVERIFY(box->isReadOnly());
}

void TestCategoryWindow::resultBoxesCanBeCopied()
{
    auto window = open(WindowId::Temperature);
    QVERIFY(showActive(*window));
    Controls c;
    LOOK_UP(window.get(), kTemperatureNames, c);
    QApplication::clipboard()->clear();
    c.results[1]->setFocus();
    QTest::keyClick(c.results[1], Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("-17.7777777777778"));
}

void TestCategoryWindow::focusSelectsTheWholeText()
{
    auto window = open(WindowId::Distance);
    QVERIFY(showActive(*window));
    Controls c;
    LOOK_UP(window.get(), kDistanceNames, c);
    type(c.value, QStringLiteral("123456"));

    // A click into a result box selects its text, as the Tab key does.
    QTest::mouseClick(c.results[0], Qt::LeftButton);
    QVERIFY(c.results[0]->hasFocus());
    QCOMPARE(c.results[0]->selectedText(), QStringLiteral("123456"));
    QTest::mouseClick(c.results[1], Qt::LeftButton);
    QCOMPARE(c.results[1]->selectedText(), QStringLiteral("12345.6"));

    QTest::mouseClick(c.value, Qt::LeftButton);
    QVERIFY(c.value->hasFocus());
    QCOMPARE(c.value->selectedText(), QStringLiteral("123456"));

    c.price->setText(QStringLiteral("2.5"));
    QTest::mouseClick(c.price, Qt::LeftButton);
    QCOMPARE(c.price->selectedText(), QStringLiteral("2.5"));

    c.results[3]->setFocus(Qt::TabFocusReason);
    QCOMPARE(c.results[3]->selectedText(), c.results[3]->text());
}

void TestCategoryWindow::valueBoxHasFocusWhenShown()
{
    auto window = open(WindowId::Distance);
    QVERIFY(showActive(*window));
    Controls c;
    LOOK_UP(window.get(), kDistanceNames, c);
    QVERIFY(c.value->hasFocus());
    QCOMPARE(c.value->selectedText(), QStringLiteral("0"));
    QTest::keyClicks(c.value, "3");
    QCOMPARE(c.value->text(), QStringLiteral("3"));

    // Value box, then price box, then the options.
    QTest::keyClick(c.value, Qt::Key_Tab);
    QVERIFY(c.price->hasFocus());
    QTest::keyClick(c.price, Qt::Key_Tab);
    QVERIFY(c.options[0]->hasFocus());
}

// As a child window of the program's frame, at its laid-out size.
void TestCategoryWindow::valueBoxHasFocusInTheFrame()
{
    QMdiArea area;
    area.resize(1200, 800);
    QVERIFY(showActive(area));
    QWidget* window = windows::createWindow(WindowId::Temperature, kPointFormat);
    QMdiSubWindow* sub = area.addSubWindow(window);
    sub->show();
    area.setActiveSubWindow(sub);
    auto* value = window->findChild<QLineEdit*>("TextW1");
    QVERIFY(value);
    QTRY_VERIFY(value->hasFocus());
    QCOMPARE(value->selectedText(), QStringLiteral("0"));
    QCOMPARE(window->size(), window->sizeHint());
}

void TestCategoryWindow::boxesLimitTypedText()
{
    auto window = open(WindowId::Distance);
    Controls c;
    LOOK_UP(window.get(), kDistanceNames, c);
    type(c.value, QStringLiteral("1234567890123456789012345"));
    QCOMPARE(c.value->text(), QStringLiteral("123456789012345678901"));
    type(c.price, QStringLiteral("123456789012"));
    QCOMPARE(c.price->text(), QStringLiteral("1234567890"));
}

// (-2E+100 - 32) / 9 * 5 has 15 significant digits and a three-digit exponent.
void TestCategoryWindow::longResultIsShownWhole()
{
    auto window = open(WindowId::Temperature);
    Controls c;
    LOOK_UP(window.get(), kTemperatureNames, c);
    type(c.value, QStringLiteral("-2e100"));
    QCOMPARE(c.results[1]->text(), QStringLiteral("-1.11111111111111E+100"));
    QCOMPARE(c.results[1]->text().size(), 22);
    // The box is wide enough to show all of it.
    const int textWidth = c.results[1]->fontMetrics().horizontalAdvance(c.results[1]->text());
    QVERIFY2(textWidth < c.results[1]->width() - 4, qPrintable(QString::number(textWidth)));
}

void TestCategoryWindow::decimalCommaFormat()
{
    auto window = open(WindowId::Temperature, kCommaFormat);
    Controls c;
    LOOK_UP(window.get(), kTemperatureNames, c);
    c.options[1]->click();
    type(c.value, QStringLiteral("1"));
    QCOMPARE(texts(c.results), (QStringList{"33,8", "1", "274,16"}));

    // "2,5" is a number in this format; reading takes the point only, so it reads 2.
    type(c.value, QStringLiteral("2,5"));
    QVERIFY(allEnabled(c.options, true));
    QCOMPARE(c.results[0]->text(), QStringLiteral("35,6"));
    type(c.value, QStringLiteral("2,5,1"));
    QVERIFY(allEnabled(c.options, false));
}

// A value beyond the range of a double cannot be read: the caption label
// echoes, every box keeps its text and the failure is reported.
void TestCategoryWindow::failedEvaluationKeepsBoxesAndReports()
{
    auto window = open(WindowId::Temperature);
    Controls c;
    LOOK_UP(window.get(), kTemperatureNames, c);
    QSignalSpy failures(window.get(), &windows::CategoryWindow::evaluationFailed);
    c.options[1]->click();
    type(c.value, QStringLiteral("1e40"));
    const QStringList before = texts(c.results);
    QCOMPARE(before, (QStringList{"1.8E+40", "1E+40", "1E+40"}));
    QCOMPARE(failures.count(), 0);

    QTest::keyClicks(c.value, "0");
    QCOMPARE(c.value->text(), QStringLiteral("1e400"));
    QCOMPARE(texts(c.results), before);
    QCOMPARE(c.caption->text(), QStringLiteral("*C"));
    QCOMPARE(window->lastStatus(), EvalStatus::Overflow);
    QCOMPARE(failures.count(), 1);
    QCOMPARE(failures.at(0).at(0).value<EvalStatus>(), EvalStatus::Overflow);
}

void TestCategoryWindow::successAfterFailureIsReported()
{
    auto window = open(WindowId::Temperature);
    Controls c;
    LOOK_UP(window.get(), kTemperatureNames, c);
    type(c.value, QStringLiteral("1e400"));
    QCOMPARE(window->lastStatus(), EvalStatus::Overflow);
    QSignalSpy successes(window.get(), &windows::CategoryWindow::evaluationSucceeded);
    QTest::keyClick(c.value, Qt::Key_Backspace);
    QCOMPARE(window->lastStatus(), EvalStatus::Ok);
    QCOMPARE(successes.count(), 1);
    QCOMPARE(c.results[0]->text(), QStringLiteral("1E+40"));
}

void TestCategoryWindow::accessibleNames()
{
    auto window = open(WindowId::Distance);
    Controls c;
    LOOK_UP(window.get(), kDistanceNames, c);
    QCOMPARE(c.options[0]->accessibleName(), QStringLiteral("Millimeters"));
    QCOMPARE(c.options[10]->accessibleName(), QStringLiteral("Nautical Miles"));
    QCOMPARE(c.results[9]->accessibleName(), QStringLiteral("Value in Miles"));
    QCOMPARE(c.prices[8]->accessibleName(), QStringLiteral("Price per Kilometers, $0.00"));
    QCOMPARE(c.value->accessibleName(), QStringLiteral("Enter a Value in Millimeters"));
    c.options[9]->click();
    QCOMPARE(c.value->accessibleName(), QStringLiteral("Enter a Value in Miles"));
    QCOMPARE(c.price->accessibleName(), QStringLiteral("Price per Unit in Miles"));
    c.price->setText(QStringLiteral("2"));
    QCOMPARE(c.prices[10]->accessibleName(), QStringLiteral("Price per Nautical Miles, $2.30"));
}

void TestCategoryWindow::nothingIsClipped_data()
{
    QTest::addColumn<WindowId>("id");
    for (const windows::WindowDescriptor& descriptor : windows::categoryDescriptors())
        QTest::newRow(descriptor.objectName()) << descriptor.id;
}

// Every control lies inside the window, every text fits its control, and the
// window is at least its laid-out size less its title bar and borders.
void TestCategoryWindow::nothingIsClipped()
{
    QFETCH(WindowId, id);
    auto window = open(id);
    QVERIFY(showActive(*window));
    const windows::WindowDescriptor& d = window->descriptor();
    const QSize design(windows::twipsToPixels(d.widthTwips - 120, window->logicalDpiX()),
                       windows::twipsToPixels(d.heightTwips - 405, window->logicalDpiY()));
    QVERIFY(window->width() >= design.width());
    QVERIFY(window->height() >= design.height());
    QCOMPARE(window->sizeHint(), window->size());

    const QRect inside = window->rect();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty()) continue;  // Qt's own parts
        const QRect place(control->mapTo(window.get(), QPoint(0, 0)), control->size());
        QVERIFY2(inside.contains(place), qPrintable(control->objectName()));
        if (qobject_cast<QLabel*>(control) || qobject_cast<QRadioButton*>(control)) {
            QVERIFY2(control->width() >= control->sizeHint().width(),
                     qPrintable(control->objectName()));
            QVERIFY2(control->height() >= control->fontMetrics().height(),
                     qPrintable(control->objectName()));
        }
        if (auto* box = qobject_cast<QLineEdit*>(control))
            QVERIFY2(box->height() >= box->fontMetrics().height() + 4,
                     qPrintable(control->objectName()));
    }
}

// With Miles selected and price "2".
void TestCategoryWindow::priceChangeRunsThePriceRow()
{
    auto window = open(WindowId::Distance);
    Controls c;
    LOOK_UP(window.get(), kDistanceNames, c);
    c.options[9]->click();
    type(c.price, QStringLiteral("2"));
    QCOMPARE(texts(c.prices), (QStringList{"$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00",
                                           "$0.01", "$0.25", "$1.24", "$2.00", "$2.30"}));
}

void TestCategoryWindow::valueChangeLeavesPrices()
{
    auto window = open(WindowId::Distance);
    Controls c;
    LOOK_UP(window.get(), kDistanceNames, c);
    c.options[9]->click();
    type(c.price, QStringLiteral("2"));
    const QStringList prices = texts(c.prices);
    type(c.value, QStringLiteral("7"));
    QCOMPARE(c.results[5]->text(), QStringLiteral("11265.408"));
    QCOMPARE(texts(c.prices), prices);
    type(c.value, QStringLiteral("abc"));
    QCOMPARE(texts(c.prices), prices);
}

void TestCategoryWindow::nonNumericPriceIsIgnoredUntilFocusLeaves()
{
    auto window = open(WindowId::Distance);
    QVERIFY(showActive(*window));
    Controls c;
    LOOK_UP(window.get(), kDistanceNames, c);
    c.options[9]->click();
    c.price->setFocus();
    type(c.price, QStringLiteral("2"));
    const QStringList prices = texts(c.prices);
    QCOMPARE(prices[9], QStringLiteral("$2.00"));

    type(c.price, QString());
    QCOMPARE(texts(c.prices), prices);
    QTest::keyClicks(c.price, "x");
    QCOMPARE(texts(c.prices), prices);

    c.value->setFocus();
    QVERIFY(c.value->hasFocus());
    QCOMPARE(c.price->text(), QStringLiteral("0"));
    QCOMPARE(texts(c.prices), QStringList(11, QStringLiteral("$0.00")));

    // A numeric text stays as typed when the focus leaves.
    c.price->setFocus();
    type(c.price, QStringLiteral("1.5"));
    c.value->setFocus();
    QCOMPARE(c.price->text(), QStringLiteral("1.5"));
}

// The price standing in the box is taken as a price per the newly picked unit;
// a pick does not ask whether it is a number.
void TestCategoryWindow::optionClickRunsPricesForTheNewUnit()
{
    auto window = open(WindowId::Distance);
    QVERIFY(showActive(*window));
    Controls c;
    LOOK_UP(window.get(), kDistanceNames, c);
    type(c.price, QStringLiteral("2"));
    QCOMPARE(c.prices[0]->text(), QStringLiteral("$2.00"));  // per millimetre

    clickOption(c.options[5]);  // metres
    QCOMPARE(c.prices[5]->text(), QStringLiteral("$2.00"));
    QCOMPARE(c.prices[0]->text(), QStringLiteral("$0.00"));
    QCOMPARE(c.prices[8]->text(), QStringLiteral("$2000.00"));

    c.price->setText(QStringLiteral("abc"));
    clickOption(c.options[8]);  // kilometres, price read as 0
    QCOMPARE(texts(c.prices), QStringList(11, QStringLiteral("$0.00")));
}

void TestCategoryWindow::negativePriceOnTheDiagonal()
{
    auto window = open(WindowId::Distance);
    Controls c;
    LOOK_UP(window.get(), kDistanceNames, c);
    c.options[3]->click();
    type(c.price, QStringLiteral("-3"));
    QCOMPARE(c.prices[3]->text(), QStringLiteral("-$3.00"));
    QCOMPARE(c.prices[4]->text(), QStringLiteral("-$9.00"));
}

// A pick whose conversion fails runs no price routine.
void TestCategoryWindow::failedConversionSkipsThePrices()
{
    auto window = open(WindowId::Distance);
    Controls c;
    LOOK_UP(window.get(), kDistanceNames, c);
    type(c.price, QStringLiteral("2"));
    const QStringList prices = texts(c.prices);
    type(c.value, QStringLiteral("1e400"));
    QCOMPARE(window->lastStatus(), EvalStatus::Overflow);
    QVERIFY(allEnabled(c.options, true));  // a number, though beyond the range
    clickOption(c.options[9]);
    QVERIFY(c.options[9]->isChecked());
    QCOMPARE(c.caption->text(), QStringLiteral("mi"));
    QCOMPARE(window->lastStatus(), EvalStatus::Overflow);
    QCOMPARE(texts(c.prices), prices);
}

// "1e302" per millimetre: labels 1 to 10 are written, label 11 divides by
// 5.399568035e-07 and leaves the range of a double.
void TestCategoryWindow::priceOverflowStopsAtTheFaultyLabel()
{
    auto window = open(WindowId::Distance);
    Controls c;
    LOOK_UP(window.get(), kDistanceNames, c);
    QSignalSpy failures(window.get(), &windows::CategoryWindow::evaluationFailed);
    type(c.price, QStringLiteral("1e30"));
    const QStringList before = texts(c.prices);
    QCOMPARE(failures.count(), 0);

    QTest::keyClicks(c.price, "2");
    QCOMPARE(c.price->text(), QStringLiteral("1e302"));
    QCOMPARE(window->lastStatus(), EvalStatus::Overflow);
    QCOMPARE(failures.count(), 1);
    QCOMPARE(failures.at(0).at(0).value<EvalStatus>(), EvalStatus::Overflow);
    QCOMPARE(c.prices[10]->text(), before[10]);
    for (int j = 0; j < 10; ++j) {
        QVERIFY2(c.prices[j]->text() != before[j], qPrintable(QString::number(j + 1)));
        QVERIFY(c.prices[j]->text().endsWith(QStringLiteral(".00")));
    }
    QVERIFY(c.prices[9]->text().startsWith(QStringLiteral("$16093")));
}

namespace {
using Expected = QMap<int, QString>;  // box index → text

Expected row(const QStringList& all)
{
    Expected out;
    for (int j = 0; j < all.size(); ++j) out.insert(j + 1, all[j]);
    return out;
}

void addRow(const char* tag, WindowId id, const Names& names, int source, const char* typed,
            const char* caption, const Expected& boxes)
{
    QTest::newRow(tag) << id << names.value << names.options << names.results << names.caption
                       << source << QString::fromUtf8(typed) << QString::fromUtf8(caption) << boxes;
}
}  // namespace

void TestCategoryWindow::documentedRows_data()
{
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("valueName");
    QTest::addColumn<QString>("optionBase");
    QTest::addColumn<QString>("resultBase");
    QTest::addColumn<QString>("captionName");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Expected>("boxes");

    addRow("Temperature, Celsius 100", WindowId::Temperature, kTemperatureNames, 2, "100", "*C",
           row({"212", "100", "373.16"}));
    addRow("Temperature, Kelvin 0", WindowId::Temperature, kTemperatureNames, 3, "0", "*K",
           row({"-459.688", "-273.16", "0"}));
    addRow("Temperature, Fahrenheit -40", WindowId::Temperature, kTemperatureNames, 1, "-40", "*F",
           row({"-40", "-40", "233.1599996"}));
    addRow("Distance, Miles 1", WindowId::Distance, kDistanceNames, 10, "1", "mi",
           row({"1609344", "160934.4", "63360", "5280", "1760", "1609.344", "320", "8", "1.609344",
                "1", "0.86956521739"}));
    addRow("Distance, Miles (Naut) 1", WindowId::Distance, kDistanceNames, 11, "1", "nmi",
           {{1, "1852000"}, {2, "185200"}, {6, "1852"}});
    addRow("Weight, Pounds 1", WindowId::Weight,
           {"TextZ1", "OptionZ1", "TextZ2", "LabelZ1", "LabelZ3", 8}, 5, "1", "lb",
           row({"7000", "2267.96185", "453.59237", "16", "1", "0.45359237", "0.0005",
                "0.00045359237"}));
    addRow("Time, Years 1", WindowId::Time,
           {"TextX1", "OptionX1", "TextX2", "LabelX1", "LabelX3", 8}, 7, "1", "yr",
           row({"31557600", "525960", "8766", "365.25", "52.17857143", "12", "1", "0.01"}));
    addRow("Time, Days 1", WindowId::Time,
           {"TextX1", "OptionX1", "TextX2", "LabelX1", "LabelX3", 8}, 4, "1", "da",
           {{5, "0.142857142857143"}});
    addRow("Liquid, Gallons 1", WindowId::Liquid,
           {"TextY1", "OptionY1", "TextY2", "LabelY1", "LabelY3", 14}, 9, "1", "gal",
           row({"3785.411784", "3.785411784", "768", "256", "128", "16", "8", "4", "1",
                "133.2278104", "13.32278104", "6.66139052", "3.33069526", "0.832673818"}));
    addRow("Liquid, Ounces 3", WindowId::Liquid,
           {"TextY1", "OptionY1", "TextY2", "LabelY1", "LabelY3", 14}, 5, "3", "oz",
           {{3, "18"}, {4, "6"}});
    addRow("Area, sq. ft 4", WindowId::Area, kAreaNames, 4, "4", "sq. ft", {{3, "576"}, {4, "4"}});
    addRow("Area, sq. mm 100", WindowId::Area, kAreaNames, 1, "100", "sq. mm",
           {{1, "100"}, {2, "1"}, {6, "0.0001"}});
    addRow("Area, sq. mm 2.50", WindowId::Area, kAreaNames, 1, "2.50", "sq. mm", {{1, "2.5"}});
    addRow("Volume, Fluid Liter 1", WindowId::Volume,
           {"Text550", "Option551", "Text551", "Label550a", "Label550b", 12}, 9, "1", "l",
           {{1, "1000"}, {2, "0.001"}, {9, "1"}, {12, "0.2641720373"}});
    addRow("Speed, Miles/Hour 1", WindowId::Speed,
           {"Text450", "Option451", "Text451", "Label450a", "Label450b", 14}, 6, "1", "Mi/Hr",
           row({"1056", "88", "5280", "0.0002777777778", "0.016666666666", "1", "2682.24",
                "26.8224", "1609.344", "0.00044704", "0.0268224", "1.609344", "0.8689763168275",
                "0.00134869969"}));
    addRow("Pressure, Atmosphere 1", WindowId::Pressure,
           {"Text350", "Option351", "Text351", "Label350a", "Label350b", 12}, 1, "1", "atm",
           row({"1", "1.01325", "1.0332274528", "10332.274528", "101.325", "760.0021", "29.9212598",
                "1013.25", "101325", "14.6959494", "2116.21657861", "760.0021"}));
    addRow("Energy, kiloWatt Hours 1", WindowId::Energy,
           {"TextV1", "OptionV1", "TextV2", "LabelV1", "LabelV3", 12}, 4, "1", "kWh",
           row({"3599999.999712", "2655223.63538758", "1000", "1", "3409.51064013", "3412.14115617",
                "3414.42594945", "35999999997000", "860.42064989", "859184.44193127",
                "860420.64989117", "2.24692452198025E+25"}));
    addRow("Density, Pounds/U.S. Gallon 1", WindowId::Density,
           {"Text550", "Option551", "Text551", "Label550a", "Label550b", 12}, 11, "1", "lb/gal",
           {{4, "7000"}, {7, "16"}, {1, "119.826399993"}});
    addRow("Force, Pound Force 1000", WindowId::Force,
           {"Text750", "Option751", "Text751", "Label750a", "Label750b", 7}, 3, "1000", "lbf",
           row({"1", "4.44822162", "1000", "16000", "32174.0486", "444822.162", "453592.37"}));
}

// The documented rows of every window, as the user sees them: unit picked with
// the mouse, value typed.
void TestCategoryWindow::documentedRows()
{
    QFETCH(WindowId, id);
    QFETCH(QString, valueName);
    QFETCH(QString, optionBase);
    QFETCH(QString, resultBase);
    QFETCH(QString, captionName);
    QFETCH(int, source);
    QFETCH(QString, typed);
    QFETCH(QString, caption);
    QFETCH(Expected, boxes);

    auto window = open(id);
    QVERIFY(showActive(*window));
    auto* value = window->findChild<QLineEdit*>(valueName);
    auto* option =
        window->findChild<QRadioButton*>(indexedName(optionBase.toLatin1().constData(), source));
    auto* captionLabel = window->findChild<QLabel*>(captionName);
    QVERIFY(value && option && captionLabel);

    clickOption(option);
    QVERIFY(option->isChecked());
    type(value, typed);
    QCOMPARE(captionLabel->text(), caption);
    for (auto it = boxes.cbegin(); it != boxes.cend(); ++it) {
        auto* box =
            window->findChild<QLineEdit*>(indexedName(resultBase.toLatin1().constData(), it.key()));
        QVERIFY(box);
        QCOMPARE(box->text(), it.value());
    }
    QCOMPARE(window->lastStatus(), EvalStatus::Ok);
}

void TestCategoryWindow::documentedPrices_data()
{
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<QString>("priceName");
    QTest::addColumn<QString>("optionBase");
    QTest::addColumn<QString>("labelBase");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("price");
    QTest::addColumn<Expected>("labels");

    QTest::newRow("Weight, Kilograms 10")
        << WindowId::Weight << "TextZ3"
        << "OptionZ1"
        << "LabelZ5" << 6 << "10" << Expected{{3, "$0.01"}, {5, "$4.54"}, {8, "$10000.00"}};
    QTest::newRow("Time, Hours 30") << WindowId::Time << "TextX3"
                                    << "OptionX1"
                                    << "LabelX5" << 3 << "30"
                                    << row({"$0.01", "$0.50", "$30.00", "$720.00", "$5040.00",
                                            "$21915.00", "$262980.00", "$26298000.01"});
    QTest::newRow("Liquid, Gallons 2")
        << WindowId::Liquid << "TextY3"
        << "OptionY1"
        << "LabelY5" << 9 << "2"
        << Expected{{1, "$0.00"},  {2, "$0.53"},  {3, "$0.00"}, {4, "$0.01"},  {5, "$0.02"},
                    {7, "$0.25"},  {8, "$0.50"},  {9, "$2.00"}, {10, "$0.02"}, {11, "$0.15"},
                    {12, "$0.30"}, {13, "$0.60"}, {14, "$2.40"}};
    QTest::newRow("Liquid, Pints 96")
        << WindowId::Liquid << "TextY3"
        << "OptionY1"
        << "LabelY5" << 7 << "96"
        << Expected{{3, "$1.00"},  {4, "$3.00"},   {5, "$6.00"},  {6, "$48.00"},
                    {7, "$96.00"}, {8, "$192.00"}, {9, "$768.00"}};
    QTest::newRow("Distance, Miles 2")
        << WindowId::Distance << "TextU3"
        << "OptionU1"
        << "LabelU5" << 10 << "2"
        << Expected{{7, "$0.01"}, {8, "$0.25"}, {9, "$1.24"}, {10, "$2.00"}, {11, "$2.30"}};
}

void TestCategoryWindow::documentedPrices()
{
    QFETCH(WindowId, id);
    QFETCH(QString, priceName);
    QFETCH(QString, optionBase);
    QFETCH(QString, labelBase);
    QFETCH(int, source);
    QFETCH(QString, price);
    QFETCH(Expected, labels);

    auto window = open(id);
    QVERIFY(showActive(*window));
    auto* priceBox = window->findChild<QLineEdit*>(priceName);
    auto* option =
        window->findChild<QRadioButton*>(indexedName(optionBase.toLatin1().constData(), source));
    QVERIFY(priceBox && option);

    clickOption(option);
    type(priceBox, price);
    for (auto it = labels.cbegin(); it != labels.cend(); ++it) {
        auto* label =
            window->findChild<QLabel*>(indexedName(labelBase.toLatin1().constData(), it.key()));
        QVERIFY(label);
        QCOMPARE(label->text(), it.value());
    }
}

// The hidden work box of the Area window is fed through sideChanged.
void TestCategoryWindow::areaShowsTheSquareSide()
{
    auto window = open(WindowId::Area);
    Controls c;
    LOOK_UP(window.get(), kAreaNames, c);
    QSignalSpy sides(window.get(), &windows::CategoryWindow::sideChanged);
    type(c.value, QStringLiteral("100"));
    QVERIFY(!sides.isEmpty());
    QCOMPARE(sides.last().at(0).toString(), QStringLiteral("10"));
}

void TestCategoryWindow::areaIgnoresValuesNotAboveZero()
{
    auto window = open(WindowId::Area);
    Controls c;
    LOOK_UP(window.get(), kAreaNames, c);
    c.options[3]->click();
    type(c.value, QStringLiteral("4"));
    QCOMPARE(c.caption->text(), QStringLiteral("sq. ft"));
    QSignalSpy sides(window.get(), &windows::CategoryWindow::sideChanged);
    for (const char* text : {"0", "-5", "abc", ""}) {
        type(c.value, QString::fromLatin1(text));
        QCOMPARE(texts(c.results), QStringList(11, QStringLiteral("0")));
        QCOMPARE(c.caption->text(), QStringLiteral("sq. ft"));
    }
    QCOMPARE(sides.count(), 0);
}

QTEST_MAIN(TestCategoryWindow)
#include "category_window_test.moc"
