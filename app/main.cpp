#include <QApplication>

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "frame/bus_service.h"
#include "frame/main_frame.h"
#include "frame/open_unit.h"
#include "frame/start_request.h"
#include "tabrix/version.h"
#include "windows/accessible_text.h"

namespace {

constexpr const char* kUsage =
    "Usage: tabrix [--help | --version]\n"
    "       tabrix --open CATEGORY [--unit UNIT] [--value TEXT] [--to UNIT]\n"
    "       tabrix --find [QUERY]\n"
    "\n"
    "Opens the Tabrix unit converter, on a given window or with Find Unit open.\n"
    "When Tabrix already runs on this desktop, --open and --find are handed to\n"
    "it, and it comes to the front. Apart from these, only the Qt toolkit's own\n"
    "options are read, such as -platform NAME and -style NAME.\n"
    "\n";

constexpr const char* kProgramOptions = "  --help     show this text and exit\n"
                                        "  --version  show the version and exit\n";

// --help and --version answer on standard output and end the program before
// the toolkit starts, so they open no window and need no display.
bool answeredWithoutWindow(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            std::fputs(std::string(frame::startOptionsHelp()).c_str(), stdout);
            std::fputs(kProgramOptions, stdout);
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
    // A bad name ends the program before anything is shown.
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const frame::ParsedStart start = frame::parseStartArguments(arguments);
    if (!start.request) {
        std::fputs(start.error.c_str(), stderr);
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabrix"));
    QApplication::setApplicationVersion(QString::fromLatin1(tabrix::kVersion));
    // Ties the running program to its menu entry, for its icon and name in
    // task bars and docks.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tabrix.Tabrix"));

    // One frame per desktop session takes the requests of later starts; a
    // start that finds it running hands its request over and ends.
    frame::BusService service;
    if (!service.claimName() && frame::handOff(*start.request)) return 0;

    windows::installAccessibility();  // after the application, whose factory it overrides
    frame::MainFrame frame;
    QObject::connect(&service, &frame::BusService::requested, &frame,
                     [&frame](const frame::StartRequest& request) {
                         frame.bringToFront();
                         frame::carryOut(frame, request);
                     });
    frame.show();
    frame::carryOut(frame, *start.request);
    return QApplication::exec();
}
