#include <QApplication>

#include "frame/main_frame.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabrix"));
    QApplication::setApplicationVersion(QStringLiteral("8.0"));
    // Ties the running program to its menu entry, for its icon and name in
    // task bars and docks.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tabrix.Tabrix"));
    frame::MainFrame frame;
    frame.show();
    return QApplication::exec();
}
