// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainLayout.h"

namespace kf {

namespace {

QRect centred(QSize client, QSize size) {
    return {(client.width() - size.width()) / 2, (client.height() - size.height()) / 2,
            size.width(), size.height()};
}

} // namespace

MainLayout layOutAroundKeyboard(int windowWidth, QSize client, QSize picture) {
    MainLayout l;
    const int left = (windowWidth - picture.width()) / 2;
    const int top = client.height() - picture.height();
    l.keyboard = QRect(left, top, picture.width(), picture.height());
    l.title = QRect(0, 0, client.width(), client.height() - picture.height());
    // The side panels start one row above the picture, so they meet the title area's last row.
    l.leftPanel = QRect(0, top - 1, left, picture.height());
    const int rightLeft = left + picture.width();
    l.rightPanel =
        QRect(rightLeft, top - 1, client.width() - picture.width() - left, picture.height());
    l.newUserPanel = centred(client, kNewUserPanelSize);
    l.selectUserPanel = centred(client, kSelectUserPanelSize);
    return l;
}

} // namespace kf
