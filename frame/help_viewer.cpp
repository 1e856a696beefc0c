#include "frame/help_viewer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "frame/command_table.h"

namespace frame {

namespace {

// A plain widget is a filler to assistive technology even as a window of its
// own; a reader then neither names it on arrival nor lists it with the
// program's windows.
QAccessibleInterface* helpViewerAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(HelpViewer::staticMetaObject.className()))
        if (auto* viewer = qobject_cast<HelpViewer*>(object))
            return new QAccessibleWidget(viewer, QAccessible::Window);
    return nullptr;
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    static const bool installed = [] {
        QAccessible::installFactory(helpViewerAccessible);
        return true;
    }();
    Q_UNUSED(installed);

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
    // A caret that the arrow keys move, so a reader reads by line and by word.
    m_browser->setTextInteractionFlags(m_browser->textInteractionFlags() |
                                       Qt::TextSelectableByKeyboard);

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
    // A toolbar keeps its buttons out of the Tab order; a keyboard user
    // needs them in it.
    for (QAction* action : {back, forward, contents})
        toolBar->widgetForAction(action)->setFocusPolicy(Qt::TabFocus);
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
