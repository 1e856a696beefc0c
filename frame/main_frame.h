#pragma once

#include <QMainWindow>

namespace frame {

// The program's frame; it opens the child windows on demand.
class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrame(QWidget* parent = nullptr);
};

}  // namespace frame
