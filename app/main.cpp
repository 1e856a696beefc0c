#include <QApplication>

#include "frame/main_frame.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    frame::MainFrame frame;
    frame.show();
    return app.exec();
}
