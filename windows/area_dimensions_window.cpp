#include "windows/area_dimensions_window.h"

#include <algorithm>

#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tables/area_dimensions.h"
#include "windows/twip_geometry.h"

namespace windows {

namespace {

constexpr AreaDimensionsDescriptor kMetric = {
    "Form2", "Area - Metric", 'S', &tables::MetricDimensionsTable,
    "    km   +  meters  +  cm", "Calculate &Standard", WindowId::AreaStandard,
    21, 4500, 5850,
};

// Tabbing into a field of this window selects only its first 4 characters.
constexpr AreaDimensionsDescriptor kStandard = {
    "Form3", "Area - Standard", 'T', &tables::StandardDimensionsTable,
    "   Miles +   Yards +  Inches", "Calculate &Metric", WindowId::AreaMetric,
    4, 4665, 5880,
};

// Typed boxes and result boxes hold at most 21 characters.
constexpr int kMaxText = 21;

// The frame, the shape and the result boxes reach to a fixed margin from the
// window's right edge rather than to fixed widths: at today's font sizes a
// 21-character result such as "1.23456789012345E+100" needs the room.
constexpr int kFrameRightMargin = 210;
constexpr int kResultRightMargin = 300;
constexpr int kFrameLeft = 120;
constexpr int kResultLeft = 1635;

// The result boxes open with "0" and a line break, as every result box does.
const QString kInitialResult = QStringLiteral("0\r\n");

// "TextS1" for letter S and stem "Text", index 1.
QString controlName(const char* stem, char letter, int number = 0)
{
    QString name = QString::fromLatin1(stem) + QChar::fromLatin1(letter);
    if (number > 0) name += QString::number(number);
    return name;
}

// Control arrays are numbered from 1 in their names: "TextS1(7)".
QString indexedName(const QString& base, int index)
{
    return base + u'(' + QString::number(index) + u')';
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Selects from position 0, as far as the text goes.
void selectFromStart(QLineEdit* box, int length)
{
    box->setSelection(0, std::min<int>(length, int(box->text().size())));
}

// A focus that returns after a menu or from another window is not a new
// visit: the box keeps the selection it had.
bool isVisit(const QFocusEvent* event)
{
    return event->reason() != Qt::PopupFocusReason &&
           event->reason() != Qt::ActiveWindowFocusReason;
}

}  // namespace

const AreaDimensionsDescriptor& metricDimensionsDescriptor() { return kMetric; }
const AreaDimensionsDescriptor& standardDimensionsDescriptor() { return kStandard; }

AreaDimensionsWindow::AreaDimensionsWindow(const AreaDimensionsDescriptor& descriptor,
                                           const engine::NumberFormat& format, QWidget* parent)
    : QWidget(parent), m_d(descriptor), m_table(descriptor.table()), m_format(format)
{
    setObjectName(QString::fromLatin1(m_d.objectName));
    setWindowTitle(QString::fromLatin1(m_d.title));

    // Created in tab order: the six fields, the result boxes, the buttons.
    // The frame and the shape come first so that they lie beneath the rest.
    auto* shape = new QFrame(this);
    shape->setObjectName(controlName("Shape", m_d.letter, 1));
    shape->setFrameShape(QFrame::Box);
    const int frameWidth = m_d.widthTwips - kFrameRightMargin - kFrameLeft;
    shape->setGeometry(twipsRect(kFrameLeft, 240, frameWidth, 1005));

    auto* frame = new QFrame(this);
    frame->setObjectName(controlName("Frame", m_d.letter));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(twipsRect(kFrameLeft, 1275, frameWidth, 3105));

    createInputs();
    createResults();
    createButtons();

    resize(sizeHint());
    m_boxes.front()->setFocus();
}

QSize AreaDimensionsWindow::sizeHint() const { return twipsSize(m_d.widthTwips, m_d.heightTwips); }

void AreaDimensionsWindow::createInputs()
{
    auto* heading = new QLabel(QString::fromLatin1(m_d.heading), this);
    heading->setObjectName(controlName("Label", m_d.letter, 1));
    heading->setGeometry(twipsRect(1635, 300, m_d.widthTwips - kResultRightMargin - 1635, 240));

    auto* lengthLabel = new QLabel(QStringLiteral("Enter a Length"), this);
    lengthLabel->setObjectName(controlName("Label", m_d.letter, 3));
    lengthLabel->setGeometry(twipsRect(240, 570, 1365, 255));

    auto* widthLabel = new QLabel(QStringLiteral("Enter a Width"), this);
    widthLabel->setObjectName(controlName("Label", m_d.letter, 4));
    widthLabel->setGeometry(twipsRect(240, 930, 1365, 255));

    constexpr int kFieldLefts[] = {1635, 2475, 3315};
    const QString base = controlName("Text", m_d.letter, 1);
    for (int k = 1; k <= engine::kDimensionBoxes; ++k) {
        auto* box = new QLineEdit(this);
        box->setObjectName(indexedName(base, k));
        if (k <= engine::kDimensionFields) {
            box->setMaxLength(kMaxText);
            const int row = (k - 1) / 3;
            box->setGeometry(twipsRect(kFieldLefts[(k - 1) % 3], 540 + 360 * row, 645, 285));
            box->installEventFilter(this);
        } else {
            // Work boxes: the length, the width and the area in the base
            // unit. They belong to the array, so their changes count too.
            box->hide();
        }
        connect(box, &QLineEdit::textChanged, this, &AreaDimensionsWindow::onBoxChanged);
        m_boxes.push_back(box);
    }
}

void AreaDimensionsWindow::createResults()
{
    const QString boxBase = controlName("Text", m_d.letter, 2);
    const QString labelBase = controlName("Label", m_d.letter, 2);
    for (int k = 1; k <= engine::kDimensionResults; ++k) {
        const int top = 1320 + 300 * (k - 1);
        auto* label = new QLabel(toQString(m_table.resultCaptions[std::size_t(k - 1)]), this);
        label->setObjectName(indexedName(labelBase, k));
        label->setGeometry(twipsRect(180, top + 15, 1440, 255));

        // No setMaxLength: setText would cut a 22-character result short.
        auto* result = new QLineEdit(kInitialResult, this);
        result->setObjectName(indexedName(boxBase, k));
        result->setGeometry(
            twipsRect(kResultLeft, top, m_d.widthTwips - kResultRightMargin - kResultLeft, 285));
        // Results change only through the computation: no typing, deleting
        // or pasting.
        result->setReadOnly(true);
        result->installEventFilter(this);
        m_results.push_back(result);
    }
}

void AreaDimensionsWindow::createButtons()
{
    auto* back = new QPushButton(QStringLiteral("Back to &Area"), this);
    back->setObjectName(controlName("Cmd", m_d.letter, 1));
    back->setGeometry(twipsRect(170, 4560, 1800, 495));
    connect(back, &QPushButton::clicked, this, [this] { emit openRequested(WindowId::Area); });

    auto* other = new QPushButton(QString::fromLatin1(m_d.secondButton), this);
    other->setObjectName(controlName("Cmd", m_d.letter, 2));
    other->setGeometry(twipsRect(2160, 4560, 1800, 495));
    const WindowId target = m_d.secondTarget;
    connect(other, &QPushButton::clicked, this, [this, target] { emit openRequested(target); });
}

engine::EvalStatus AreaDimensionsWindow::compute()
{
    engine::DimensionBoxes texts;
    for (int k = 1; k <= engine::kDimensionBoxes; ++k)
        texts.Box(k) = m_boxes[std::size_t(k - 1)]->text().toStdString();
    for (int k = 1; k <= engine::kDimensionResults; ++k)
        texts.Result(k) = m_results[std::size_t(k - 1)]->text().toStdString();

    // The engine runs the nested computations that the writes to the array
    // start, so the writes below must not start them a second time.
    const engine::DimensionRun run = engine::RunAreaDimensions(m_table, texts, m_format);

    m_writing = true;
    for (int k = 1; k <= engine::kDimensionBoxes; ++k) {
        const QString text = toQString(texts.Box(k));
        QLineEdit* box = m_boxes[std::size_t(k - 1)];
        if (box->text() != text) box->setText(text);
    }
    for (int k = 1; k <= engine::kDimensionResults; ++k) {
        const QString text = toQString(texts.Result(k));
        QLineEdit* result = m_results[std::size_t(k - 1)];
        if (result->text() != text) result->setText(text);
    }
    m_writing = false;
    return run.status;
}

void AreaDimensionsWindow::onBoxChanged()
{
    if (m_writing) return;
    report(compute());
}

bool AreaDimensionsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusIn || !isVisit(static_cast<QFocusEvent*>(event)))
        return QWidget::eventFilter(watched, event);

    // The selection is set before the box's own focus handling, which then
    // keeps it instead of selecting the whole text.
    const auto field = std::find(m_boxes.begin(), m_boxes.end(), watched);
    if (field != m_boxes.end()) {
        selectFromStart(*field, m_d.fieldSelection);
    } else if (const auto result = std::find(m_results.begin(), m_results.end(), watched);
               result != m_results.end()) {
        report(compute());
        selectFromStart(*result, kMaxText);
    }
    return QWidget::eventFilter(watched, event);
}

void AreaDimensionsWindow::report(engine::EvalStatus status)
{
    m_lastStatus = status;
    if (status != engine::EvalStatus::Ok) emit evaluationFailed(status);
}

}  // namespace windows
