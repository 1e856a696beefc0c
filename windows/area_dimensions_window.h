#pragma once

#include <array>
#include <vector>

#include "engine/area_dimensions.h"
#include "engine/status.h"
#include "engine/value_text.h"
#include "windows/child_window.h"
#include "windows/twips_window.h"
#include "windows/window_id.h"

class QLineEdit;

namespace windows {

class HintMarker;
class SelectingLineEdit;

// What differs between the metric and the standard window.
struct AreaDimensionsDescriptor {
    WindowId id;  // names the window too; the title is the table's caption
    char letter;  // 'S': FrameS, TextS1(k), TextS2(k), LabelS1 … CmdS2
    const engine::AreaDimensionsTable& (*table)();
    const char* heading;       // over the three field columns
    const char* secondButton;  // "Calculate &Standard"
    WindowId secondTarget;     // the window the second button opens
    int fieldSelection;        // characters a field selects when it gets the focus
    int widthTwips;            // the whole window, title bar and borders included
    int heightTwips;

    const char* objectName() const { return windowObjectName(id); }  // "Form2"
};

const AreaDimensionsDescriptor& metricDimensionsDescriptor();
const AreaDimensionsDescriptor& standardDimensionsDescriptor();

// The area of a rectangle from a length and a width typed in three fields
// each. The six fields and three hidden work boxes form one control array
// (TextS1(1..9)); any change of one of them computes the area anew, and the
// ten result boxes (TextS2(1..10)) show it. Nothing is computed as the window
// opens: the results show their initial "0" until the first change of a field
// or the first focus on a result box.
class AreaDimensionsWindow : public TwipsWindow {
    Q_OBJECT
public:
    AreaDimensionsWindow(const AreaDimensionsDescriptor& descriptor,
                         const engine::NumberFormat& format, QWidget* parent = nullptr);
    ~AreaDimensionsWindow() override;

private:
    void createInputs();
    void createResults();
    void createButtons();
    void fitGrid(TwipsGrid& grid) const override;
    void placeControls(const TwipsGrid& grid) override;

    engine::EvalStatus compute();  // the window's one routine
    void onBoxChanged(int box);
    void noteEmptiedField(int box, const QString& typed);

    const AreaDimensionsDescriptor& m_d;
    const engine::AreaDimensionsTable& m_table;
    const engine::NumberFormat m_format;
    std::vector<QLineEdit*> m_boxes;            // the array, boxes 1..9 at 0..8
    std::vector<SelectingLineEdit*> m_results;  // result boxes 1..10 at 0..9
    std::vector<QWidget*> m_rowLabels;          // unit names beside the result boxes
    QWidget* m_shape = nullptr;
    QWidget* m_frame = nullptr;
    QWidget* m_heading = nullptr;
    std::array<QWidget*, 2> m_inputLabels{};  // "Enter a Length", "Enter a Width"
    std::array<QWidget*, 2> m_buttons{};      // back to Area, the other area window
    // While compute() applies a run's texts: the engine has already run the
    // nested computations those writes start.
    bool m_applyingRun = false;
    std::vector<HintMarker*> m_fieldMarkers;  // fields 1..6 at 0..5
    int m_notedField = 0;                     // the field whose note stands, 0 for none
    bool m_noteEntryOpen = false;             // still typing the entry that was emptied
};

}  // namespace windows
