#pragma once

// What the widget tests share: opening a window as the frame does, showing it
// active, typing into a box as a user would, opening a context menu by the
// keyboard, and finding arrays by name.

#include <memory>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QString>
#include <QTest>
#include <QWidget>

#include "tests/number_formats.h"
#include "windows/control_text.h"
#include "windows/window_factory.h"
#include "windows/window_id.h"

namespace tabrix_test {

// "TextS1(3)": control arrays are numbered from 1.
inline QString indexed(const char* base, int k) { return windows::indexedName(base, k); }
inline QString indexed(const QString& base, int k)
{
    return windows::indexedName(base.toLatin1().constData(), k);
}

// A window as the factory makes it for the frame, owned by the test.
template <class Window = QWidget>
std::unique_ptr<Window> open(windows::WindowId id,
                             const engine::NumberFormat& format = kPointFormat)
{
    return std::unique_ptr<Window>(qobject_cast<Window*>(windows::createWindow(id, format)));
}

// Shown and active, so that focus and keyboard shortcuts behave as for the
// user; false when the window never became active.
inline bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Stands in a typed text for the numeric keypad's decimal key, which some
// layouts send as a comma; a value box types the point instead.
inline constexpr char16_t kKeypadDecimal = u'\u2396';

// Replaces a box's text by typing: one key a character, a character beyond
// ASCII as the text of an unnamed key, as an input method delivers it; an
// empty text by Delete.
inline void type(QLineEdit* box, const QString& text)
{
    box->selectAll();
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Delete);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == kKeypadDecimal) {
            QTest::keyClick(box, Qt::Key_Comma, Qt::KeypadModifier);
            continue;
        }
        if (text[i].unicode() < 0x80) {
            QTest::keyClick(box, text[i].toLatin1());
            continue;
        }
        const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text.mid(i, length),
                            Qt::NoModifier);
        i += length - 1;
    }
}

// Opens `control`'s context menu as the Menu key does. Returns the menu that
// pops up, or none where the menu runs its own loop (it has closed by then).
inline QMenu* openContextMenu(QWidget& control)
{
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(4, 4),
                              control.mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(&control, &request);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

}  // namespace tabrix_test
