#pragma once

class QFrame;
class QString;
class QWidget;

namespace windows {

// The plain box line drawn around a window's input line or lines.
QFrame* createShape(QWidget* parent, const QString& name);

// The sunken frame that holds a column of rows (the unit options, the areas).
QFrame* createRowFrame(QWidget* parent, const QString& name);

}  // namespace windows
