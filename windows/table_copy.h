#pragma once

#include <functional>
#include <vector>

#include <QStringList>

class QAction;
class QMimeData;
class QWidget;

namespace windows {

// One row per unit, left to right as the window shows them.
using TableRows = std::vector<QStringList>;

// The rows as a spreadsheet and a mail program take them: tab-separated lines
// as text/plain and an HTML table as text/html. Tabs and line breaks inside a
// cell become blanks, so that a cell never splits into two.
QMimeData* tableMimeData(const TableRows& rows);

// Gives `window` the "Copy All Results" command, Ctrl+Shift+C while the focus
// is anywhere in it and in the context menu of its empty space; `rows` is
// asked for the texts each time. Returns the action, named "CopyAllResults".
QAction* addCopyAllResults(QWidget& window, std::function<TableRows()> rows);

// The "Copy All Results" command of the window that holds `control`, for the
// context menus of its boxes; nullptr where the window has none.
QAction* copyAllResultsFor(const QWidget& control);

}  // namespace windows
