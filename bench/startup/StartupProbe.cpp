// Starts a program on the current X display and measures, from the moment before it is started,
// the time until its first top-level window is exposed; then asks the window to close (as the
// window manager's close button does) and reports the program's peak memory and exit code.
// Usage: startup_probe PROGRAM   (prints: startup_ms=... maxrss_kb=... exit=...)
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        std::_Exit(127);
    }

    Window shown = 0;
    double startupMs = -1;
    while (startupMs < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && !event.xcreatewindow.override_redirect)
            XSelectInput(display, event.xcreatewindow.window, ExposureMask | StructureNotifyMask);
        else if (event.type == Expose && event.xexpose.count == 0) {
            startupMs = millisecondsSince(start);
            shown = event.xexpose.window;
        }
    }

    // Let the first paint settle before closing, so the peak memory includes it.
    usleep(300 * 1000);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = shown;
    close.xclient.message_type = protocols;
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, shown, False, NoEventMask, &close);
    XFlush(display);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    std::printf("startup_ms=%.1f maxrss_kb=%ld exit=%d\n", startupMs, usage.ru_maxrss,
                WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    XCloseDisplay(display);
    return 0;
}
