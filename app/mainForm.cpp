// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainForm.h"

#include "app/Globals.h"
#include "app/Services.h"

namespace kf {

TForm1::TForm1(Globals& globals, Services& services, QWidget* parent)
    : QMainWindow(parent)
    , m_globals(globals)
    , m_services(services) {
    setWindowTitle(QStringLiteral("Keyfarer Typing Tutor -- Learn the Keyboard"));
    setFixedSize(800, 600);
}

} // namespace kf
