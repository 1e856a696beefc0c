#include "windows/area_dimensions_window.h"

#include <algorithm>
#include <functional>

#include <QFocusEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "tables/area_dimensions.h"
#include "windows/category_window.h"
#include "windows/reading_hint.h"
#include "windows/result_box.h"
#include "windows/twips.h"

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

// Typed boxes hold at most 21 characters, and focus selects as many in a
// result box; results themselves are never cut.
constexpr int kMaxText = 21;

// Positions in twips. The result boxes, and the frame and shape with them,
// reach to a margin from the window's right edge: the fonts of today need more
// than the 2295 twips first drawn for a 21-character result.
constexpr int kFrameLeft = 120;
constexpr int kFieldLefts[] = {1635, 2475, 3315};
constexpr int kFieldWidth = 645;
constexpr int kBoxHeight = 285;
constexpr int kResultLeft = 1635;
constexpr int kResultRightMargin = 180;
constexpr int kFirstResultTop = 1320;
constexpr int kRowPitch = 300;
constexpr int kButtonTop = 4560;

const QString kWidestResult = QStringLiteral("8.88888888888888E+888");

QString controlName(const char* stem, char letter, int number = 0)
{
    QString name = QString::fromLatin1(stem) + QChar::fromLatin1(letter);
    if (number > 0) name += QString::number(number);
    return name;
}

// A line edit that selects the first `length` characters of its text when the
// user comes to it, by the keyboard or by a click, after running `visited`.
// Coming back from a menu or another program is no visit: the text keeps its
// selection.
class VisitedLineEdit : public QLineEdit {
public:
    VisitedLineEdit(int length, std::function<void()> visited, QWidget* parent)
        : QLineEdit(parent), m_length(length), m_visited(std::move(visited))
    {
    }

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        const Qt::FocusReason reason = event->reason();
        const bool visit = reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
        if (visit && m_visited) m_visited();
        QLineEdit::focusInEvent(event);
        if (!visit) return;
        selectFromStart();
        m_selectAfterPress = reason == Qt::MouseFocusReason;
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        m_selectAfterPress = false;
        QLineEdit::focusOutEvent(event);
    }

    // The click that brought the focus would otherwise drop the selection.
    void mousePressEvent(QMouseEvent* event) override
    {
        QLineEdit::mousePressEvent(event);
        if (!m_selectAfterPress) return;
        m_selectAfterPress = false;
        selectFromStart();
    }

private:
    void selectFromStart() { setSelection(0, std::min<int>(m_length, int(text().size()))); }

    const int m_length;
    const std::function<void()> m_visited;
    bool m_selectAfterPress = false;
};

}  // namespace

const AreaDimensionsDescriptor& metricDimensionsDescriptor() { return kMetric; }
const AreaDimensionsDescriptor& standardDimensionsDescriptor() { return kStandard; }

AreaDimensionsWindow::AreaDimensionsWindow(const AreaDimensionsDescriptor& descriptor,
                                           const engine::NumberFormat& format, QWidget* parent)
    : QWidget(parent), m_d(descriptor), m_table(descriptor.table()), m_format(format)
{
    setObjectName(QString::fromLatin1(m_d.objectName));
    setWindowTitle(QString::fromLatin1(m_d.title));

    // The frame and the shape come first so that they lie beneath the rest;
    // then, in tab order, the six fields, the result boxes and the buttons.
    auto* shape = new QFrame(this);
    shape->setObjectName(controlName("Shape", m_d.letter, 1));
    shape->setFrameShape(QFrame::Box);
    shape->setFrameShadow(QFrame::Plain);
    m_shape = shape;

    auto* frame = new QFrame(this);
    frame->setObjectName(controlName("Frame", m_d.letter));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    m_frame = frame;

    createInputs();
    createResults();
    createButtons();
    layOut();

    // Shown, the window gives the focus to the first field.
    m_boxes.front()->setFocus();
}

void AreaDimensionsWindow::createInputs()
{
    m_heading = new QLabel(QString::fromLatin1(m_d.heading), this);
    m_heading->setObjectName(controlName("Label", m_d.letter, 1));

    auto* lengthLabel = new QLabel(QStringLiteral("Enter a Length"), this);
    lengthLabel->setObjectName(controlName("Label", m_d.letter, 3));
    m_lengthLabel = lengthLabel;

    auto* widthLabel = new QLabel(QStringLiteral("Enter a Width"), this);
    widthLabel->setObjectName(controlName("Label", m_d.letter, 4));
    m_widthLabel = widthLabel;

    const QByteArray base = controlName("Text", m_d.letter, 1).toLatin1();
    for (int k = 1; k <= engine::kDimensionBoxes; ++k) {
        QLineEdit* box = nullptr;
        if (k <= engine::kDimensionFields) {
            box = new VisitedLineEdit(m_d.fieldSelection, nullptr, this);
            box->setMaxLength(kMaxText);
            const QString unit = fromUtf8(m_table.fieldUnits[std::size_t((k - 1) % 3)]);
            box->setAccessibleName((k <= 3 ? QStringLiteral("Length in ") : QStringLiteral("Width in ")) +
                                   unit);
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
        m_rowLabels.push_back(label);

        // A result box computes the results anew each time the user comes to
        // it. No maximum length: setText would cut a long result short.
        auto* result = new VisitedLineEdit(kMaxText, [this] { report(compute()); }, this);
        result->setText(QStringLiteral("0"));
        result->setObjectName(indexedName(boxBase.constData(), k));
        makeResultBox(*result);
        result->setAccessibleName(QStringLiteral("Area in ") + caption);
        m_results.push_back(result);
    }
}

void AreaDimensionsWindow::createButtons()
{
    auto* back = new QPushButton(QStringLiteral("Back to &Area"), this);
    back->setObjectName(controlName("Cmd", m_d.letter, 1));
    connect(back, &QPushButton::clicked, this, [this] { emit openRequested(WindowId::Area); });
    m_backButton = back;

    auto* other = new QPushButton(QString::fromLatin1(m_d.secondButton), this);
    other->setObjectName(controlName("Cmd", m_d.letter, 2));
    const WindowId target = m_d.secondTarget;
    connect(other, &QPushButton::clicked, this, [this, target] { emit openRequested(target); });
    m_otherButton = other;
}

// Controls stand where the layout puts them, in twips converted at the
// screen's resolution; only the result column widens where a result needs it.
void AreaDimensionsWindow::layOut()
{
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const auto rect = [&](int left, int top, int width, int height) {
        return QRect(QPoint(twipsToPixels(left, dpiX), twipsToPixels(top, dpiY)),
                     QPoint(twipsToPixels(left + width, dpiX) - 1,
                            twipsToPixels(top + height, dpiY) - 1));
    };

    int clientWidth = m_d.widthTwips - kNonClientWidthTwips;
    const int clientHeight = m_d.heightTwips - kNonClientHeightTwips;
    // A line edit's frame and margins are what its size hint adds to the 17
    // "x" it is meant to show.
    const QLineEdit& sample = *m_results.front();
    const QFontMetrics metrics = sample.fontMetrics();
    const int chrome = sample.sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    const int neededPixels = metrics.horizontalAdvance(kWidestResult) + chrome;
    const int neededTwips = int(neededPixels * 1440.0 / dpiX) + 15;
    clientWidth = std::max(clientWidth, kResultLeft + neededTwips + kResultRightMargin);
    const int resultWidth = clientWidth - kResultRightMargin - kResultLeft;
    const int frameWidth = clientWidth - 2 * kFrameLeft;

    // The shape surrounds the heading and the two input rows, the frame the
    // result rows.
    m_shape->setGeometry(rect(kFrameLeft, 240, frameWidth, 1005));
    m_heading->setGeometry(rect(kFieldLefts[0], 300, frameWidth + kFrameLeft - kFieldLefts[0], 240));
    m_lengthLabel->setGeometry(rect(240, 570, kFieldLefts[0] - 270, 255));
    m_widthLabel->setGeometry(rect(240, 930, kFieldLefts[0] - 270, 255));
    for (int k = 1; k <= engine::kDimensionFields; ++k)
        m_boxes[std::size_t(k - 1)]->setGeometry(
            rect(kFieldLefts[(k - 1) % 3], k <= 3 ? 540 : 900, kFieldWidth, kBoxHeight));

    const int lastTop = kFirstResultTop + kRowPitch * (engine::kDimensionResults - 1);
    m_frame->setGeometry(rect(kFrameLeft, 1275, frameWidth, lastTop + kBoxHeight + 75 - 1275));
    for (int k = 1; k <= engine::kDimensionResults; ++k) {
        const int top = kFirstResultTop + kRowPitch * (k - 1);
        m_rowLabels[std::size_t(k - 1)]->setGeometry(rect(180, top + 15, kResultLeft - 210, 255));
        m_results[std::size_t(k - 1)]->setGeometry(rect(kResultLeft, top, resultWidth, kBoxHeight));
    }
    m_backButton->setGeometry(rect(170, kButtonTop, 1800, 495));
    m_otherButton->setGeometry(rect(2160, kButtonTop, 1800, 495));

    m_clientSize = rect(0, 0, clientWidth, clientHeight).size();
    updateGeometry();
    resize(m_clientSize);
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

    m_writing = true;
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
    m_writing = false;
    return run.status;
}

void AreaDimensionsWindow::onBoxChanged(int box)
{
    if (m_writing) return;
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

void AreaDimensionsWindow::report(engine::EvalStatus status)
{
    m_lastStatus = status;
    if (status != engine::EvalStatus::Ok) emit evaluationFailed(status);
    else emit evaluationSucceeded();
}

}  // namespace windows
