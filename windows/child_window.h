#pragma once

#include <optional>

#include <QPoint>
#include <QWidget>

#include "engine/status.h"
#include "windows/window_id.h"

namespace windows {

// What the frame knows of every window it hosts: how a window reports the
// outcome of its handlers, how it asks for another window, and where it asks
// to stand. The frame connects to these signals by member pointer, so a
// window that changes them no longer compiles against the frame.
class ChildWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChildWindow(QWidget* parent = nullptr);

    // The status of the last handler that ran; Ok before any failure.
    engine::EvalStatus lastStatus() const { return m_lastStatus; }

    // Where the window's top left corner asks to stand, in twips from the top
    // left corner of the frame's client area; empty where the frame's own
    // placement of a new window serves. The frame converts it at the window's
    // resolution and moves the sub-window there once, when it creates it.
    std::optional<QPoint> preferredPlaceTwips() const { return m_preferredPlace; }

    // Asks the frame to show another window; this one stays as it is. For the
    // controls a window or its extension adds (the area windows' buttons).
    void requestWindow(windows::WindowId id);

signals:
    void openRequested(windows::WindowId id);
    // Every handler reports here; the frame decides how to show a failure.
    void evaluationFailed(engine::EvalStatus status);
    void evaluationSucceeded();
    // How a typed text was read, for the status bar; "" when there is nothing
    // to say (a fault goes through evaluationFailed instead).
    void readingHintChanged(const QString& words);

protected:
    // Keeps a handler's status and tells the frame of it.
    void report(engine::EvalStatus status);
    void setPreferredPlaceTwips(QPoint place) { m_preferredPlace = place; }
    // Cuts every connection from the window's controls to the window itself.
    // A derived window's destructor calls it first: QWidget's destructor moves
    // the focus away from a box, and the box's focus-out signals would reach
    // handlers of a derived part that is already gone.
    void detachControls();

private:
    engine::EvalStatus m_lastStatus = engine::EvalStatus::Ok;
    std::optional<QPoint> m_preferredPlace;
};

}  // namespace windows
