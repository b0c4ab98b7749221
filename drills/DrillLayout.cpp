// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillLayout.h"

namespace kf {

DrillLayout computeDrillLayout(QSize client, QSize picture) {
    DrillLayout l;
    const int imageLeft = centredLeft(client.width(), picture.width());
    const int imageTop = client.height() - picture.height();
    l.keyboardPicture = QRect(imageLeft, imageTop, picture.width(), picture.height());
    l.panelTop = QRect(0, 0, client.width(), client.height() - picture.height());
    // The side panels start one pixel above the picture, as high as it.
    l.panelLeft = QRect(0, imageTop - 1, imageLeft, picture.height());
    const int rightLeft = imageLeft + picture.width();
    l.panelRight = QRect(rightLeft, imageTop - 1, client.width() - picture.width() - imageLeft,
                         picture.height());
    l.ownKeysBox = QRect(centredLeft(client.width(), kOwnKeysPanelSize.width()),
                         centredLeft(client.height(), kOwnKeysPanelSize.height()),
                         kOwnKeysPanelSize.width(), kOwnKeysPanelSize.height());
    l.statisticsBox = QRect(centredLeft(client.width(), kStatisticsPanelSize.width()),
                            imageTop + centredLeft(picture.height(), kStatisticsPanelSize.height()),
                            kStatisticsPanelSize.width(), kStatisticsPanelSize.height());
    l.tipsBox = QRect(centredLeft(client.width(), kTipsPanelSize.width()), kTipsPanelTop,
                      kTipsPanelSize.width(), kTipsPanelSize.height());
    return l;
}

} // namespace kf
