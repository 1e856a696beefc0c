#include "windows/child_window.h"

namespace windows {

ChildWindow::ChildWindow(QWidget* parent) : QWidget(parent) {}

void ChildWindow::requestWindow(windows::WindowId id) { emit openRequested(id); }

void ChildWindow::report(engine::EvalStatus status)
{
    m_lastStatus = status;
    if (status == engine::EvalStatus::Ok) emit evaluationSucceeded();
    else emit evaluationFailed(status);
}

void ChildWindow::detachControls()
{
    const QList<QObject*> controls = findChildren<QObject*>();
    for (QObject* control : controls) control->disconnect(this);
}

}  // namespace windows
