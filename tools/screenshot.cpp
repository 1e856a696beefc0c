// Takes the README's screenshots: the frame with several windows open and
// values typed, in the light or a dark palette, at whatever QT_SCALE_FACTOR
// says. Run under a real X server (xvfb-run) so fonts render as users see them:
//   xvfb-run -s "-screen 0 1600x1000x24" build/tools/tabrix_screenshot out.png [--dark] [--live]
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPalette>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTimer>

#include "frame/main_frame.h"

namespace {

QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(55, 55, 58));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(55, 55, 58));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(55, 55, 58));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
    return p;
}

void open(frame::MainFrame& frame, const char* action)
{
    if (auto* a = frame.findChild<QAction*>(QString::fromLatin1(action))) a->trigger();
}

void type(frame::MainFrame& frame, const char* box, const char* text)
{
    if (auto* edit = frame.findChild<QLineEdit*>(QString::fromLatin1(box)))
        edit->setText(QString::fromUtf8(text));
}

void pick(frame::MainFrame& frame, const char* option)
{
    if (auto* button = frame.findChild<QRadioButton*>(QString::fromLatin1(option))) button->click();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString output = args.value(1, QStringLiteral("tabrix.png"));
    if (args.contains(QStringLiteral("--dark"))) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    }

    frame::MainFrame frame;
    frame.show();
    // --live: the bare frame in the chosen palette, left to real input (xdotool)
    // and an outside capture, for pictures of what typing shows.
    if (args.contains(QStringLiteral("--live"))) return QApplication::exec();
    open(frame, "mfdistance");
    pick(frame, "OptionU1(10)");
    type(frame, "TextU1", "26.2");
    type(frame, "TextU3", "2");
    pick(frame, "OptionU1(10)");
    open(frame, "mftemp");
    pick(frame, "OptionW1(2)");
    type(frame, "TextW1", "37");
    open(frame, "mfareametric");
    type(frame, "TextS1(2)", "120");
    type(frame, "TextS1(3)", "50");
    type(frame, "TextS1(5)", "80");

    // Lay the windows side by side so none hides another.
    auto* area = frame.findChild<QMdiArea*>();
    int x = 0;
    int y = 0;
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
        if (x > 0 && x + sub->width() > area->viewport()->width()) {
            x = 0;
            y += sub->height();
        }
        sub->move(x, y);
        x += sub->width();
    }
    int right = 0;
    int bottom = 0;
    for (QMdiSubWindow* sub : area->subWindowList()) {
        right = std::max(right, sub->geometry().right());
        bottom = std::max(bottom, sub->geometry().bottom());
    }
    frame.resize(frame.width() - area->viewport()->width() + right + 12,
                 frame.height() - area->viewport()->height() + bottom + 12);

    QTimer grabber;
    grabber.setSingleShot(true);
    QObject::connect(&grabber, &QTimer::timeout, &app, [&] {
        frame.grab().save(output);
        QApplication::quit();
    });
    grabber.start(300);
    return QApplication::exec();
}
