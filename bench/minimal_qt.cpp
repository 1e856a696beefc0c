// The yardstick for the frame's start-up: what any Qt Widgets program of the
// same shape costs, a main window with a menu bar and an MDI area, as large
// as the frame, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("minimal_qt"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.setCentralWidget(new QMdiArea(&window));
    // The frame's size: the screen less 500 × 1500 twips (15 to a pixel), so
    // the two paint and buffer the same number of pixels.
    const QRect screen = window.screen()->geometry();
    window.setGeometry(0, 0, screen.width() - 500 / 15, screen.height() - 1500 / 15);
    window.show();
    return app.exec();
}
