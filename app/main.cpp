#include <QApplication>

#include <cstdio>
#include <cstring>

#include "frame/main_frame.h"
#include "tabrix/version.h"
#include "windows/accessible_text.h"

namespace {

constexpr const char* kHelp =
    "Usage: tabrix [--help | --version]\n"
    "\n"
    "Opens the Tabrix unit converter. Everything it does is chosen in its\n"
    "windows; it reads nothing else from the command line, apart from the\n"
    "Qt toolkit's own options such as -platform NAME and -style NAME.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n";

// --help and --version answer on standard output and end the program before
// the toolkit starts, so they open no window and need no display.
bool answeredWithoutWindow(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kHelp, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("tabrix %s\n", tabrix::kVersion);
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (answeredWithoutWindow(argc, argv)) return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabrix"));
    QApplication::setApplicationVersion(QString::fromLatin1(tabrix::kVersion));
    // Ties the running program to its menu entry, for its icon and name in
    // task bars and docks.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tabrix.Tabrix"));
    windows::installAccessibility();  // after the application, whose factory it overrides
    frame::MainFrame frame;
    frame.show();
    return QApplication::exec();
}
