// SPDX-License-Identifier: GPL-3.0-or-later
// The first sound of a run as the program plays it: the sound module loaded from the modules
// folder by the first play. Prints the wall-clock time (ns since the epoch) just before play()
// and stays a second to let the sound out; bench/first_use_probe.sh records the sound server's
// output and takes the time of the first sound sample.
// With "prepared", the player is prepared as the program prepares it after its first window.
// Usage: first_sound <wav file> [prepared]

#include "platform/LazySoundPlayer.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <chrono>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString wav = QString::fromLocal8Bit(argv[1]);
    kf::LazySoundPlayer sound;
    if (sound.outputDeviceCount() == 0)
        return 3;
    if (argc > 2 && qstrcmp(argv[2], "prepared") == 0)
        sound.prepareWhenIdle({wav});
    QTimer::singleShot(500, [&] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        QTextStream(stdout) << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()
                            << Qt::endl;
        sound.play(wav);
    });
    QTimer::singleShot(1500, &app, &QApplication::quit);
    return QApplication::exec();
}
