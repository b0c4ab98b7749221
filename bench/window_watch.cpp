// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and watches the X server for its window, so that the start-up probe times
// the window without polling: the moment the window whose name begins with <title> is mapped, and
// the moment its first drawing is over (the last damage to it before it stays still for a while).
// Then it waits, reads the program's resident memory, and ends it. Prints: "<ms to mapped> <ms to
// drawn> <CPU ms to drawn> <RSS KiB> <peak RSS KiB>". Usage: window_watch <title> <ms to wait after
// drawn> <program> [arguments...]

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A drawing that has been still this long is over.
constexpr double kQuietMs = 150;
constexpr double kGiveUpMs = 20000;
constexpr double kLongestDrawingMs = 2000;

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The field of /proc/<pid>/status, in KiB.
long statusKiB(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    return -1;
}

// Processor time of all the program's threads so far, in ms (from the scheduler's own count,
// in nanoseconds, not the tick-grained utime and stime).
double cpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    double total = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        double ns = 0;
        if (schedstat >> ns)
            total += ns / 1e6;
    }
    closedir(dir);
    return total;
}

bool named(Display* display, Window window, const char* title) {
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    // Qt adds the application's display name after the window's own title.
    const bool same = std::strncmp(name, title, std::strlen(title)) == 0;
    XFree(name);
    return same;
}

// Waits for the next event until the deadline; false when none came.
bool nextEvent(Display* display, XEvent& event, double deadline) {
    while (!XPending(display)) {
        const double left = deadline - nowMs();
        if (left <= 0)
            return false;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(display), &fds);
        timeval wait{long(left / 1e3), long(std::fmod(left, 1e3) * 1e3)};
        select(ConnectionNumber(display) + 1, &fds, nullptr, nullptr, &wait);
    }
    XNextEvent(display, &event);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <title> <ms after drawn> <program> [arguments...]\n",
                     argv[0]);
        return 2;
    }
    const char* title = argv[1];
    const int settleMs = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double started = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[3], argv + 3);
        std::perror("exec");
        _exit(127);
    }

    double mapped = -1;
    double drawn = -1;
    double cpu = -1;
    XEvent event;
    Window window = 0;
    while (mapped < 0 && nextEvent(display, event, started + kGiveUpMs)) {
        if (event.type == MapNotify && named(display, event.xmap.window, title)) {
            mapped = nowMs();
            window = event.xmap.window;
        }
    }
    if (mapped < 0) {
        std::fprintf(stderr, "no window named \"%s\" was mapped\n", title);
        kill(pid, SIGKILL);
        return 1;
    }
    XDamageCreate(display, window, XDamageReportNonEmpty);
    double lastDamage = mapped;
    // A window that keeps changing (a blinking hint) is drawn at the last change within this.
    const double longest = mapped + kLongestDrawingMs;
    while (nextEvent(display, event, std::min(lastDamage + kQuietMs, longest))) {
        if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            XDamageSubtract(display, damage.damage, None, None);
            lastDamage = nowMs();
            cpu = cpuMs(pid);
        }
    }
    drawn = lastDamage;
    if (cpu < 0)
        cpu = cpuMs(pid);
    usleep(useconds_t(settleMs) * 1000);
    const long rss = statusKiB(pid, "VmRSS");
    const long peak = statusKiB(pid, "VmHWM");
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    XCloseDisplay(display);
    std::printf("%.1f %.1f %.1f %ld %ld\n", mapped - started, drawn - started, cpu, rss, peak);
    return 0;
}
