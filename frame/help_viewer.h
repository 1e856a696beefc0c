#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace frame {

// The program's help window: the embedded help file in a browser with Back,
// Forward and Contents. It is a window of its own, not a child of the frame's
// work area, so it can stay open beside the frame.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows `file` scrolled to the topic `topic` ("#topic200"). Loading a
    // topic of the file already shown only scrolls.
    void showTopic(const QUrl& file, int topic);

    // The anchor that names a help topic in the help file.
    static QString topicAnchor(int topic);

    QTextBrowser* browser() const { return m_browser; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* m_browser;
    QUrl m_contents;
};

}  // namespace frame
