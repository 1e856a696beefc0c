#include "frame/find_unit_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "windows/announcer.h"
#include "windows/control_text.h"
#include "windows/spoken_names.h"

namespace frame {

namespace {

// "Torrs (torr) — Pressure"
QString rowText(const tables::UnitMatch& match)
{
    const engine::UnitDef& unit = match.table->Unit(match.unit);
    return QStringLiteral("%1 (%2) \u2014 %3")
        .arg(windows::withoutAccelerator(windows::fromUtf8(unit.caption)),
             windows::fromUtf8(unit.abbreviation), windows::fromUtf8(match.table->caption));
}

// "Torrs, torr, Pressure"; a degree mark ("*F") is not read out as a star.
QString spokenRow(const tables::UnitMatch& match)
{
    const engine::UnitDef& unit = match.table->Unit(match.unit);
    QString abbreviation = windows::fromUtf8(unit.abbreviation);
    if (abbreviation.startsWith(u'*')) abbreviation.remove(0, 1);
    return QStringLiteral("%1, %2, %3")
        .arg(windows::spokenUnit(unit), abbreviation, windows::fromUtf8(match.table->caption));
}

}  // namespace

FindUnitBox::FindUnitBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FindUnit"));
    setWindowTitle(QStringLiteral("Find Unit"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* prompt = new QLabel(QStringLiteral("Type a unit, or a value and a unit:"), this);
    prompt->setObjectName(QStringLiteral("FindUnitPrompt"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("FindUnitText"));
    m_text->setPlaceholderText(QStringLiteral("torr, 760 torr, 5 km in mi"));
    m_text->setAccessibleName(QStringLiteral("Find Unit"));
    prompt->setBuddy(m_text);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("FindUnitList"));
    m_list->setAccessibleName(QStringLiteral("Units found"));
    // The focus stays in the field, so that typing goes on filtering while
    // the arrows move the highlight.
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setUniformItemSizes(true);

    m_announcer = new windows::Announcer(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_text);
    layout->addWidget(m_list);
    const QFontMetrics metrics(font());
    setMinimumWidth(metrics.averageCharWidth() * 48);
    m_list->setMinimumHeight(metrics.height() * 10);

    connect(m_text, &QLineEdit::textChanged, this, &FindUnitBox::updateRows);
    connect(m_list, &QListWidget::itemActivated, this, &FindUnitBox::take);
    m_text->installEventFilter(this);
}

void FindUnitBox::showQuery(const QString* query)
{
    if (query) m_text->setText(*query);
    if (QWidget* frame = parentWidget(); frame && !isVisible()) {
        adjustSize();
        move(frame->mapToGlobal(QPoint((frame->width() - width()) / 2, frame->height() / 8)));
    }
    m_text->selectAll();
    m_text->setFocus();
    show();
    raise();
    activateWindow();
}

QStringList FindUnitBox::rows() const
{
    QStringList texts;
    for (int row = 0; row < m_list->count(); ++row) texts.append(m_list->item(row)->text());
    return texts;
}

void FindUnitBox::updateRows()
{
    const QByteArray query = m_text->text().toUtf8();
    m_parts = tables::SplitQuery(std::string_view(query.constData(), std::size_t(query.size())));
    m_matches = tables::FindUnits(m_parts.unit);
    m_list->clear();
    for (const tables::UnitMatch& match : m_matches) {
        auto* item = new QListWidgetItem(rowText(match), m_list);
        item->setData(Qt::AccessibleTextRole, spokenRow(match));
    }
    // The list tells a screen reader of its highlighted row itself, also
    // while the focus stays in the field; that nothing matched it cannot.
    if (!m_matches.empty()) m_list->setCurrentRow(0);
    else if (!m_parts.unit.empty()) m_announcer->announce(QStringLiteral("No unit found"));
}

void FindUnitBox::take()
{
    const int row = m_list->currentRow();
    if (row < 0 || std::size_t(row) >= m_matches.size()) return;
    const tables::UnitMatch& match = m_matches[std::size_t(row)];
    UnitRequest request;
    request.table = match.table;
    request.unit = match.unit;
    if (!m_parts.value.empty()) request.value = m_parts.value;
    // The target is a unit of the same kind: "5 km in mi" names Miles of Distance.
    if (!m_parts.target.empty()) {
        for (const tables::UnitMatch& target : tables::FindUnits(m_parts.target)) {
            if (target.table == match.table) {
                request.target = target.unit;
                break;
            }
        }
    }
    accept();
    emit unitChosen(request);
}

bool FindUnitBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: QApplication::sendEvent(m_list, event); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: take(); return true;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace frame
