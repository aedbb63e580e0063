// Times a program's start-up on an X server: the time from just before it is started until the
// server maps its first top-level window, and its resident memory one second after that.
// Usage: map_probe PROGRAM [ARGUMENTS...]; prints "MILLISECONDS RSS_KIB" and ends the program.
//
// The probe watches the root window for MapNotify, so the moment is the server's, with no
// polling interval. It expects no window manager and no other client mapping windows.

#include <X11/Xlib.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Waits for a top-level window to be mapped; false after ten seconds without one.
bool waitForMap(Display* display) {
    const int connection = ConnectionNumber(display);
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) return true;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        timeval timeout{0, 100'000};
        select(connection + 1, &readable, nullptr, nullptr, &timeout);
    }
    return false;
}

long residentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_probe PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "map_probe: cannot open the display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("map_probe: fork");
        XCloseDisplay(display);
        return 2;
    }
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const bool mapped = waitForMap(display);
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    if (mapped) std::this_thread::sleep_for(std::chrono::seconds(1));
    const long rss = residentKib(pid);

    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "map_probe: %s mapped no window\n", argv[1]);
        return 1;
    }
    std::printf("%.1f %ld\n", elapsed.count(), rss);
    return 0;
}
