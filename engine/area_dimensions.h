#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/status.h"
#include "engine/unit_table.h"
#include "engine/value_text.h"

namespace engine {

// The area of a rectangle from a length and a width, each typed as a composite
// measure of three fields (km + m + cm, or miles + yards + inches), shown in
// ten square units.
inline constexpr int kDimensionFields = 6;  // boxes 1..3 length, 4..6 width
inline constexpr int kDimensionBoxes = 9;   // and work boxes 7 length, 8 width, 9 area
inline constexpr int kDimensionResults = 10;

struct AreaDimensionsTable {
    std::string_view caption;  // "Area - Metric"
    std::array<std::string_view, 3> fieldUnits;
    std::array<double, 3>
        fieldFactors;  // a field's unit in the base unit, the work boxes' (cm, in)
    std::array<std::string_view, kDimensionResults> resultCaptions;
    std::array<std::string_view, kDimensionResults> spokenResults;  // "square Miles"
    // Cell k turns a side in the base unit into the side in result unit k:
    // one step (× c or ÷ c), or none for the base unit's own square.
    std::array<ConversionRule, kDimensionResults> cells;
};

// The texts of one window's boxes: the six fields and three work boxes as one
// array, numbered from 1 like the window's control array, and the results.
struct DimensionBoxes {
    std::array<std::string, kDimensionBoxes> boxes;
    std::array<std::string, kDimensionResults> results;

    std::string& Box(int index) { return boxes[std::size_t(index - 1)]; }
    const std::string& Box(int index) const { return boxes[std::size_t(index - 1)]; }
    std::string& Result(int index) { return results[std::size_t(index - 1)]; }
    const std::string& Result(int index) const { return results[std::size_t(index - 1)]; }
    friend bool operator==(const DimensionBoxes&, const DimensionBoxes&) = default;
};

// The deepest nesting one computation can reach: each of the six fields
// emptied in turn, then the three work boxes written for the first time, each
// change starting the computation anew inside the one that made it.
inline constexpr int kMaxDimensionNesting = kDimensionBoxes;

struct DimensionRun {
    EvalStatus status = EvalStatus::Ok;
    int runs = 0;          // computations started, the outermost one included
    int deepestLevel = 0;  // 0 when no write started a nested computation
    int faultResult = 0;   // the result box a fault stopped at; 0 for none or before them
};

// Runs the window's computation on `boxes` as the window does on a change of
// any box of its array, changing the texts in place:
//  1. every field whose ReadValue is below 1 is emptied ("0", ".5", "-2", "abc");
//  2. the fields are read into the base unit and summed into the length (box 7)
//     and the width (box 8), written as FormatValue writes;
//  3. box 9 receives FormatValue(ReadValue(box 7) × ReadValue(box 8));
//  4. L and W, boxes 7 and 8 read back as whole numbers (ReadWholeNumber),
//     give result k = FormatValue((L op c) × (W op c)).
// Every write that changes a box of the array is itself a change of that box:
// the computation starts again, nested, before the outer one goes on; a write
// that leaves a text as it was starts nothing. Nested computations deeper than
// `maxNesting` are skipped: each one ends by writing exactly the texts that the
// computation around it goes on to write, so the final texts never depend on
// the limit, and with the default limit none is ever skipped.
//
// Returns Ok, Overflow when a field or box 7 or 8 holds a number beyond the
// double range or boxes 7 and 8 cannot be read back (an infinite length), or
// InvalidOperation when a product has no valid value (an infinite side times a
// zero side). A fault, also one inside a nested computation, ends the run at
// once: texts written before it stay, the others keep their old texts.
DimensionRun RunAreaDimensions(const AreaDimensionsTable& table, DimensionBoxes& boxes,
                               const NumberFormat& format, int maxNesting = kMaxDimensionNesting);

}  // namespace engine
