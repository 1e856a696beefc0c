#pragma once

#include <string>

#include <QObject>
#include <QString>

#include "engine/status.h"
#include "engine/value_text.h"

class QAction;
class QLineEdit;
class QWidget;

namespace windows {

// What a box tells the user about how its text was read: a headline ("Read
// as 1.", or a fault in plain words) and what was left out and what to do.
// An empty hint says nothing.
struct ReadingHint {
    QString headline;
    QString detail;
    bool fault = false;  // a handler stopped: the frame names it as a failure

    bool isEmpty() const { return headline.isEmpty(); }
    // One line, for the status bar and screen readers.
    QString spoken() const;
    // Headline and detail on two lines. The headline holds only a number, so
    // a typed "<b>" in the detail can never make the tool tip rich text.
    QString toolTip() const;
};

// Which kind of box a text was typed into: they act on a text differently.
enum class HintedBox { Value, Price };

// A box's text read once for all that one keystroke needs: the enable test,
// the evaluation and the hint.
struct BoxReading {
    std::string text;              // as typed, in UTF-8
    engine::ValueReading reading;  // ReadValue's value, where and why it stopped
    bool numeric = false;          // one plainly written number (IsNumericText)
};
BoxReading readBox(const QLineEdit& box, const engine::NumberFormat& format);

// The hint for a typed text: empty when the text is blank or read whole (for
// the price box: read whole and a number). The value named is ReadValue's,
// written as the result boxes write it.
ReadingHint readingHint(const BoxReading& read, const engine::NumberFormat& format, HintedBox box);

// The hint for a handler that stopped on a fault.
ReadingHint faultHint(engine::EvalStatus status);

// The note of a composite-measure field that was emptied for reading below 1.
ReadingHint smallFieldHint();

// Shows a hint inside a line edit: a trailing warning icon, the tool tip and
// the accessible description. The icon is painted from the box's palette, so
// it reads on light and dark ones alike.
class HintMarker : public QObject {
    Q_OBJECT
public:
    explicit HintMarker(QLineEdit* box);

    void show(const ReadingHint& hint);
    const ReadingHint& hint() const { return m_hint; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createAction();
    void paintIcon();

    QLineEdit* m_box;
    QAction* m_action = nullptr;
    ReadingHint m_hint;
};

// Greys a result box or price label that still shows an earlier evaluation's
// text, or shows it normally again; the text itself is left alone.
void setStale(QWidget* widget, bool stale);
bool isStale(const QWidget* widget);

}  // namespace windows
