// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/ReportShowPanel.h"

#include "progress/ReportPanel.h"
#include "widgets/TextControls.h"
#include "widgets/TranslatedText.h"

#include <QPushButton>

namespace kf {

ReportShowPanel::ReportShowPanel(QWidget* window)
    : PanelFrame(window) {
    setObjectName(QStringLiteral("PanelShow"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    setGeometry(ReportPanel::showPanelPlace(window->size()));
    m_show = uiButton(QStringLiteral("ButtonShow"), "ReportPanel",
                      QT_TRANSLATE_NOOP("ReportPanel", "Show"), this);
    setUiToolTip(m_show, "ReportPanel", QT_TRANSLATE_NOOP("ReportPanel", "Show Report"));
    m_show->setGeometry(QRect(ReportPanel::showButtonOffset(),
                              size() - QSize(2, 2) * ReportPanel::showButtonOffset().x()));
    connect(m_show, &QPushButton::clicked, this, &ReportShowPanel::showClicked);
    hide();
}

void ReportShowPanel::focusShow() {
    m_show->setFocus();
}

} // namespace kf
