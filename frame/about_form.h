#pragma once

#include <QDialog>

namespace frame {

class HelpDialog;

// The About box: product name, version and logo. It also keeps the help layer
// (`CommonDialog1`) through which every help request of the program goes, so
// the frame loads it, hidden, before the first help request.
class AboutForm : public QDialog {
    Q_OBJECT
public:
    explicit AboutForm(QWidget* parent = nullptr);

    HelpDialog* helpDialog() const { return m_helpDialog; }

    // Opens the help file at `topic` through CommonDialog1.
    void showHelpTopic(int topic);

private:
    void placeOnScreen();

    HelpDialog* m_helpDialog;
};

}  // namespace frame
