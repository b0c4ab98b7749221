// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

namespace kf {

struct Globals;
struct Services;

// The main window: title area with the user panel, the keyboard picture and the menu.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(Globals& globals, Services& services, QWidget* parent = nullptr);

private:
    Globals& m_globals;
    Services& m_services;
};

} // namespace kf
