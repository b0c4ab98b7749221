// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up probe: the least a Qt Widgets program does to show an empty
// 800 x 600 window. The probe starts it and keyfarer in turn and compares the two.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt Window"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
