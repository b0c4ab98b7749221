// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillViewRenderer.h"

#include "drills/DrillCaption.h"
#include "drills/DrillLayout.h"
#include "drills/DrillWindowStyle.h"

#include <QLabel>
#include <QTimer>

namespace kf {

using namespace drillstyle;

DrillViewRenderer::DrillViewRenderer(const QWidget& window, QLabel& targetPanel,
                                     const DrillTimers& timers)
    : m_targetPanel(targetPanel)
    , m_timers(timers) {
    for (std::size_t i = 0; i < kDrillControlCount; ++i) {
        m_controls[i] = window.findChild<QWidget*>(str(kDrillControlNames[i].objectName));
        Q_ASSERT_X(m_controls[i], "DrillWindow", kDrillControlNames[i].objectName.data());
        // Captions belong to labels and caption panels; the mark images hold pictures.
        if (!kDrillControlNames[i].objectName.starts_with("Image"))
            m_captions[i].label = qobject_cast<QLabel*>(m_controls[i]);
    }
}

void DrillViewRenderer::renderControls(const DrillView& view) {
    for (std::size_t i = 0; i < kDrillControlCount; ++i) {
        QWidget* w = m_controls[i];
        const ControlView& c = view.controls[i];
        if (ShownCaption& shown = m_captions[i]; shown.label) {
            if (c.caption != shown.caption || shown.label->text() != shown.text) {
                shown.caption = c.caption;
                shown.text = displayedCaption(c.caption);
                shown.label->setText(shown.text);
            }
        }
        if (w->isHidden() == c.visible)
            w->setVisible(c.visible);
        if (w->isEnabledTo(w->parentWidget()) != c.enabled)
            w->setEnabled(c.enabled);
    }
    renderTargetPanel(view.target);
}

void DrillViewRenderer::renderTargetPanel(const TargetPanelView& target) {
    if (target.left != m_shownTarget.left || target.width != m_shownTarget.width)
        m_targetPanel.setGeometry(target.left, kTargetPanelTop, target.width, kTargetPanelHeight);
    if (target.fontSize != m_shownTarget.fontSize) {
        const QFont font = courier(target.fontSize, true);
        m_targetPanel.setFont(font);
    }
    if (target.fontColour != m_shownTarget.fontColour)
        setTextColour(&m_targetPanel, QColor::fromRgb(target.fontColour));
    m_shownTarget = target;
}

void DrillViewRenderer::renderTimers(const DrillView& view) {
    for (std::size_t i = 0; i < m_timers.size(); ++i) {
        const auto which = static_cast<DrillTimer>(i);
        renderTimer(m_timers[i], which, view.timer(which));
    }
}

void DrillViewRenderer::renderTimer(QTimer* timer, DrillTimer which, const TimerView& wanted) {
    // The reaction clock is read from the monotonic clock when a key is scored, and its ticks
    // change nothing on screen: the window does not wake 18 times a second for them.
    if (which == DrillTimer::ReactionTimer)
        return;
    std::uint64_t& seen = m_timerStarts[static_cast<std::size_t>(which)];
    if (!wanted.running) {
        if (timer->isActive())
            timer->stop();
    } else if (!timer->isActive() || wanted.starts != seen) {
        timer->start(wanted.intervalMs);
    } else if (timer->interval() != wanted.intervalMs) {
        timer->setInterval(wanted.intervalMs);
    }
    if (timer->interval() != wanted.intervalMs && !wanted.running)
        timer->setInterval(wanted.intervalMs);
    seen = wanted.starts;
}

} // namespace kf
