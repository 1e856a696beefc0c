#include "windows/category_window.h"

#include <algorithm>

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include "windows/decoration.h"
#include "windows/reading_hint.h"
#include "windows/result_box.h"
#include "windows/result_copy.h"
#include "windows/result_notes.h"
#include "windows/selecting_line_edit.h"
#include "windows/spoken_names.h"
#include "windows/table_copy.h"
#include "windows/twips.h"

namespace windows {

using engine::EvalStatus;

CategoryWindow::CategoryWindow(const WindowDescriptor& descriptor,
                               const engine::NumberFormat& format, QWidget* parent)
    : TwipsWindow(descriptor.widthTwips, descriptor.heightTwips, parent), m_descriptor(descriptor),
      m_table(descriptor.table()), m_format(format)
{
    setObjectName(QString::fromLatin1(descriptor.objectName()));
    setWindowTitle(fromUtf8(descriptor.caption()));

    addCopyAllResults(*this, [this] { return tableRows(); });
    addRowCopyForms(*this, [this]() -> QLineEdit* {
        const QWidget* focus = focusWidget();
        for (std::size_t i = 0; i < m_results.size(); ++i)
            if (focus == m_results[i] || focus == m_options[i] ||
                (!m_priceLabels.empty() && focus == m_priceLabels[i]))
                return m_results[i];
        return nullptr;
    });

    // Creation order is tab order: the value box first, then the price box,
    // the options and the result boxes.
    createTopLine();
    createRows();
    connectHandlers();
    if (m_descriptor.extension) m_descriptor.extension(*this);
    layOut();

    // Shown, the window gives the focus to the value box with its "0" selected.
    m_valueBox->setFocus();
    m_valueBox->selectAll();
    // The opening evaluation runs as a pick of option 1 would, prices included.
    report(onOptionClicked());
}

CategoryWindow::~CategoryWindow() { detachControls(); }

void CategoryWindow::createTopLine()
{
    const ControlNames& names = m_descriptor.names;

    m_shape = createShape(this, QString::fromLatin1(names.shape));

    m_prompt = createLabel(QStringLiteral("Enter a Value..."), names.prompt);
    m_valueBox = createTypedBox(*m_prompt, names.valueBox, kValueMaxLength);
    m_valueMarker = new HintMarker(m_valueBox);

    m_captionLabel = new QLabel(QStringLiteral("?"), this);
    m_captionLabel->setObjectName(QString::fromLatin1(names.captionLabel));
    m_captionLabel->setAccessibleName(QStringLiteral("Selected unit"));  // until the first echo

    if (!m_descriptor.hasPrices()) return;
    m_priceHeading = createLabel(QStringLiteral("Price per Unit"), names.priceHeading);
    m_priceBox = createTypedBox(*m_priceHeading, names.priceBox, kPriceMaxLength);
    m_priceMarker = new HintMarker(m_priceBox);
}

QLabel* CategoryWindow::createLabel(const QString& text, const char* name)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A box the user types into, starting at "0", named by the label before it.
SelectingLineEdit* CategoryWindow::createTypedBox(QLabel& label, const char* name, int maxLength)
{
    auto* box = new SelectingLineEdit(QStringLiteral("0"), this);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    // The point is the only decimal separator a value or a price is read with.
    box->setKeypadDecimal(QStringLiteral("."));
    label.setBuddy(box);
    return box;
}

void CategoryWindow::createRows()
{
    const ControlNames& names = m_descriptor.names;

    m_frame = createRowFrame(this, QString::fromLatin1(names.frame));

    for (int k = 1; k <= unitCount(); ++k) {
        const engine::UnitDef& unit = m_table.Unit(k);
        const QString caption = fromUtf8(unit.caption);
        // Siblings in one frame: Qt keeps exactly one of them checked.
        auto* option = new QRadioButton(caption, m_frame);
        option->setObjectName(indexedName(names.options, k));
        m_spokenUnits.push_back(spokenUnit(unit));
        option->setAccessibleName(m_spokenUnits.back());
        option->setChecked(k == 1);
        m_options.push_back(option);
    }
    for (int k = 1; k <= unitCount(); ++k) {
        const QString& unitName = spokenName(k);

        // No maximum length: setText would cut a 22-character result short.
        auto* result = new SelectingLineEdit(QStringLiteral("0"), this);
        result->setObjectName(indexedName(names.results, k));
        makeResultBox(*result);
        result->setAccessibleName(QStringLiteral("Value in ") + unitName);
        const QString unit = fromUtf8(m_table.Unit(k).abbreviation);
        setCopyForms(*result,
                     {.unit = unit,
                      .lineStart = [this] { return sourceText(); },
                      .useAsValue = [this, k](const QString& number) { useAsValue(k, number); }},
                     m_format);
        m_results.push_back(result);

        auto* abbreviation = new QLabel(fromUtf8(m_table.Unit(k).abbreviation), this);
        abbreviation->setObjectName(indexedName(names.abbreviations, k));
        abbreviation->setAccessibleName(unitName);  // "degrees Fahrenheit", not "*F"
        m_abbreviations.push_back(abbreviation);

        if (!m_descriptor.hasPrices()) continue;
        auto* price = new QLabel(this);
        price->setObjectName(indexedName(names.priceLabels, k));
        price->setAccessibleName(priceName(k));
        // A stop of the Tab key after its result box, so that a price can be
        // heard and selected from the keyboard as well as copied.
        price->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        price->setFocusPolicy(Qt::StrongFocus);
        makePriceCopyMenu(*price, unit, m_format);
        m_priceLabels.push_back(price);
    }
}

void CategoryWindow::connectHandlers()
{
    // textChanged, not textEdited: a text the program sets (the price box's
    // "0" on leaving it) must run its handler at once, like a typed one.
    connect(m_valueBox, &QLineEdit::textChanged, this, [this] { report(onValueChanged()); });
    for (QRadioButton* option : m_options)
        connect(option, &QRadioButton::clicked, this, [this] { report(onOptionClicked()); });
    if (!m_priceBox) return;
    connect(m_priceBox, &QLineEdit::textChanged, this, [this] { report(onPriceChanged()); });
    connect(m_priceBox, &SelectingLineEdit::focusLost, this, [this] { onPriceFocusLost(); });
}

int CategoryWindow::selectedUnit() const
{
    for (int k = 1; k <= unitCount(); ++k)
        if (m_options[static_cast<std::size_t>(k - 1)]->isChecked()) return k;
    return 0;
}

// The option that raised the click is not used: the scan decides, as it does
// for a change of the value box.
EvalStatus CategoryWindow::onOptionClicked()
{
    updateSourceNames(selectedUnit());
    if (const EvalStatus status = evaluateSelected(readBox(*m_valueBox, m_format));
        status != EvalStatus::Ok) {
        // The prices are not recomputed for the new unit: they belong to the old one.
        for (QLabel* label : m_priceLabels) setStale(label, true);
        return status;
    }
    return m_priceBox ? evaluatePrices(selectedUnit(), readBox(*m_priceBox, m_format))
                      : EvalStatus::Ok;
}

// A text that is no number is still evaluated, with the value ReadValue
// finds in it; only the unit options refuse it. Prices stay as they are.
EvalStatus CategoryWindow::onValueChanged()
{
    const BoxReading value = readBox(*m_valueBox, m_format);
    for (QRadioButton* option : m_options) option->setEnabled(value.numeric);
    return evaluateSelected(value);
}

// A price being typed is ignored until it is a number; leaving the box
// settles it (onPriceFocusLost).
EvalStatus CategoryWindow::onPriceChanged()
{
    const BoxReading price = readBox(*m_priceBox, m_format);
    if (!price.numeric) {
        showPriceReading(EvalStatus::Ok, price);
        return EvalStatus::Ok;
    }
    return evaluatePrices(selectedUnit(), price);
}

// Setting "0" runs onPriceChanged at once, which reports its own status.
void CategoryWindow::onPriceFocusLost()
{
    if (!engine::IsNumericText(m_priceBox->text().toStdString(), m_format))
        m_priceBox->setText(QStringLiteral("0"));
}

EvalStatus CategoryWindow::evaluateSelected(const BoxReading& value)
{
    const int unit = selectedUnit();
    if (unit == 0) return EvalStatus::Ok;
    m_resultsWritten = 0;
    const EvalStatus status =
        engine::Evaluate(m_table, unit, value.reading.result, m_format, *this);
    describeResults(m_results, m_table, unit, m_format);
    showValueReading(status, value);
    return status;
}

EvalStatus CategoryWindow::evaluatePrices(int unit, const BoxReading& price)
{
    if (unit == 0) return EvalStatus::Ok;
    m_pricesWritten = 0;
    const EvalStatus status =
        engine::EvaluatePrice(m_table, unit, price.reading.result, m_format, *this);
    for (int k = 1; k <= unitCount(); ++k)
        setStale(m_priceLabels[static_cast<std::size_t>(k - 1)],
                 status != EvalStatus::Ok && k > m_pricesWritten);
    showPriceReading(status, price);
    return status;
}

// A fault leaves the boxes from the faulty cell on with an earlier value's
// texts: they are greyed until an evaluation reaches them again.
void CategoryWindow::showValueReading(EvalStatus status, const BoxReading& value)
{
    if (status != EvalStatus::Ok || m_resultsStale) {  // a keystroke's cost stays as it was
        for (int k = 1; k <= unitCount(); ++k)
            setStale(m_results[static_cast<std::size_t>(k - 1)],
                     status != EvalStatus::Ok && k > m_resultsWritten);
        m_resultsStale = status != EvalStatus::Ok;
    }
    m_valueMarker->show(status == EvalStatus::Ok ? readingHint(value, m_format, HintedBox::Value)
                                                 : faultHint(status));
    publishReading(m_valueMarker);
}

void CategoryWindow::showPriceReading(EvalStatus status, const BoxReading& price)
{
    m_priceMarker->show(status == EvalStatus::Ok ? readingHint(price, m_format, HintedBox::Price)
                                                 : faultHint(status));
    publishReading(m_priceMarker);
}

// The status bar shows the hint of the box just read, else the other box's;
// faults reach it as failures.
void CategoryWindow::publishReading(const HintMarker* latest)
{
    QString words;
    const HintMarker* other = latest == m_valueMarker ? m_priceMarker : m_valueMarker;
    for (const HintMarker* marker : {latest, other})
        if (marker && words.isEmpty() && !marker->hint().fault) words = marker->hint().spoken();
    if (words == m_publishedReading) return;
    m_publishedReading = words;
    emit readingHintChanged(words);
}

void CategoryWindow::Echo(std::string_view abbreviation)
{
    const QString text = fromUtf8(abbreviation);
    // Every keystroke echoes the same unit; and units can share an
    // abbreviation (three "BTU"), so the name is compared on its own.
    if (text != m_captionLabel->text()) m_captionLabel->setText(text);
    // The name replaces the text for a screen reader, so it says the unit in words.
    const QString name = QStringLiteral("Selected unit, ") + spokenName(selectedUnit());
    if (name != m_captionLabel->accessibleName()) m_captionLabel->setAccessibleName(name);
}

void CategoryWindow::Result(int target, std::string_view text)
{
    SelectingLineEdit* box = m_results[static_cast<std::size_t>(target - 1)];
    box->setText(fromUtf8(text));
    box->setCursorPosition(0);  // a text wider than the box shows its sign and first digits
    m_resultsWritten = target;
}

void CategoryWindow::Side(std::string_view text) { emit sideChanged(fromUtf8(text)); }

void CategoryWindow::Price(int target, std::string_view text)
{
    QLabel* label = m_priceLabels[static_cast<std::size_t>(target - 1)];
    label->setText(fromUtf8(text));
    label->setAccessibleName(priceName(target));
    m_pricesWritten = target;
}

// The input boxes speak of the source unit, which only a unit pick changes.
void CategoryWindow::updateSourceNames(int unit)
{
    if (unit == 0) return;
    const QString& unitName = spokenName(unit);
    m_valueBox->setAccessibleName(QStringLiteral("Enter a Value in ") + unitName);
    if (m_priceBox) m_priceBox->setAccessibleName(QStringLiteral("Price per Unit in ") + unitName);
}

// The name replaces the text for a screen reader: "Price per Kilometers, $1.24".
QString CategoryWindow::priceName(int unit) const
{
    QString name = QStringLiteral("Price per ") + spokenName(unit);
    if (!m_priceLabels.empty() && unit <= static_cast<int>(m_priceLabels.size())) {
        const QString& shown = m_priceLabels[static_cast<std::size_t>(unit - 1)]->text();
        if (!shown.isEmpty()) name += QStringLiteral(", ") + shown;
    }
    return name;
}

// "5 km": the value as the results write what was read, in the source unit.
QString CategoryWindow::sourceText() const
{
    const int unit = selectedUnit();
    if (unit == 0) return {};
    return m_results[static_cast<std::size_t>(unit - 1)]->text() + u' ' +
           m_abbreviations[static_cast<std::size_t>(unit - 1)]->text();
}

// As if the user picked the unit and typed the number: both handlers run.
void CategoryWindow::useAsValue(int unit, const QString& number)
{
    m_options[static_cast<std::size_t>(unit - 1)]->setChecked(true);
    report(onOptionClicked());
    m_valueBox->setText(number);
    m_valueBox->setFocus(Qt::OtherFocusReason);
}

void CategoryWindow::placeControl(QWidget* control, const QRect& twips)
{
    m_extraControls.push_back({control, twips});
    layOut();
}

std::vector<QStringList> CategoryWindow::tableRows() const
{
    std::vector<QStringList> rows;
    for (int k = 1; k <= unitCount(); ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        QStringList row{withoutAccelerator(m_options[i]->text()), m_results[i]->text(),
                        m_abbreviations[i]->text()};
        if (!m_priceLabels.empty()) row.append(m_priceLabels[i]->text());
        rows.push_back(row);
    }
    return rows;
}

// The widths the layout leaves to "up to the next control on the line", in twips.
CategoryWindow::Widths CategoryWindow::widths() const
{
    const CategoryLayout& l = m_descriptor.layout;
    const int gap = CategoryGrid::kGap;
    const int lineRight = clientWidthTwips() - gap;
    Widths w;
    w.prompt = l.valueLeft - l.promptLeft - gap;
    w.option = l.optionWidth ? l.optionWidth : l.valueLeft - l.optionLeft - gap;
    w.caption = (m_priceHeading ? l.priceHeadingLeft : lineRight) - l.captionLeft - gap;
    w.abbreviation =
        (m_priceLabels.empty() ? lineRight : l.priceLabelLeft) - l.abbreviationLeft - gap;
    w.priceHeading = l.priceBoxLeft - l.priceHeadingLeft - gap;
    return w;
}

// The grid stretches where a text would not fit its place in the layout.
void CategoryWindow::fitGrid(TwipsGrid& grid) const
{
    const CategoryLayout& l = m_descriptor.layout;
    const Widths w = widths();
    grid.fitAcross(m_prompt->sizeHint().width(), w.prompt);
    grid.fitAcross(lineEditWidthFor(*m_valueBox, widestResultText()), l.boxWidth);
    for (QLabel* label : m_abbreviations) {
        grid.fitAcross(label->sizeHint().width(), w.abbreviation);
        grid.fitAcross(label->sizeHint().width(), w.caption);  // the caption label echoes them
    }
    for (QRadioButton* option : m_options) grid.fitAcross(option->sizeHint().width(), w.option);
    if (m_priceBox) {
        grid.fitAcross(m_priceHeading->sizeHint().width(), w.priceHeading);
        grid.fitAcross(lineEditWidthFor(*m_priceBox, widestPriceText()), l.priceBoxWidth);
    }

    // Rows keep their pitch unless a box or an option is taller than a box.
    int tallest = m_valueBox->sizeHint().height();
    for (QRadioButton* option : m_options) tallest = std::max(tallest, option->sizeHint().height());
    grid.fitDown(tallest, CategoryGrid::kBoxHeight);
}

void CategoryWindow::placeControls(const TwipsGrid& grid)
{
    using G = CategoryGrid;
    const CategoryLayout& l = m_descriptor.layout;
    const Widths w = widths();
    const auto y = [&](int twips) { return grid.y(twips); };
    const auto rect = [&](int left, int top, int width, int height) {
        return grid.rect(left, top, width, height);
    };
    const auto box = [&](QWidget* control, int left, int width, int top) {
        control->setGeometry(rect(left, top, width, G::kBoxHeight));
    };
    // Labels and options take their own height, centred on the boxes of their line.
    const auto centred = [&](QWidget* control, int left, int width, int boxTop) {
        const QRect line = rect(left, boxTop, width, G::kBoxHeight);
        const int height = std::min(control->sizeHint().height(), y(G::kRowPitch));
        control->setGeometry(line.left(), line.center().y() - (height - 1) / 2, line.width(),
                             height);
    };

    const int top = G::kTopLineTop;
    m_shape->setGeometry(rect(G::kShapeLeft, top - G::kShapeMargin,
                              clientWidthTwips() - 2 * G::kShapeLeft,
                              G::kBoxHeight + 2 * G::kShapeMargin));
    centred(m_prompt, l.promptLeft, w.prompt, top);
    box(m_valueBox, l.valueLeft, l.boxWidth, top);
    centred(m_captionLabel, l.captionLeft, w.caption, top);
    if (m_priceBox) {
        centred(m_priceHeading, l.priceHeadingLeft, w.priceHeading, top);
        box(m_priceBox, l.priceBoxLeft, l.priceBoxWidth, top);
    }

    const int frameLeft = l.optionLeft - G::kFrameMarginLeft;
    const int frameTop = G::kFirstRowTop - G::kFrameMarginTop;
    const int frameBottom = G::RowTop(unitCount()) + G::kBoxHeight + G::kFrameMarginBottom;
    m_frame->setGeometry(
        rect(frameLeft, frameTop, l.valueLeft - G::kGap / 2 - frameLeft, frameBottom - frameTop));
    for (int k = 1; k <= unitCount(); ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const int rowTop = G::RowTop(k);
        centred(m_options[i], l.optionLeft, w.option, rowTop);
        m_options[i]->move(m_options[i]->pos() - m_frame->pos());  // the frame holds them
        box(m_results[i], l.valueLeft, l.boxWidth, rowTop);
        centred(m_abbreviations[i], l.abbreviationLeft, w.abbreviation, rowTop);
        if (!m_priceLabels.empty())
            centred(m_priceLabels[i], l.priceLabelLeft, l.priceLabelWidth, rowTop);
    }

    for (const Placement& placement : m_extraControls)
        if (placement.control) placement.control->setGeometry(grid.rect(placement.twips));
}

}  // namespace windows
