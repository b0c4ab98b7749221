// SPDX-License-Identifier: GPL-3.0-or-later
// What one frame costs a bare Qt Widgets window on this X server, for bench/key_cpu_probe.sh to
// set beside keyfarer's figure: a timer wakes the window 100 times, 100 ms apart, and each time
// a 60 x 60 square of an 800 x 600 window is painted anew and sent to the server. Prints the
// process's CPU time per wake-up with the repaint, and per wake-up alone (nothing repainted).
// Usage: frame_cost

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

namespace {

constexpr int kWakes = 100;
constexpr int kIntervalMs = 100;

double cpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

class Square : public QWidget {
public:
    int colour = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter(this).fillRect(event->rect(), colour % 2 ? Qt::red : Qt::blue);
    }
};

// Wakes the window kWakes times, repainting or not, then calls done with the CPU per wake.
void measure(Square& window, bool repaint, const std::function<void(double)>& done) {
    auto* timer = new QTimer(&window);
    auto wakes = std::make_shared<int>(0);
    const double started = cpuMs();
    QObject::connect(timer, &QTimer::timeout, &window, [=, &window] {
        if (repaint) {
            ++window.colour;
            window.update(100, 100, 60, 60);
        }
        if (++*wakes < kWakes)
            return;
        timer->stop();
        timer->deleteLater();
        done((cpuMs() - started) / kWakes);
    });
    timer->start(kIntervalMs);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Square window;
    window.setWindowTitle(QStringLiteral("Frame Cost"));
    window.resize(800, 600);
    window.show();
    // A second for the window to be mapped and drawn first.
    QTimer::singleShot(1000, &window, [&] {
        measure(window, true, [&](double framed) {
            measure(window, false, [&, framed](double idle) {
                std::printf("a bare Qt window: %.3f ms of CPU per frame, %.3f ms per wake-up "
                            "alone\n",
                            framed, idle);
                QApplication::quit();
            });
        });
    });
    return QApplication::exec();
}
