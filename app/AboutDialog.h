// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace kf {

class WorkingFolder;

// The About box: the program picture, the program's line and one button that closes the box and
// releases it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const WorkingFolder& folder, QWidget* parent = nullptr);

    // The program picture in the working folder.
    static QString pictureName();
};

} // namespace kf
