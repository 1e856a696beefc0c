#pragma once

#include <QMdiArea>

namespace frame {

// The frame's work area. While no child window is open it says on its
// background what the program does and which keys open the most used
// windows; the first window that opens hides the hint.
class WorkArea : public QMdiArea {
    Q_OBJECT
public:
    explicit WorkArea(QWidget* parent = nullptr);

    // The hint's lines; the area draws them only while showsHint().
    static QStringList hintLines();
    bool showsHint() const;

    // Where `window` is larger than `table`, the size its controls take, the
    // space beyond is shaded, so a maximized window shows where its table
    // ends. The controls keep their place at the top left.
    static void shadeBeyond(QWidget* window, const QSize& table);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;
};

}  // namespace frame
