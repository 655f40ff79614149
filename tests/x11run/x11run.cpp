// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a program on an X server the way a user meets it: starts it, waits for
// its window with the given title to be mapped, closes that window as a
// window manager's close button does (a WM_DELETE_WINDOW message, which lets
// the program shut down on its own), and waits for the program to end.
//
//   x11run [--check CHECK [ARGS...] --] TITLE TIMEOUT_SECONDS PROGRAM [ARGS...]
//
// Prints "mapped_ms=N" (start to window mapped) and exits with the program's
// exit status.  With --check, the command CHECK is run while the window is
// open, before it is closed, with X11RUN_PID (the program's pid) and
// X11RUN_WINDOW (the window's id) in its environment: it can read the
// running program, take a screenshot or look at the window.  If CHECK fails,
// x11run still closes the window and then exits with 1.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void Fail(const char *what)
{
    std::fprintf(stderr, "x11run: %s\n", what);
    std::exit(125);
}

std::string WindowTitle(Display *display, Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<const char *>(data), count);
        XFree(data);
    }
    return title;
}

// The program's mapped top-level window with `title`: a child of the root,
// or, under a window manager, the child of such a frame.
std::optional<Window> FindWindow(Display *display, Window parent, std::string_view title, int depth)
{
    Window root = 0;
    Window ignored = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &ignored, &children, &count))
        return std::nullopt;
    std::optional<Window> found;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) ||
            attributes.map_state != IsViewable)
            continue;
        if (WindowTitle(display, children[i]) == title)
            found = children[i];
        else if (depth > 0)
            found = FindWindow(display, children[i], title, depth - 1);
    }
    if (children)
        XFree(children);
    return found;
}

void SendDelete(Display *display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// Windows come and go while the tree is searched (a Wine program makes and
// drops helper windows all the time): asking about one that has just gone
// is no error of the program's.  Every other error ends x11run.
int (*defaultErrorHandler)(Display *, XErrorEvent *) = nullptr;

int IgnoreVanishedWindows(Display *display, XErrorEvent *error)
{
    if (error->error_code == BadWindow)
        return 0;
    return defaultErrorHandler(display, error);
}

} // namespace

int main(int argc, char *argv[])
{
    int arg = 1;
    char **check = nullptr;
    if (arg < argc && std::strcmp(argv[arg], "--check") == 0) {
        check = argv + arg + 1;
        for (++arg; arg < argc && std::strcmp(argv[arg], "--") != 0; ++arg) {
        }
        if (arg == argc || check == argv + arg)
            Fail("--check takes a command, ended by --");
        argv[arg++] = nullptr; // the check's own argument list ends here
    }
    if (argc - arg < 3)
        Fail("usage: x11run [--check CHECK [ARGS...] --] TITLE TIMEOUT_SECONDS PROGRAM [ARGS...]");
    const std::string_view title = argv[arg];
    const auto timeout = std::chrono::seconds(std::atoi(argv[arg + 1]));
    char **program = argv + arg + 2;

    Display *display = XOpenDisplay(nullptr);
    if (!display)
        Fail("cannot open the display");
    defaultErrorHandler = XSetErrorHandler(IgnoreVanishedWindows);
    const Window root = DefaultRootWindow(display);
    // Map and reparent notices of the root's children wake the wait below.
    XSelectInput(display, root, SubstructureNotifyMask);
    XFlush(display);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0)
        Fail("cannot fork");
    if (child == 0) {
        execvp(program[0], program);
        _exit(127);
    }

    std::optional<Window> window;
    while (!(window = FindWindow(display, root, title, 1))) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            Fail("the program ended before its window was mapped");
        if (Clock::now() - start > timeout) {
            kill(child, SIGKILL);
            Fail("no window with that title was mapped in time");
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 50);
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
    }
    const auto mapped = Clock::now();
    std::printf("mapped_ms=%.3f\n",
                std::chrono::duration<double, std::milli>(mapped - start).count());

    bool checked = true;
    if (check) {
        std::fflush(stdout);
        const std::string pid = std::to_string(child);
        char id[32];
        std::snprintf(id, sizeof id, "0x%lx", static_cast<unsigned long>(*window));
        const pid_t checker = fork();
        if (checker < 0)
            Fail("cannot fork");
        if (checker == 0) {
            setenv("X11RUN_PID", pid.c_str(), 1);
            setenv("X11RUN_WINDOW", id, 1);
            execvp(check[0], check);
            _exit(127);
        }
        int status = 0;
        checked = waitpid(checker, &status, 0) == checker && WIFEXITED(status) &&
                  WEXITSTATUS(status) == 0;
        std::printf("check=%s\n", checked ? "passed" : "failed");
    }

    SendDelete(display, *window);
    const auto closed = Clock::now();
    int status = 0;
    for (;;) {
        if (waitpid(child, &status, WNOHANG) == child)
            break;
        if (Clock::now() - closed > timeout) {
            kill(child, SIGKILL);
            Fail("the program did not end after its window was closed");
        }
        usleep(10000);
    }
    XCloseDisplay(display);
    if (WIFEXITED(status)) {
        std::printf("exit_status=%d\n", WEXITSTATUS(status));
        return checked ? WEXITSTATUS(status) : 1;
    }
    std::printf("killed_by_signal=%d\n", WTERMSIG(status));
    return 126;
}
