// SPDX-License-Identifier: GPL-3.0-or-later
// A second yardstick of the start-up probe: the bare 800 x 600 window with what any window with
// words on it needs, a menu bar and a few lines of text, and nothing of keyfarer's. What it costs
// beyond the bare window is the price of showing text at all (the font configuration, the font
// files, HarfBuzz and FreeType, the menu and label code of Qt Widgets).

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Text Qt Window"));
    for (const char* title : {"&File", "&Lessons", "&Options", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    auto* client = new QWidget;
    window.setCentralWidget(client);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(24);
    for (int line = 0; line < 4; ++line) {
        auto* label = new QLabel(QStringLiteral("A line of text, number %1").arg(line + 1), client);
        label->setFont(font);
        label->move(40, 40 + line * 60);
    }
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
