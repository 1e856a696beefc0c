#include "frame/window_signals.h"

#include <QMetaMethod>
#include <QWidget>

#include <initializer_list>

namespace frame {

namespace {

struct Route {
    const char* signal;
    const char* slot;
};

// Connects the first of the window's signals in `routes` that it declares to
// the relay's slot of the same spelled parameters. A signal of the right name
// that matches no route would be silently lost, so it is reported.
bool connectFirst(QWidget* window, std::initializer_list<Route> routes, WindowSignalRelay* relay)
{
    const QMetaObject* windowMeta = window->metaObject();
    const QMetaObject* relayMeta = relay->metaObject();
    for (const Route& route : routes) {
        const int signalIndex = windowMeta->indexOfSignal(QMetaObject::normalizedSignature(route.signal).constData());
        if (signalIndex < 0)
            continue;
        const int slotIndex = relayMeta->indexOfSlot(QMetaObject::normalizedSignature(route.slot).constData());
        Q_ASSERT(slotIndex >= 0);
        return static_cast<bool>(
            QObject::connect(window, windowMeta->method(signalIndex), relay, relayMeta->method(slotIndex)));
    }
    const QByteArray name = QByteArray(routes.begin()->signal).left(QByteArray(routes.begin()->signal).indexOf('('));
    for (int k = 0; k < windowMeta->methodCount(); ++k) {
        const QMetaMethod method = windowMeta->method(k);
        if (method.methodType() == QMetaMethod::Signal && method.name() == name)
            qWarning("%s declares %s, which the frame cannot connect; expected %s", windowMeta->className(),
                     method.methodSignature().constData(), routes.begin()->signal);
    }
    return false;
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

void WindowSignalRelay::relayOpenRequestedUnqualified(WindowId id)
{
    m_handlers.openRequested(id);
}

void WindowSignalRelay::relayEvaluationFailedUnqualified(EvalStatus status)
{
    m_handlers.evaluationFailed(status);
}

int connectWindowSignals(QWidget* window, const WindowSignalHandlers& handlers)
{
    auto* relay = new WindowSignalRelay(handlers, window);
    int connected = 0;
    if (handlers.openRequested
        && connectFirst(window,
                        {{"openRequested(windows::WindowId)", "relayOpenRequested(windows::WindowId)"},
                         {"openRequested(WindowId)", "relayOpenRequestedUnqualified(WindowId)"}},
                        relay))
        ++connected;
    if (handlers.evaluationFailed
        && connectFirst(window,
                        {{"evaluationFailed(engine::EvalStatus)", "relayEvaluationFailed(engine::EvalStatus)"},
                         {"evaluationFailed(EvalStatus)", "relayEvaluationFailedUnqualified(EvalStatus)"}},
                        relay))
        ++connected;
    if (handlers.evaluationSucceeded
        && connectFirst(window, {{"evaluationSucceeded()", "relayEvaluationSucceeded()"}}, relay))
        ++connected;
    if (connected == 0)
        delete relay;
    return connected;
}

}  // namespace frame
