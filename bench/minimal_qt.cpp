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
    // The frame's size, the screen less 500 × 1500 twips (1440 to an inch), so
    // that the two paint and buffer the same number of pixels.
    const QScreen* screen = window.screen();
    const qreal pixelsPerTwip = screen->logicalDotsPerInch() / 1440.0;
    window.setGeometry(0, 0, screen->geometry().width() - qRound(500 * pixelsPerTwip),
                       screen->geometry().height() - qRound(1500 * pixelsPerTwip));
    window.show();
    return QApplication::exec();
}
