// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's links and menus as the tests look them up.

#include <QString>
#include <QStringList>

namespace kf::test {

// The five links of the user panel and the menu titles, in their order on the window.
inline const QStringList kLinkNames = {
    QStringLiteral("LabelNewUser"), QStringLiteral("LabelSelectUser"),
    QStringLiteral("LabelLastLesson"), QStringLiteral("LabelYourStats"),
    QStringLiteral("LabelPreferences")};
inline const QStringList kMenuTitles = {QStringLiteral("&Lessons"),
                                        QStringLiteral("&Beginners Drills"),
                                        QStringLiteral("Inter&mediate Drills"),
                                        QStringLiteral("&Advanced Drills"),
                                        QStringLiteral("A&dditional"),
                                        QStringLiteral("&Tests"),
                                        QStringLiteral("&Help")};

} // namespace kf::test
