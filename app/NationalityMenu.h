// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <cstdint>

namespace kf {

class MainWindow;
struct Globals;
struct Services;

// The "&Keyboard Nationality" menu at work: it checks the student's nationality each time it
// opens, and a choice draws that nationality's keyboard pictures anew, shows the picture and
// saves the student.
class NationalityMenu : public QObject {
    Q_OBJECT
public:
    NationalityMenu(MainWindow& window, Globals& globals, Services& services);

private:
    void checkCurrentNationality();
    void chooseNationality(std::uint8_t code);
    void rebuildKeyboardPictures();

    MainWindow& m_window;
    Globals& m_globals;
    Services& m_services;
};

} // namespace kf
