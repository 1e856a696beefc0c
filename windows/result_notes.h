#pragma once

#include <span>

#include <QString>

#include "engine/area_dimensions.h"
#include "engine/unit_table.h"
#include "engine/value_text.h"

class QLineEdit;

namespace windows {

class SelectingLineEdit;

// Tells how a result box's number was made, beside the box and never in it:
// the steps of its cell and, where there is one, a further reading of the
// number ("≈ 7 ft 6 9/16 in"). The tool tip shows them on two lines; the
// accessible description, and the status bar while the box has the focus,
// on one.
void setResultNotes(QLineEdit& box, const QString& steps, const QString& more = {});

// The notes of a category window's result boxes, box k for unit k, after an
// evaluation for `source`: each cell's steps, and the readings of the units
// that have one, from each box's own number.
void describeResults(std::span<SelectingLineEdit* const> boxes, const engine::UnitTable& table,
                     int source, const engine::NumberFormat& format);

// The notes of the boxes of an area-from-length-and-width window.
void describeDimensionResults(std::span<SelectingLineEdit* const> boxes,
                              const engine::AreaDimensionsTable& table);

}  // namespace windows
