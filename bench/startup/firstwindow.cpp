// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and waits, event-driven, until it maps its first top-level window on
// $DISPLAY; prints the milliseconds since the start, the program's resident and peak
// memory at that moment and the window's title, then ends the program:
//   firstwindow -l LABEL -- PROGRAM [ARGS...]
//   -> LABEL ms=<ms> rss_kb=<kb> hwm_kb=<kb> title="<title>"
// Without a window manager every top-level window maps as a child of the root window,
// so watching the root's children is enough.
#include <X11/Xlib.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr unsigned timeoutSeconds = 30;

double millisecondsSince(const timespec& start) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec - start.tv_sec) * 1e3 + double(now.tv_nsec - start.tv_nsec) / 1e6;
}

// VmRSS or VmHWM of a process in KiB; -1 when it cannot be read.
long memoryKb(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field + ':', 0) == 0)
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    }
    return -1;
}

std::string titleOf(Display* display, Window window) {
    const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, left = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &items,
                           &left, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<const char*>(data), items);
        XFree(data);
    }
    return title;
}

pid_t start(char** argv) {
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        std::perror(argv[0]);
        _exit(127);
    }
    return pid;
}

// Waits for the first window mapped on the root; None when the program ended first or
// showed nothing in time.
Window firstMappedWindow(Display* display, pid_t pid, const timespec& started) {
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display))
                return event.xmap.window;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval tick{0, 100000}; // to notice a program that ends without a window
        select(fd + 1, &readable, nullptr, nullptr, &tick);
        if (waitpid(pid, nullptr, WNOHANG) == pid ||
            millisecondsSince(started) > timeoutSeconds * 1e3)
            return None;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 5 || std::strcmp(argv[1], "-l") != 0 || std::strcmp(argv[3], "--") != 0) {
        std::fprintf(stderr, "usage: %s -l LABEL -- PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    timespec started{};
    clock_gettime(CLOCK_MONOTONIC, &started);
    const pid_t pid = start(argv + 4);
    const Window window = firstMappedWindow(display, pid, started);
    const double ms = millisecondsSince(started);
    if (window != None)
        std::printf("%s ms=%.1f rss_kb=%ld hwm_kb=%ld title=\"%s\"\n", argv[2], ms,
                    memoryKb(pid, "VmRSS"), memoryKb(pid, "VmHWM"),
                    titleOf(display, window).c_str());
    else
        std::fprintf(stderr, "%s: %s showed no window\n", argv[2], argv[4]);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return window != None ? 0 : 1;
}
