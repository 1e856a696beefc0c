#include "frame/window_signals.h"

#include <QMetaMethod>
#include <QWidget>

namespace frame {

namespace {

// Connects the window's signal `signature`, if it has one, to the relay's
// slot of the same parameters.
bool connectBySignature(QWidget* window, const char* signature, WindowSignalRelay* relay, const char* slot)
{
    const QMetaObject* windowMeta = window->metaObject();
    const int signalIndex = windowMeta->indexOfSignal(QMetaObject::normalizedSignature(signature).constData());
    if (signalIndex < 0)
        return false;
    const QMetaObject* relayMeta = relay->metaObject();
    const int slotIndex = relayMeta->indexOfSlot(QMetaObject::normalizedSignature(slot).constData());
    Q_ASSERT(slotIndex >= 0);
    return static_cast<bool>(
        QObject::connect(window, windowMeta->method(signalIndex), relay, relayMeta->method(slotIndex)));
}

}  // namespace

WindowSignalRelay::WindowSignalRelay(const WindowSignalHandlers& handlers, QObject* parent)
    : QObject(parent), m_handlers(handlers)
{
    setObjectName(QStringLiteral("WindowSignalRelay"));
}

void WindowSignalRelay::relayOpenRequested(windows::WindowId id)
{
    m_handlers.openRequested(id);
}

void WindowSignalRelay::relayEvaluationFailed(engine::EvalStatus status)
{
    m_handlers.evaluationFailed(status);
}

void WindowSignalRelay::relayEvaluationSucceeded()
{
    m_handlers.evaluationSucceeded();
}

int connectWindowSignals(QWidget* window, const WindowSignalHandlers& handlers)
{
    auto* relay = new WindowSignalRelay(handlers, window);
    int connected = 0;
    if (handlers.openRequested
        && connectBySignature(window, "openRequested(windows::WindowId)", relay,
                              "relayOpenRequested(windows::WindowId)"))
        ++connected;
    if (handlers.evaluationFailed
        && connectBySignature(window, "evaluationFailed(engine::EvalStatus)", relay,
                              "relayEvaluationFailed(engine::EvalStatus)"))
        ++connected;
    if (handlers.evaluationSucceeded
        && connectBySignature(window, "evaluationSucceeded()", relay, "relayEvaluationSucceeded()"))
        ++connected;
    if (connected == 0)
        delete relay;
    return connected;
}

}  // namespace frame
