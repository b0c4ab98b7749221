// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillAnnouncer.h"

#include "platform/SpeechOutput.h"

#include <QCoreApplication>
#include <QWidget>
#include <utility>

namespace kf {

namespace {

// Gives a control a new accessible name and description. Qt sends the name and description change
// events itself, only on a real change; a screen reader speaks a change on the focused control
// without the focus moving.
void setAccessibleText(QWidget& widget, const QString& name, const QString& description) {
    widget.setAccessibleName(name);
    widget.setAccessibleDescription(description);
}

} // namespace

DrillAnnouncer::DrillAnnouncer(QWidget& drillArea, QWidget& keyboardPicture, SpeechOutput& speech)
    : m_drillArea(drillArea)
    , m_keyboardPicture(keyboardPicture)
    , m_speech(speech) {}

void DrillAnnouncer::announce(const DrillEngine& engine, const CurrentKey& key, bool speakKeys) {
    DrillAnnouncement now = announceDrill(engine, key);
    if (now == m_announced)
        return;
    setAccessibleText(m_drillArea, now.name, now.description);
    setAccessibleText(m_keyboardPicture, QCoreApplication::translate("DrillWindow", "Keyboard"),
                      keyboardPictureDescription(engine, key));
    const bool newTarget = now.phase == DrillAnnouncement::Phase::Target &&
                           (m_announced.phase != now.phase || m_announced.name != now.name);
    if (newTarget && speakKeys)
        m_speech.say(now.speech);
    m_announced = std::move(now);
}

} // namespace kf
