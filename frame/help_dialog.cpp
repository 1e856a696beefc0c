#include "frame/help_dialog.h"

#include <QFile>
#include <QScreen>
#include <QUrl>
#include <QWidget>

#include "frame/help_viewer.h"
#include "frame/resources.h"

namespace frame {

HelpDialog::HelpDialog(QObject* parent, QWidget* viewerOwner)
    : QObject(parent), m_viewerOwner(viewerOwner)
{
    setObjectName(QStringLiteral("CommonDialog1"));
}

HelpViewer* HelpDialog::viewer() const { return m_viewer; }

bool HelpDialog::showHelp()
{
    initFrameResources();
    const QString path = QStringLiteral(":/help/") + m_helpFile;
    if (m_helpFile.isEmpty() || !QFile::exists(path)) return false;
    if (!m_viewer) {
        m_viewer = new HelpViewer(m_viewerOwner);
        // Child windows open from the frame's top left corner; help stands
        // at the right, where it covers them least.
        if (const QScreen* screen = m_viewerOwner->screen()) {
            const QRect area = screen->availableGeometry();
            const int marginX = area.width() / 40;
            const int marginY = area.height() / 12;
            const QSize size = m_viewer->size().boundedTo(
                QSize(area.width() - 2 * marginX, area.height() - 2 * marginY));
            m_viewer->resize(size);
            m_viewer->move(area.right() + 1 - size.width() - marginX, area.top() + marginY);
        }
    }
    m_viewer->showTopic(QUrl(QStringLiteral("qrc") + path), m_helpContext);
    if (m_viewer->isMinimized()) m_viewer->showNormal();
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
    return true;
}

}  // namespace frame
