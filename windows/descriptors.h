#pragma once

#include <span>
#include <string_view>

#include "engine/unit_table.h"
#include "windows/window_id.h"

namespace windows {

class CategoryWindow;

// Object names of a category window's controls. Arrays get their index
// appended ("OptionU1(3)"). Letter pattern / number pattern:
struct ControlNames {
    const char* valueBox;       // "TextU1"   / "Text350"
    const char* options;        // "OptionU1" / "Option351"  (array)
    const char* results;        // "TextU2"   / "Text351"    (array)
    const char* captionLabel;   // "LabelU1"  / "Label350a"
    const char* abbreviations;  // "LabelU2"  / "Label351"   (array)
    const char* prompt;         // "LabelU3"  / "Label350b"
    const char* frame;          // "FrameU"   / "Frame350"
    const char* shape;          // "ShapeU1"  / "Shape350"
    // The price fields; nullptr outside the four windows that have them.
    const char* priceBox = nullptr;      // "TextU3"
    const char* priceHeading = nullptr;  // "LabelU4"
    const char* priceLabels = nullptr;   // "LabelU5" (array)
};

// Horizontal positions in twips from the window's left edge. Every window
// shares the vertical grid of CategoryGrid below; a width of 0 means "up to
// the next control on the line".
struct CategoryLayout {
    int promptLeft;
    int valueLeft;  // the value box and the result boxes stand in one column
    int boxWidth;
    int captionLeft;
    int optionLeft;
    int optionWidth;
    int abbreviationLeft;
    int priceHeadingLeft = 0;
    int priceBoxLeft = 0;
    int priceBoxWidth = 0;
    int priceLabelLeft = 0;
    int priceLabelWidth = 0;
};

// The vertical grid every category window shares, in twips: the top line
// holds the prompt, the value box, the caption label and the price box; row k
// (from 1) holds option k, result box k, abbreviation label k and price label k.
struct CategoryGrid {
    static constexpr int kTopLineTop = 285;
    static constexpr int kFirstRowTop = 765;
    static constexpr int kRowPitch = 300;
    static constexpr int kBoxHeight = 285;
    static constexpr int RowTop(int k) { return kFirstRowTop + kRowPitch * (k - 1); }

    // Room left between neighbouring controls on one line, and to the right edge.
    static constexpr int kGap = 60;
    // The shape around the top line: as far from both edges, as far above
    // its boxes as below them.
    static constexpr int kShapeLeft = 120;
    static constexpr int kShapeMargin = 90;
    // The frame around the options: beyond the options' left edge, above the
    // first row and below the last row's boxes.
    static constexpr int kFrameMarginLeft = 90;
    static constexpr int kFrameMarginTop = 75;
    static constexpr int kFrameMarginBottom = 60;
};

// Adds the controls a window has beyond the common ones; called once the
// common controls exist and before the window's opening evaluation. The Area
// window's buttons are such controls: children of the window, put in place
// with CategoryWindow::placeControl, raising CategoryWindow::openRequested;
// its hidden work box follows CategoryWindow::sideChanged.
using WindowExtension = void (*)(CategoryWindow& window);

// Everything that varies between the twelve category windows. The caption
// and the price fields come from the table, so they cannot disagree with it.
struct WindowDescriptor {
    WindowId id;  // names the window too (windowObjectName)
    const engine::UnitTable& (*table)();
    ControlNames names;
    int widthTwips;  // the whole window, title bar and borders included
    int heightTwips;
    CategoryLayout layout;
    WindowExtension extension = nullptr;

    std::string_view caption() const { return table().caption; }     // "Distance"
    const char* objectName() const { return windowObjectName(id); }  // "Form4"
    // A price box and a price label per unit.
    bool hasPrices() const { return table().HasPrices(); }
};

// The twelve category windows, in the order of their form numbers.
std::span<const WindowDescriptor> categoryDescriptors();

// The descriptor of a category window; nullptr for the other windows.
const WindowDescriptor* findDescriptor(WindowId id);

}  // namespace windows
