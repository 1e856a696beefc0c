#include "frame/main_frame.h"

#include <QMdiArea>

namespace frame {

MainFrame::MainFrame(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Quorvel"));
    setWindowTitle(QStringLiteral("Tabrix"));
    setCentralWidget(new QMdiArea(this));
}

}  // namespace frame
