#include <QApplication>

#include "frame/main_frame.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabrix"));
    QApplication::setApplicationVersion(QStringLiteral("8.0"));
    frame::MainFrame frame;
    frame.show();
    return app.exec();
}
