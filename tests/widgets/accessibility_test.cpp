// What a screen reader says of each control: every box, option, calendar,
// price and button of every window has a name that tells what it is, and no
// two controls of one window share a name.

#include <memory>

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include "frame/about_form.h"
#include "frame/help_viewer.h"
#include "tests/number_formats.h"
#include "windows/category_window.h"
#include "windows/descriptors.h"
#include "windows/spoken_names.h"
#include "windows/window_factory.h"

using windows::WindowId;

Q_DECLARE_METATYPE(WindowId)

using tabrix_test::kPointFormat;

namespace {

// What a screen reader reads for a control: its accessible name, else the
// text of a button, without the accelerator mark.
QString spokenName(const QWidget* widget)
{
    QString name = widget->accessibleName();
    if (name.isEmpty())
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            name = button->text();
    return windows::withoutAccelerator(name).trimmed();
}

// A name tells what a control is: words, not the program's internal name
// of the control, nor a number.
bool meaningful(const QWidget* widget, const QString& name)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return name.contains(word) && name != widget->objectName();
}

// The controls a user meets: shown boxes, options, calendars, buttons, and
// the labels named as prices.
QList<QWidget*> spokenControls(QWidget* window, const QStringList& namedLabels)
{
    QList<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(window)) continue;
        const bool control =
            qobject_cast<QLineEdit*>(child) || qobject_cast<QAbstractButton*>(child) ||
            qobject_cast<QCalendarWidget*>(child) || namedLabels.contains(child->objectName());
        // The calendars' own month buttons and spin boxes are Qt's to name.
        if (control && !qobject_cast<QCalendarWidget*>(child->parentWidget()) &&
            !(child->parentWidget() &&
              qobject_cast<QCalendarWidget*>(child->parentWidget()->parentWidget())))
            controls.append(child);
    }
    return controls;
}

QStringList priceLabelNames(WindowId id)
{
    QStringList names;
    const windows::WindowDescriptor* d = windows::findDescriptor(id);
    if (!d || !d->hasPrices()) return names;
    for (int k = 1; k <= static_cast<int>(d->table().size); ++k)
        names.append(windows::indexedName(d->names.priceLabels, k));
    return names;
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasAUniqueMeaningfulName_data();
    void everyControlHasAUniqueMeaningfulName();
    void categoryNamesSayUnitAndRole_data();
    void categoryNamesSayUnitAndRole();
    void labelsKeepTheirTextForTheReader();
    void aboutBoxAndHelpViewerAreNamed();
};

void TestAccessibility::everyControlHasAUniqueMeaningfulName_data()
{
    QTest::addColumn<WindowId>("id");
    QTest::addColumn<int>("expectedControls");
    // Value box (+ price box) + per unit an option and a result box (+ a
    // price label); the Area window's two buttons; Form2/3: six fields, ten
    // results, two buttons; Form00: two calendars and five labels named.
    for (const windows::WindowDescriptor& d : windows::categoryDescriptors()) {
        const int units = static_cast<int>(d.table().size);
        const int count =
            (d.hasPrices() ? 2 + 3 * units : 1 + 2 * units) + (d.id == WindowId::Area ? 2 : 0);
        QTest::newRow(d.objectName()) << d.id << count;
    }
    QTest::newRow("Form2") << WindowId::AreaMetric << 18;
    QTest::newRow("Form3") << WindowId::AreaStandard << 18;
    QTest::newRow("Form00") << WindowId::Dates << 7;
}

void TestAccessibility::everyControlHasAUniqueMeaningfulName()
{
    QFETCH(WindowId, id);
    QFETCH(int, expectedControls);
    std::unique_ptr<QWidget> window(windows::createWindow(id, kPointFormat));
    QVERIFY(window);

    QStringList labels = priceLabelNames(id);
    if (id == WindowId::Dates)
        labels << QStringLiteral("Date1") << QStringLiteral("Date2") << QStringLiteral("Label1")
               << QStringLiteral("Label2") << QStringLiteral("Date3");
    const QList<QWidget*> controls = spokenControls(window.get(), labels);
    QCOMPARE(controls.size(), expectedControls);

    QSet<QString> seen;
    for (QWidget* control : controls) {
        const QString name = spokenName(control);
        const QString where = control->objectName() + QStringLiteral(": \"") + name + u'"';
        QVERIFY2(meaningful(control, name), qPrintable(where));
        QVERIFY2(!seen.contains(name), qPrintable(where + QStringLiteral(" again")));
        seen.insert(name);
    }
}

void TestAccessibility::categoryNamesSayUnitAndRole_data()
{
    QTest::addColumn<WindowId>("id");
    for (const windows::WindowDescriptor& d : windows::categoryDescriptors())
        QTest::newRow(d.objectName()) << d.id;
}

// Each row speaks of its own unit; the boxes above speak of the source unit
// and follow a new pick.
void TestAccessibility::categoryNamesSayUnitAndRole()
{
    QFETCH(WindowId, id);
    const windows::WindowDescriptor& d = *windows::findDescriptor(id);
    std::unique_ptr<QWidget> window(windows::createWindow(id, kPointFormat));
    const engine::UnitTable& table = d.table();
    const auto unitName = [&](int k) { return windows::spokenUnit(table.Unit(k)); };

    for (int k = 1; k <= static_cast<int>(table.size); ++k) {
        auto* option = window->findChild<QRadioButton*>(windows::indexedName(d.names.options, k));
        auto* result = window->findChild<QLineEdit*>(windows::indexedName(d.names.results, k));
        QVERIFY(option && result);
        QCOMPARE(spokenName(option), unitName(k));
        QCOMPARE(result->accessibleName(), QStringLiteral("Value in ") + unitName(k));
        if (!d.hasPrices()) continue;
        auto* price = window->findChild<QLabel*>(windows::indexedName(d.names.priceLabels, k));
        QVERIFY(price);
        QCOMPARE(price->accessibleName(),
                 QStringLiteral("Price per ") + unitName(k) + QStringLiteral(", $0.00"));
    }

    auto* value = window->findChild<QLineEdit*>(QString::fromLatin1(d.names.valueBox));
    QVERIFY(value);
    QCOMPARE(value->accessibleName(), QStringLiteral("Enter a Value in ") + unitName(1));
    const int last = static_cast<int>(table.size);
    window->findChild<QRadioButton*>(windows::indexedName(d.names.options, last))->click();
    QCOMPARE(value->accessibleName(), QStringLiteral("Enter a Value in ") + unitName(last));
    if (d.hasPrices()) {
        auto* priceBox = window->findChild<QLineEdit*>(QString::fromLatin1(d.names.priceBox));
        QVERIFY(priceBox);
        QCOMPARE(priceBox->accessibleName(), QStringLiteral("Price per Unit in ") + unitName(last));
    }
}

// A label's accessible name replaces its text for a screen reader, so a named
// label says what it shows, kept current: a price and the caption label in
// their names, the date labels in their descriptions.
void TestAccessibility::labelsKeepTheirTextForTheReader()
{
    std::unique_ptr<QWidget> liquid(windows::createWindow(WindowId::Liquid, kPointFormat));
    const windows::WindowDescriptor& d = *windows::findDescriptor(WindowId::Liquid);
    liquid->findChild<QLineEdit*>(QString::fromLatin1(d.names.valueBox))
        ->setText(QStringLiteral("3"));
    liquid->findChild<QLineEdit*>(QString::fromLatin1(d.names.priceBox))
        ->setText(QStringLiteral("2"));
    auto* price = liquid->findChild<QLabel*>(windows::indexedName(d.names.priceLabels, 2));
    QVERIFY(price && !price->text().isEmpty());
    QVERIFY(price->accessibleName().endsWith(QStringLiteral(", ") + price->text()));
    liquid->findChild<QRadioButton*>(windows::indexedName(d.names.options, 3))->click();
    auto* caption = liquid->findChild<QLabel*>(QString::fromLatin1(d.names.captionLabel));
    QVERIFY(caption);
    QCOMPARE(caption->text(), windows::fromUtf8(d.table().Unit(3).abbreviation));
    QCOMPARE(caption->accessibleName(),
             QStringLiteral("Selected unit, ") + windows::spokenUnit(d.table().Unit(3)));

    std::unique_ptr<QWidget> dates(windows::createWindow(WindowId::Dates, kPointFormat));
    auto* second = dates->findChild<QCalendarWidget*>(QStringLiteral("MonthView2"));
    QVERIFY(second);
    second->setSelectedDate(second->selectedDate().addDays(40));
    for (const char* name : {"Date1", "Date2", "Label1", "Label2", "Date3"}) {
        auto* label = dates->findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY(label);
        QCOMPARE(label->accessibleDescription(), label->text());
    }
}

void TestAccessibility::aboutBoxAndHelpViewerAreNamed()
{
    frame::AboutForm about;
    const QList<QWidget*> aboutControls = spokenControls(&about, {QStringLiteral("imgLogo")});
    QCOMPARE(aboutControls.size(), 3);  // the logo, OK and Help
    QSet<QString> seen;
    for (QWidget* control : aboutControls) {
        const QString name = spokenName(control);
        QVERIFY2(meaningful(control, name) && !seen.contains(name),
                 qPrintable(control->objectName()));
        seen.insert(name);
    }

    frame::HelpViewer viewer;
    QVERIFY(meaningful(viewer.browser(), viewer.browser()->accessibleName()));
}

QTEST_MAIN(TestAccessibility)
#include "accessibility_test.moc"
