#include "windows/result_notes.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QStatusTipEvent>

#include "engine/cell_steps.h"
#include "engine/whole_number.h"
#include "tables/unit_readings.h"
#include "windows/control_text.h"
#include "windows/selecting_line_edit.h"

namespace windows {

namespace {

// Puts a box's status tip on the status bar while the box has the focus, as
// the pointer over it does. The tip goes straight to the top-level window,
// whose status bar shows it.
class StatusWhileFocused : public QObject {
public:
    static inline const QString kName = QStringLiteral("StatusWhileFocused");

    explicit StatusWhileFocused(QLineEdit& box) : QObject(&box)
    {
        setObjectName(kName);
        box.installEventFilter(this);
    }

    static void tell(QWidget& box, const QString& line)
    {
        QStatusTipEvent tip(line);
        QApplication::sendEvent(box.window(), &tip);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::FocusIn) tell(*box, box->statusTip());
        if (event->type() == QEvent::FocusOut) tell(*box, {});
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void setResultNotes(QLineEdit& box, const QString& steps, const QString& more)
{
    const QString line = more.isEmpty() ? steps : steps + QStringLiteral("; ") + more;
    if (line == box.statusTip()) return;  // most keystrokes change no note
    box.setToolTip(more.isEmpty() ? steps : steps + u'\n' + more);
    box.setAccessibleDescription(line);
    box.setStatusTip(line);
    if (!box.findChild<QObject*>(StatusWhileFocused::kName, Qt::FindDirectChildrenOnly))
        new StatusWhileFocused(box);
    if (box.hasFocus()) StatusWhileFocused::tell(box, line);
}

void describeResults(std::span<SelectingLineEdit* const> boxes, const engine::UnitTable& table,
                     int source, const engine::NumberFormat& format)
{
    if (source < 1) return;
    for (int k = 1; k <= static_cast<int>(boxes.size()); ++k) {
        QLineEdit& box = *boxes[static_cast<std::size_t>(k - 1)];
        QString more;
        if (const engine::Reading unit = tables::ReadingOf(table, k);
            unit != engine::Reading::None) {
            const engine::ReadResult shown =
                engine::ReadWholeNumber(box.text().toStdString(), format);
            if (shown)
                if (const auto reading = engine::ReadingText(unit, shown.value, format))
                    more = QStringLiteral("≈ ") + fromUtf8(*reading);
        }
        setResultNotes(box, fromUtf8(engine::CellSteps(table, source, k)), more);
    }
}

void describeDimensionResults(std::span<SelectingLineEdit* const> boxes,
                              const engine::AreaDimensionsTable& table)
{
    const QString sides = fromUtf8(engine::DimensionSides(table));
    for (int k = 1; k <= static_cast<int>(boxes.size()); ++k)
        setResultNotes(*boxes[static_cast<std::size_t>(k - 1)],
                       fromUtf8(engine::DimensionSteps(table, k)), sides);
}

}  // namespace windows
