#pragma once

#include <functional>

#include <QString>

#include "engine/value_text.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QWidget;

namespace windows {

// What a result box copies besides its bare text, for the next program that
// takes the number: a mail wants the unit, a note the whole statement, code
// and C-locale tools a plain number.
struct CopyForms {
    QString unit;  // written after the number: "mi", or the row's unit name
    // What was read, as the line starts: "5 km". None where no line fits.
    std::function<QString()> lineStart;
    // Picks the box's unit and types `number` into the value box. None where
    // the window has no value box.
    std::function<void(const QString& number)> useAsValue;
};

// Gives a result box its copy forms; its context menu offers them after Copy.
void setCopyForms(QLineEdit& box, CopyForms forms, const engine::NumberFormat& format);

// Puts the box's copy forms into its context menu (result_box.cpp builds it),
// after `copy`; nothing where the box has none.
void addCopyForms(QMenu& menu, QLineEdit& box, QAction* copy);

// Gives a price label its own menu: Copy, "Copy with Unit" ("$1.24 per mi")
// and "Copy Plain Number" ("1.24"), Select All, then the window's Copy All
// Results.
void makePriceCopyMenu(QLabel& label, const QString& unit, const engine::NumberFormat& format);

// Gives `window`'s own context menu (its empty space, labels and options) the
// copy forms of the row that has the focus; `focusedRow` gives that row's
// result box, nullptr when no row has it. The items are disabled then.
void addRowCopyForms(QWidget& window, std::function<QLineEdit*()> focusedRow);

// A number as shown, as code and C-locale tools read it: the decimal point,
// no grouping, the exponent kept: "1,23456789012346E+15" is
// "1.23456789012346E+15". A price loses its "$": "-$3,00" is "-3.00".
QString plainNumber(const QString& shown, const engine::NumberFormat& format);

}  // namespace windows
