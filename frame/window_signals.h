#pragma once

#include <QObject>

#include <functional>

#include "engine/status.h"
#include "windows/window_id.h"

class QWidget;

namespace frame {

// What the frame does when a child window asks for another window or reports
// an evaluation. Empty functions are not connected.
struct WindowSignalHandlers {
    std::function<void(windows::WindowId)> openRequested;
    std::function<void(engine::EvalStatus)> evaluationFailed;
    std::function<void()> evaluationSucceeded;
};

// Connects whichever of the signals
//   openRequested(windows::WindowId)
//   evaluationFailed(engine::EvalStatus)
//   evaluationSucceeded()
// `window` declares to the handlers, found by signature so that the frame
// depends on no child window's class. Returns how many were connected.
int connectWindowSignals(QWidget* window, const WindowSignalHandlers& handlers);

using windows::WindowId;
using engine::EvalStatus;

// Receives a window's signals on the frame's behalf; it lives as the window's
// child, so the connections end with the window.
class WindowSignalRelay : public QObject {
    Q_OBJECT
public:
    WindowSignalRelay(const WindowSignalHandlers& handlers, QObject* parent);

public slots:
    void relayOpenRequested(windows::WindowId id);
    void relayEvaluationFailed(engine::EvalStatus status);
    void relayEvaluationSucceeded();
    // Signals are matched by their spelled types: a window that declares its
    // signal inside the type's own namespace spells it unqualified.
    void relayOpenRequestedUnqualified(WindowId id);
    void relayEvaluationFailedUnqualified(EvalStatus status);

private:
    WindowSignalHandlers m_handlers;
};

}  // namespace frame
