#include "windows/area_dimensions_window.h"

#include <algorithm>
#include <iterator>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

#include "tables/area_dimensions.h"
#include "windows/control_text.h"
#include "windows/decoration.h"
#include "windows/reading_hint.h"
#include "windows/result_box.h"
#include "windows/result_copy.h"
#include "windows/result_notes.h"
#include "windows/selecting_line_edit.h"
#include "windows/spoken_names.h"
#include "windows/table_copy.h"

namespace windows {

namespace {

constexpr AreaDimensionsDescriptor kMetric = {
    .id = WindowId::AreaMetric,
    .letter = 'S',
    .table = &tables::MetricDimensionsTable,
    .heading = "    km   +  meters  +  cm",
    .secondButton = "Calculate &Standard",
    .secondTarget = WindowId::AreaStandard,
    .fieldSelection = kValueMaxLength,
    .widthTwips = 4500,
    .heightTwips = 5850,
};

// Tabbing into a field of this window selects only its first 4 characters.
constexpr AreaDimensionsDescriptor kStandard = {
    .id = WindowId::AreaStandard,
    .letter = 'T',
    .table = &tables::StandardDimensionsTable,
    .heading = "   Miles +   Yards +  Inches",
    .secondButton = "Calculate &Metric",
    .secondTarget = WindowId::AreaMetric,
    .fieldSelection = 4,
    .widthTwips = 4665,
    .heightTwips = 5880,
};

// Positions in twips. The result boxes, and the frame and shape with them,
// reach to a margin from the window's right edge: the fonts of today need more
// than the 2295 twips first drawn for a 21-character result, and the grid
// stretches where even that is not enough.
constexpr int kFrameLeft = 120;
constexpr int kShapeTop = 240;  // the shape holds the heading and the two input rows
constexpr int kShapeHeight = 1005;
constexpr int kFrameTop = 1275;  // the frame holds the result rows
constexpr int kFrameBottomMargin = 75;
constexpr int kFieldLefts[] = {1635, 2475, 3315};
constexpr int kFieldTops[] = {540, 900};  // the length's row, the width's row
constexpr int kFieldWidth = 645;
constexpr int kBoxHeight = 285;
constexpr int kResultLeft = 1635;
constexpr int kResultRightMargin = 180;
constexpr int kFirstResultTop = 1320;
constexpr int kRowPitch = 300;
constexpr int kButtonLefts[] = {170, 2160};
constexpr int kButtonTop = 4560;
constexpr int kButtonWidth = 1800;
constexpr int kButtonHeight = 495;
constexpr int kHeadingTop = 300;
constexpr int kHeadingHeight = 240;
constexpr int kLabelGap = 30;  // between a label and the box it names
constexpr int kRowLabelLeft = 180;
constexpr int kRowLabelDrop = 15;  // below its result box's top
constexpr int kRowLabelHeight = 255;
constexpr int kInputLabelLeft = 240;
constexpr int kInputLabelTops[] = {570, 930};
constexpr int kInputLabelHeight = 255;

QString controlName(const char* stem, char letter, int number = 0)
{
    QString name = QString::fromLatin1(stem) + QChar::fromLatin1(letter);
    if (number > 0) name += QString::number(number);
    return name;
}

}  // namespace

const AreaDimensionsDescriptor& metricDimensionsDescriptor() { return kMetric; }
const AreaDimensionsDescriptor& standardDimensionsDescriptor() { return kStandard; }

AreaDimensionsWindow::AreaDimensionsWindow(const AreaDimensionsDescriptor& descriptor,
                                           const engine::NumberFormat& format, QWidget* parent)
    : TwipsWindow(descriptor.widthTwips, descriptor.heightTwips, parent), m_d(descriptor),
      m_table(descriptor.table()), m_format(format)
{
    setObjectName(QString::fromLatin1(m_d.objectName()));
    setWindowTitle(fromUtf8(m_table.caption));

    // The frame and the shape come first so that they lie beneath the rest;
    // then, in tab order, the six fields, the result boxes and the buttons.
    m_shape = createShape(this, controlName("Shape", m_d.letter, 1));
    m_frame = createRowFrame(this, controlName("Frame", m_d.letter));

    addCopyAllResults(*this, [this] {
        TableRows rows;
        for (std::size_t k = 0; k < m_results.size(); ++k)
            rows.push_back({static_cast<QLabel*>(m_rowLabels[k])->text(), m_results[k]->text()});
        return rows;
    });

    addRowCopyForms(*this, [this]() -> QLineEdit* {
        const auto focused = std::ranges::find(m_results, focusWidget());
        return focused == m_results.end() ? nullptr : *focused;
    });

    createInputs();
    createResults();
    createButtons();
    layOut();

    // Shown, the window gives the focus to the first field.
    m_boxes.front()->setFocus();
}

AreaDimensionsWindow::~AreaDimensionsWindow() { detachControls(); }

void AreaDimensionsWindow::createInputs()
{
    m_heading = new QLabel(QString::fromLatin1(m_d.heading), this);
    m_heading->setObjectName(controlName("Label", m_d.letter, 1));

    auto* lengthLabel = new QLabel(QStringLiteral("Enter a Length"), this);
    lengthLabel->setObjectName(controlName("Label", m_d.letter, 3));
    m_inputLabels[0] = lengthLabel;

    auto* widthLabel = new QLabel(QStringLiteral("Enter a Width"), this);
    widthLabel->setObjectName(controlName("Label", m_d.letter, 4));
    m_inputLabels[1] = widthLabel;

    const QByteArray base = controlName("Text", m_d.letter, 1).toLatin1();
    for (int k = 1; k <= engine::kDimensionBoxes; ++k) {
        QLineEdit* box = nullptr;
        if (k <= engine::kDimensionFields) {
            auto* field = new SelectingLineEdit(this);
            field->setSelectionOnVisit(m_d.fieldSelection);
            field->setMaxLength(kValueMaxLength);
            // The fields are read with the locale's separators.
            field->setKeypadDecimal(QString::fromStdString(m_format.decimal));
            box = field;
            // "Length in kilometres": the name wins over the row's label.
            const QString unit = spokenSymbol(m_table.fieldUnits[std::size_t((k - 1) % 3)]);
            box->setAccessibleName(
                (k <= 3 ? QStringLiteral("Length in ") : QStringLiteral("Width in ")) + unit);
            if (k == 1) lengthLabel->setBuddy(box);
            if (k == 4) widthLabel->setBuddy(box);
        } else {
            // Work boxes: the length, the width and the area in the base
            // unit. They belong to the array, so their changes count too.
            box = new QLineEdit(this);
            box->hide();
        }
        box->setObjectName(indexedName(base.constData(), k));
        connect(box, &QLineEdit::textChanged, this, [this, k] { onBoxChanged(k); });
        if (k <= engine::kDimensionFields) {
            m_fieldMarkers.push_back(new HintMarker(box));
            connect(box, &QLineEdit::editingFinished, this, [this, k] {
                if (k == m_notedField) m_noteEntryOpen = false;
            });
        }
        m_boxes.push_back(box);
    }
}

void AreaDimensionsWindow::createResults()
{
    const QByteArray boxBase = controlName("Text", m_d.letter, 2).toLatin1();
    const QByteArray labelBase = controlName("Label", m_d.letter, 2).toLatin1();
    for (int k = 1; k <= engine::kDimensionResults; ++k) {
        const QString caption = fromUtf8(m_table.resultCaptions[std::size_t(k - 1)]);
        auto* label = new QLabel(caption, this);
        label->setObjectName(indexedName(labelBase.constData(), k));
        const QString spoken = fromUtf8(m_table.spokenResults[std::size_t(k - 1)]);
        label->setAccessibleName(spoken);
        m_rowLabels.push_back(label);

        // A result box computes the results anew each time the user comes to
        // it. No maximum length: setText would cut a long result short.
        auto* result = new SelectingLineEdit(QStringLiteral("0"), this);
        result->setSelectionOnVisit(kValueMaxLength);
        connect(result, &SelectingLineEdit::visited, this, [this] { report(compute()); });
        result->setObjectName(indexedName(boxBase.constData(), k));
        makeResultBox(*result);
        result->setAccessibleName(QStringLiteral("Area in ") + spoken);
        m_results.push_back(result);
    }
    // No value box to take a result, and no one value read: the unit and the plain number.
    for (std::size_t k = 0; k < m_results.size(); ++k)
        setCopyForms(
            *m_results[k],
            {.unit = fromUtf8(m_table.resultCaptions[k]), .lineStart = {}, .useAsValue = {}},
            m_format);
    describeDimensionResults(m_results, m_table);
}

void AreaDimensionsWindow::createButtons()
{
    auto* back = new QPushButton(QStringLiteral("Back to &Area"), this);
    back->setObjectName(controlName("Cmd", m_d.letter, 1));
    connect(back, &QPushButton::clicked, this, [this] { requestWindow(WindowId::Area); });
    m_buttons[0] = back;

    auto* other = new QPushButton(QString::fromLatin1(m_d.secondButton), this);
    other->setObjectName(controlName("Cmd", m_d.letter, 2));
    const WindowId target = m_d.secondTarget;
    connect(other, &QPushButton::clicked, this, [this, target] { requestWindow(target); });
    m_buttons[1] = other;
}

// The grid stretches where a text would not fit its place in the layout. A
// field need not show a long typed text whole, but it must show its line.
void AreaDimensionsWindow::fitGrid(TwipsGrid& grid) const
{
    const int clientWidth = clientWidthTwips();
    grid.fitAcross(m_heading->sizeHint().width(), clientWidth - kFrameLeft - kFieldLefts[0]);
    grid.fitDown(m_heading->sizeHint().height(), kHeadingHeight);
    for (const QWidget* label : m_inputLabels) {
        grid.fitAcross(label->sizeHint().width(), kFieldLefts[0] - kInputLabelLeft - kLabelGap);
        grid.fitDown(label->sizeHint().height(), kInputLabelHeight);
    }
    for (const QWidget* label : m_rowLabels) {
        grid.fitAcross(label->sizeHint().width(), kResultLeft - kRowLabelLeft - kLabelGap);
        grid.fitDown(label->sizeHint().height(), kRowLabelHeight);
    }
    for (const QWidget* button : m_buttons) {
        grid.fitAcross(button->sizeHint().width(), kButtonWidth);
        grid.fitDown(button->sizeHint().height(), kButtonHeight);
    }
    const QLineEdit& sample = *m_results.front();
    grid.fitAcross(lineEditWidthFor(sample, widestResultText()),
                   clientWidth - kResultRightMargin - kResultLeft);
    grid.fitDown(lineEditHeightFor(sample), kBoxHeight);
}

void AreaDimensionsWindow::placeControls(const TwipsGrid& grid)
{
    const auto rect = [&](int left, int top, int width, int height) {
        return grid.rect(left, top, width, height);
    };
    const int resultWidth = clientWidthTwips() - kResultRightMargin - kResultLeft;
    const int frameWidth = clientWidthTwips() - 2 * kFrameLeft;

    m_shape->setGeometry(rect(kFrameLeft, kShapeTop, frameWidth, kShapeHeight));
    m_heading->setGeometry(rect(kFieldLefts[0], kHeadingTop,
                                frameWidth + kFrameLeft - kFieldLefts[0], kHeadingHeight));
    for (std::size_t row = 0; row < std::size(kInputLabelTops); ++row)
        m_inputLabels.at(row)->setGeometry(rect(kInputLabelLeft, kInputLabelTops[row],
                                                kFieldLefts[0] - kInputLabelLeft - kLabelGap,
                                                kInputLabelHeight));
    for (int k = 1; k <= engine::kDimensionFields; ++k)
        m_boxes[std::size_t(k - 1)]->setGeometry(
            rect(kFieldLefts[(k - 1) % 3], kFieldTops[(k - 1) / 3], kFieldWidth, kBoxHeight));

    const int lastTop = kFirstResultTop + kRowPitch * (engine::kDimensionResults - 1);
    m_frame->setGeometry(rect(kFrameLeft, kFrameTop, frameWidth,
                              lastTop + kBoxHeight + kFrameBottomMargin - kFrameTop));
    for (int k = 1; k <= engine::kDimensionResults; ++k) {
        const int top = kFirstResultTop + kRowPitch * (k - 1);
        m_rowLabels[std::size_t(k - 1)]->setGeometry(rect(kRowLabelLeft, top + kRowLabelDrop,
                                                          kResultLeft - kRowLabelLeft - kLabelGap,
                                                          kRowLabelHeight));
        m_results[std::size_t(k - 1)]->setGeometry(rect(kResultLeft, top, resultWidth, kBoxHeight));
    }
    for (std::size_t k = 0; k < m_buttons.size(); ++k)
        m_buttons[k]->setGeometry(rect(kButtonLefts[k], kButtonTop, kButtonWidth, kButtonHeight));
}

engine::EvalStatus AreaDimensionsWindow::compute()
{
    engine::DimensionBoxes texts;
    for (int k = 1; k <= engine::kDimensionBoxes; ++k)
        texts.Box(k) = m_boxes[std::size_t(k - 1)]->text().toStdString();
    for (int k = 1; k <= engine::kDimensionResults; ++k)
        texts.Result(k) = m_results[std::size_t(k - 1)]->text().toStdString();

    // The engine runs the nested computations that its writes to the array
    // start, so applying those writes here must not start them a second time.
    const engine::DimensionRun run = engine::RunAreaDimensions(m_table, texts, m_format);

    const QScopedValueRollback applying(m_applyingRun, true);
    for (int k = 1; k <= engine::kDimensionBoxes; ++k) {
        const QString text = fromUtf8(texts.Box(k));
        QLineEdit* box = m_boxes[std::size_t(k - 1)];
        if (box->text() != text) box->setText(text);
    }
    for (int k = 1; k <= engine::kDimensionResults; ++k) {
        const QString text = fromUtf8(texts.Result(k));
        QLineEdit* result = m_results[std::size_t(k - 1)];
        if (result->text() != text) result->setText(text);
    }
    return run.status;
}

void AreaDimensionsWindow::onBoxChanged(int box)
{
    if (m_applyingRun) return;
    const QString typed = m_boxes[std::size_t(box - 1)]->text();
    report(compute());
    noteEmptiedField(box, typed);
}

// A field that reads below 1 is emptied as it is typed, so "0.5" ends as "5";
// the note says why for the rest of that entry, and goes with a keystroke in
// another field or a later entry that the field keeps.
void AreaDimensionsWindow::noteEmptiedField(int box, const QString& typed)
{
    if (box > engine::kDimensionFields) return;
    const bool emptied = !typed.isEmpty() && m_boxes[std::size_t(box - 1)]->text().isEmpty();
    if (emptied) {
        m_noteEntryOpen = true;
        if (box == m_notedField) return;  // said once
    } else if (m_notedField == 0 || (box == m_notedField && (typed.isEmpty() || m_noteEntryOpen))) {
        return;  // nothing to say, or still the entry that was emptied
    }
    if (m_notedField != 0) m_fieldMarkers[std::size_t(m_notedField - 1)]->show({});
    m_notedField = emptied ? box : 0;
    if (emptied) m_fieldMarkers[std::size_t(box - 1)]->show(smallFieldHint());
    emit readingHintChanged(emptied ? smallFieldHint().spoken() : QString());
}

}  // namespace windows
