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
// whose status bar shows it. Keeps the steps last written too: a keystroke
// changes only the readings, a unit pick the steps.
class BoxNotes : public QObject {
public:
    static inline const QString kName = QStringLiteral("BoxNotes");

    static BoxNotes& of(QLineEdit& box)
    {
        if (auto* found = box.findChild<QObject*>(kName, Qt::FindDirectChildrenOnly))
            return *static_cast<BoxNotes*>(found);
        return *new BoxNotes(box);
    }

    static void tell(QWidget& box, const QString& line)
    {
        QStatusTipEvent tip(line);
        QApplication::sendEvent(box.window(), &tip);
    }

    int source = 0;  // the source unit `steps` belong to
    QString steps;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::FocusIn) tell(*box, box->statusTip());
        if (event->type() == QEvent::FocusOut) tell(*box, {});
        return QObject::eventFilter(watched, event);
    }

private:
    explicit BoxNotes(QLineEdit& box) : QObject(&box)
    {
        setObjectName(kName);
        box.installEventFilter(this);
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
    BoxNotes::of(box);
    if (box.hasFocus()) BoxNotes::tell(box, line);
}

void describeResults(std::span<SelectingLineEdit* const> boxes, const engine::UnitTable& table,
                     int source, const engine::NumberFormat& format)
{
    if (source < 1) return;
    for (int k = 1; k <= static_cast<int>(boxes.size()); ++k) {
        QLineEdit& box = *boxes[static_cast<std::size_t>(k - 1)];
        BoxNotes& notes = BoxNotes::of(box);
        const engine::Reading unit = tables::ReadingOf(table, k);
        if (notes.source == source && unit == engine::Reading::None) continue;
        if (notes.source != source) {
            notes.steps = fromUtf8(engine::CellSteps(table, source, k));
            notes.source = source;
        }
        QString more;
        if (unit != engine::Reading::None) {
            const engine::ReadResult shown =
                engine::ReadWholeNumber(box.text().toStdString(), format);
            if (shown)
                if (const auto reading = engine::ReadingText(unit, shown.value, format))
                    more = QStringLiteral("≈ ") + fromUtf8(*reading);
        }
        setResultNotes(box, notes.steps, more);
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
