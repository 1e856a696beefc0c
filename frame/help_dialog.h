#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace frame {

class HelpViewer;

// The one way into the help file, kept by the About box: set the help file and
// the topic, then showHelp(). The file is looked up among the program's
// embedded resources, so help works wherever the program runs.
class HelpDialog : public QObject {
    Q_OBJECT
public:
    // The viewer is created as a window of its own, owned by `viewerOwner`
    // and kept in front of it.
    HelpDialog(QObject* parent, QWidget* viewerOwner);

    QString helpFile() const { return m_helpFile; }
    void setHelpFile(const QString& file) { m_helpFile = file; }
    int helpContext() const { return m_helpContext; }
    void setHelpContext(int topic) { m_helpContext = topic; }

    // Opens the help viewer on the help file at the topic helpContext() and
    // brings it to the front. Returns false, showing nothing, when the help
    // file is not among the program's resources.
    bool showHelp();

    // The viewer, or nullptr before the first showHelp().
    HelpViewer* viewer() const;

private:
    QWidget* m_viewerOwner;
    QPointer<HelpViewer> m_viewer;
    QString m_helpFile;
    int m_helpContext = 0;
};

}  // namespace frame
