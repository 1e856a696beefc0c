#pragma once

#include <vector>

#include <QWidget>

#include "engine/area_dimensions.h"
#include "engine/status.h"
#include "engine/value_text.h"
#include "windows/window_id.h"

class QLineEdit;

namespace windows {

class HintMarker;

// What differs between the metric and the standard window.
struct AreaDimensionsDescriptor {
    const char* objectName;  // "Form2"
    const char* title;       // "Area - Metric"
    char letter;             // 'S': FrameS, TextS1(k), TextS2(k), LabelS1 … CmdS2
    const engine::AreaDimensionsTable& (*table)();
    const char* heading;       // over the three field columns
    const char* secondButton;  // "Calculate &Standard"
    WindowId secondTarget;     // the window the second button opens
    int fieldSelection;        // characters a field selects when it gets the focus
    int widthTwips;            // the whole window, title bar and borders included
    int heightTwips;
};

const AreaDimensionsDescriptor& metricDimensionsDescriptor();    // Form2
const AreaDimensionsDescriptor& standardDimensionsDescriptor();  // Form3

// The area of a rectangle from a length and a width typed in three fields
// each. The six fields and three hidden work boxes form one control array
// (TextS1(1..9)); any change of one of them computes the area anew, and the
// ten result boxes (TextS2(1..10)) show it. Nothing is computed as the window
// opens: the results show their initial "0" until the first change of a field
// or the first focus on a result box.
class AreaDimensionsWindow : public QWidget {
    Q_OBJECT
public:
    AreaDimensionsWindow(const AreaDimensionsDescriptor& descriptor,
                         const engine::NumberFormat& format, QWidget* parent = nullptr);

    // The client size (the window less title bar and borders),
    // widened where the fonts need more room for a result.
    QSize sizeHint() const override { return m_clientSize; }
    engine::EvalStatus lastStatus() const { return m_lastStatus; }

signals:
    // Asks the frame to show another window; this one stays as it is.
    void openRequested(windows::WindowId id);
    void evaluationFailed(engine::EvalStatus status);
    void evaluationSucceeded();
    // The note of a field just emptied for reading below 1, for the status
    // bar; "" once it no longer applies.
    void readingHintChanged(const QString& words);

private:
    void createInputs();
    void createResults();
    void createButtons();
    void layOut();

    engine::EvalStatus compute();  // the window's one routine
    void onBoxChanged(int box);
    void noteEmptiedField(int box, const QString& typed);
    void report(engine::EvalStatus status);

    const AreaDimensionsDescriptor& m_d;
    const engine::AreaDimensionsTable& m_table;
    const engine::NumberFormat m_format;
    std::vector<QLineEdit*> m_boxes;    // the array, boxes 1..9 at 0..8
    std::vector<QLineEdit*> m_results;  // result boxes 1..10 at 0..9
    std::vector<QWidget*> m_rowLabels;  // unit names beside the result boxes
    QWidget* m_shape = nullptr;
    QWidget* m_frame = nullptr;
    QWidget* m_heading = nullptr;
    QWidget* m_lengthLabel = nullptr;
    QWidget* m_widthLabel = nullptr;
    QWidget* m_backButton = nullptr;
    QWidget* m_otherButton = nullptr;
    QSize m_clientSize;
    bool m_writing = false;
    std::vector<HintMarker*> m_fieldMarkers;  // fields 1..6 at 0..5
    int m_notedField = 0;                     // the field whose note stands, 0 for none
    bool m_noteEntryOpen = false;             // still typing the entry that was emptied
    engine::EvalStatus m_lastStatus = engine::EvalStatus::Ok;
};

}  // namespace windows
