// SPDX-License-Identifier: GPL-3.0-or-later
// Counts the frames a window sends the X server: each time drawing reaches the window after it
// was still, the DAMAGE extension reports it once, and the report is taken back so that the next
// drawing is reported anew. Runs until it is sent SIGTERM or SIGINT, then prints the count.
// bench/key_cpu_probe.sh watches the drill window with it while it types.
// Usage: frame_count <window id>

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/select.h>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void stop(int) {
    g_stop = 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <window id>\n", argv[0]);
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0;
    int damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "no X display with the DAMAGE extension\n");
        return 1;
    }
    std::signal(SIGTERM, stop);
    std::signal(SIGINT, stop);
    XDamageCreate(display, window, XDamageReportNonEmpty);
    XSync(display, False);
    long frames = 0;
    const int connection = ConnectionNumber(display);
    while (!g_stop) {
        if (XPending(display) == 0) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(connection, &readable);
            // A signal ends the wait with EINTR; the loop then sees g_stop.
            select(connection + 1, &readable, nullptr, nullptr, nullptr);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == damageEvent + XDamageNotify) {
            XDamageSubtract(display, reinterpret_cast<XDamageNotifyEvent&>(event).damage, None,
                            None);
            ++frames;
        }
    }
    std::printf("%ld\n", frames);
    return 0;
}
