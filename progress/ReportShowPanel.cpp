// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/ReportShowPanel.h"

#include "progress/ReportPanel.h"
#include "widgets/TextControls.h"
#include "widgets/TranslatedText.h"

#include <QPushButton>

namespace kf {

ReportShowPanel::ReportShowPanel(QWidget* window)
    : QFrame(window) {
    setObjectName(QStringLiteral("PanelShow"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    setGeometry(ReportPanel::showPanelPlace(window->size()));
    auto* show = uiButton(QStringLiteral("ButtonShow"), "ReportPanel",
                          QT_TRANSLATE_NOOP("ReportPanel", "Show"), this);
    setUiToolTip(show, "ReportPanel", QT_TRANSLATE_NOOP("ReportPanel", "Show Report"));
    show->setGeometry(QRect(ReportPanel::showButtonOffset(),
                            size() - QSize(2, 2) * ReportPanel::showButtonOffset().x()));
    connect(show, &QPushButton::clicked, this, &ReportShowPanel::showClicked);
    hide();
}

} // namespace kf
