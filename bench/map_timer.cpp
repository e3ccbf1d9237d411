// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and prints, on one line, the milliseconds from exec to
// its first window being mapped and its resident memory one second later:
//   map_timer PROGRAM [ARGS...]   ->   "<ms> <KiB>"

#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fputs("usage: map_timer PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("map_timer: no display\n", stderr);
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        std::perror("execv");
        _exit(127);
    }
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != MapNotify || event.xmap.override_redirect);
    const auto mapped = std::chrono::steady_clock::now();

    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long rss = residentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);

    std::printf("%.1f %ld\n", std::chrono::duration<double, std::milli>(mapped - start).count(),
                rss);
    return 0;
}
