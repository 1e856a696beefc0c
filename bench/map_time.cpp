// Starts a program and reports how long it takes until its top-level window
// with a given title is mapped on the X display. The measurement is taken
// from outside the program: the watcher subscribes to the root window's
// structure events before it starts the program, so no polling interval
// blurs the figure. Then it asks the window to close, as a window manager
// would, and waits for the program to end.
//
// usage: map_time TITLE SETTLE_MS COMMAND [ARG...]
// Prints "map_ms <milliseconds>" and exits with the command's exit status;
// 124 when no such window appears within 60 s.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>  // NOLINT(modernize-deprecated-headers): kill() is POSIX, not in <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The title as a window manager reads it: _NET_WM_NAME, else WM_NAME.
std::string windowTitle(Display* display, Window window)
{
    const Atom names[] = {XInternAtom(display, "_NET_WM_NAME", False), XA_WM_NAME};
    for (Atom name : names) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, name, 0, 1024, False, AnyPropertyType, &type,
                               &format, &count, &after, &data) == Success &&
            data) {
            std::string title(reinterpret_cast<char*>(data), count);
            XFree(data);
            if (format == 8 && !title.empty()) return title;
        }
    }
    return {};
}

void askToClose(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// Waits up to `seconds` for the child; returns its wait status, or -1.
int waitFor(pid_t child, double seconds)
{
    const auto start = Clock::now();
    for (;;) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) return status;
        if (millisecondsSince(start) > seconds * 1000) return -1;
        usleep(2000);
    }
}

int exitCode(int status)
{
    if (status == -1) return 125;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: map_time TITLE SETTLE_MS COMMAND [ARG...]\n");
        return 2;
    }
    const std::string title = argv[1];
    const int settleMs = std::atoi(argv[2]);

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_time: cannot open the display\n");
        return 2;
    }
    // The program under test must not inherit our connection.
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0) return 2;
    if (child == 0) {
        execvp(argv[3], argv + 3);
        std::perror("map_time: exec");
        _exit(127);
    }

    Window mapped = None;
    double mapMs = 0;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (mapped == None && millisecondsSince(start) < 60000) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowTitle(display, event.xmap.window) == title) {
                mapMs = millisecondsSince(start);
                mapped = event.xmap.window;
                break;
            }
        }
        if (mapped != None) break;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "map_time: the program ended before a window \"%s\" was mapped\n",
                         title.c_str());
            return exitCode(status) ? exitCode(status) : 124;
        }
        poll(&connection, 1, 20);
    }
    if (mapped == None) {
        std::fprintf(stderr, "map_time: no window \"%s\" within 60 s\n", title.c_str());
        kill(child, SIGTERM);
        waitFor(child, 10);
        return 124;
    }

    // Let the program paint and settle before it is asked to close, so that
    // its peak memory includes its first full screen.
    usleep(useconds_t(settleMs) * 1000);
    askToClose(display, mapped);
    int status = waitFor(child, 20);
    if (status == -1) {
        kill(child, SIGTERM);
        status = waitFor(child, 10);
    }
    XCloseDisplay(display);
    std::printf("map_ms %.2f\n", mapMs);
    return exitCode(status);
}
