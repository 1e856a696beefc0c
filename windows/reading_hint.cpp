#include "windows/reading_hint.h"

#include <string>
#include <string_view>

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QToolTip>

#include "windows/control_text.h"

namespace windows {

namespace {

using engine::ReadStop;

// Longer left-out texts are cut: the hint names the place, not the whole rest.
constexpr qsizetype kExcerptLength = 12;

// The left-out text in quotes, cut short, with whatever would not show as
// itself (controls, bidirectional marks, unpaired surrogates) replaced, so
// that it can neither hide nor reorder the words around it.
QString quoted(const QString& rest)
{
    const QList<uint> codes = rest.toUcs4();  // unpaired surrogates become U+FFFD
    QString out = QStringLiteral("\u201c");
    for (qsizetype i = 0; i < codes.size() && i < kExcerptLength; ++i) {
        const char32_t code = codes[i];
        switch (QChar::category(code)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph: out += QChar(0xfffd); break;
        default: out += QString::fromUcs4(&code, 1);
        }
    }
    if (codes.size() > kExcerptLength) out += QChar(0x2026);
    return out + QChar(0x201d);
}

// What was left out and what to do instead, for a text not read whole.
QString leftOut(const engine::ValueReading& reading, std::string_view text,
                const engine::NumberFormat& format, HintedBox box)
{
    const QString rest = fromUtf8(text.substr(reading.end));
    const QString part = quoted(rest);
    const std::string meant = engine::MeantText(text, format);
    const QString instead = meant.empty() ? QString() : QStringLiteral("; type ") + fromUtf8(meant);
    switch (reading.stop) {
    case ReadStop::NoNumber:
        return box == HintedBox::Value
                   ? part +
                         QStringLiteral(
                             " is not a number. The unit options come back when the box holds one.")
                   : part + QStringLiteral(" is not a number; the prices wait for one.");
    case ReadStop::DecimalSeparator:
        return part + QStringLiteral(" was left out: only a point separates decimals") +
               (instead.isEmpty() ? QStringLiteral(".") : instead + u'.');
    case ReadStop::Grouping:
        return part + QStringLiteral(" was left out: digit groups are not read") +
               (instead.isEmpty() ? QStringLiteral("; type the digits alone.") : instead + u'.');
    case ReadStop::Unexpected:
        if (rest.isEmpty() || !rest.front().isLetter())
            return part +
                   QStringLiteral(
                       " was left out: only digits, a sign, a point and an exponent are read.");
        return box == HintedBox::Value
                   ? part + QStringLiteral(
                                " was left out: type only the number and pick the unit below.")
                   : part + QStringLiteral(" was left out: type only the price.");
    case ReadStop::Whole: break;
    }
    return {};
}

}  // namespace

QString ReadingHint::spoken() const
{
    return detail.isEmpty() ? headline : headline + u' ' + detail;
}

QString ReadingHint::toolTip() const
{
    return detail.isEmpty() ? headline : headline + u'\n' + detail;
}

BoxReading readBox(const QLineEdit& box, const engine::NumberFormat& format)
{
    BoxReading read;
    read.text = box.text().toStdString();
    read.reading = engine::ReadValueAccounted(read.text, format);
    read.numeric = engine::IsNumericText(read.text, format);
    return read;
}

ReadingHint readingHint(const BoxReading& read, const engine::NumberFormat& format, HintedBox box)
{
    const engine::ValueReading& reading = read.reading;
    if (read.text.find_first_not_of(" \t\n") == std::string::npos) return {};
    if (!reading.result) return faultHint(reading.result.status);

    // The price box takes only numbers while it is edited; a unit pick reads
    // whatever it holds.
    const bool waits = box == HintedBox::Price && !read.numeric;
    if (reading.whole() && !waits) return {};

    const QString value = fromUtf8(engine::FormatValue(reading.result.value, format));
    ReadingHint hint;
    hint.headline = QStringLiteral("Read as ") + value +
                    (waits ? QStringLiteral(" when a unit is picked.") : QStringLiteral("."));
    if (reading.whole())
        hint.detail = QStringLiteral("The prices wait for a plainly written number.");
    else hint.detail = leftOut(reading, read.text, format, box);
    if (waits && reading.stop != ReadStop::NoNumber && !reading.whole()) {
        hint.detail.chop(1);  // the full stop
        hint.detail += QStringLiteral("; the prices wait for a number.");
    }
    return hint;
}

ReadingHint faultHint(engine::EvalStatus status)
{
    if (status == engine::EvalStatus::Ok) return {};
    return {QString::fromUtf8(engine::Describe(status)) + u'.', {}, true};
}

ReadingHint smallFieldHint()
{
    return {QStringLiteral("Each field takes 1 or more; use the next smaller unit for a fraction."),
            {}};
}

HintMarker::HintMarker(QLineEdit* box) : QObject(box), m_box(box) {}

// Made on the first hint: an action, even hidden, gives the box a child
// button that screen readers list and that widens the box's size hint.
void HintMarker::createAction()
{
    m_action = new QAction(m_box);
    m_action->setObjectName(QStringLiteral("ReadingMarker"));
    paintIcon();
    m_box->addAction(m_action, QLineEdit::TrailingPosition);
    // A click on the marker shows its words at once, without waiting to hover.
    connect(m_action, &QAction::triggered, this, [this] {
        QToolTip::showText(m_box->mapToGlobal(QPoint(m_box->width(), m_box->height())),
                           m_hint.toolTip(), m_box);
    });
    m_box->installEventFilter(this);
}

void HintMarker::show(const ReadingHint& hint)
{
    if (hint.headline == m_hint.headline && hint.detail == m_hint.detail &&
        hint.fault == m_hint.fault)
        return;  // most keystrokes
    m_hint = hint;
    if (!m_action) {
        if (hint.isEmpty()) return;
        createAction();
    }
    m_action->setVisible(!hint.isEmpty());
    m_action->setToolTip(hint.toolTip());
    m_action->setText(hint.spoken());
    m_box->setToolTip(hint.toolTip());
    m_box->setAccessibleDescription(hint.spoken());
}

bool HintMarker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box &&
        (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange))
        paintIcon();
    return QObject::eventFilter(watched, event);
}

// An amber warning triangle with a dark mark: amber stands out from a light
// and a dark base alike; its outline follows the box's text colour.
void HintMarker::paintIcon()
{
    const int size = m_box->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, m_box);
    const qreal ratio = m_box->devicePixelRatioF();
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);

    const QPalette& palette = m_box->palette();
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QPainterPath triangle;
    triangle.moveTo(s / 2, 1);
    triangle.lineTo(s - 1, s - 1.5);
    triangle.lineTo(1, s - 1.5);
    triangle.closeSubpath();
    painter.setPen(QPen(palette.color(QPalette::Text), s / 16));
    painter.setBrush(dark ? QColor(0xff, 0xc8, 0x3d) : QColor(0xf0, 0xa8, 0x00));
    painter.drawPath(triangle);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    const qreal w = s / 8;
    painter.drawRoundedRect(QRectF(s / 2 - w / 2, s * 0.34, w, s * 0.34), w / 3, w / 3);
    painter.drawEllipse(QRectF(s / 2 - w * 0.6, s * 0.74, w * 1.2, w * 1.2));
    painter.end();
    m_action->setIcon(QIcon(pixmap));
}

void setStale(QWidget* widget, bool stale)
{
    if (isStale(widget) == stale) return;
    widget->setProperty("stale", stale);
    if (!stale) {
        widget->setPalette(QPalette());  // back to what the window passes on
        return;
    }
    QPalette palette;
    const QColor grey = widget->palette().color(QPalette::Disabled, QPalette::Text);
    palette.setColor(QPalette::Text, grey);
    palette.setColor(QPalette::WindowText, grey);
    widget->setPalette(palette);
}

bool isStale(const QWidget* widget) { return widget->property("stale").toBool(); }

}  // namespace windows
