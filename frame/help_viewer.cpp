#include "frame/help_viewer.h"

#include <QAction>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "frame/command_table.h"

namespace frame {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Tabrix Help"));

    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("HelpToolBar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar->setAccessibleName(tr("Help navigation"));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setAccessibleName(tr("Help topic"));

    QAction* back = toolBar->addAction(tr("&Back"), m_browser, &QTextBrowser::backward);
    back->setObjectName(QStringLiteral("helpback"));
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction* forward = toolBar->addAction(tr("&Forward"), m_browser, &QTextBrowser::forward);
    forward->setObjectName(QStringLiteral("helpforward"));
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    QAction* contents = toolBar->addAction(tr("&Contents"), this, [this] {
        if (!m_contents.isEmpty()) showTopic(m_contents, kHelpContents);
    });
    contents->setObjectName(QStringLiteral("helpcontents"));
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(m_browser);

    resize(680, 620);
}

// Esc closes the viewer, as it closes a dialog; the browser passes it on.
void HelpViewer::keyPressEvent(QKeyEvent* event)
{
    if (event->keyCombination() == QKeyCombination(Qt::Key_Escape)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString HelpViewer::topicAnchor(int topic) { return QStringLiteral("topic%1").arg(topic); }

void HelpViewer::showTopic(const QUrl& file, int topic)
{
    m_contents = file;
    QUrl url = file;
    url.setFragment(topicAnchor(topic));
    // The file keeps its historical name, so say what it holds rather than
    // let the browser guess from the suffix.
    m_browser->setSource(url, QTextDocument::HtmlResource);
}

}  // namespace frame
