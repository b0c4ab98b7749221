// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillAnnouncer.h"

#include "platform/SpeechOutput.h"

#include <QCoreApplication>
#include <QWidget>
#include <utility>

namespace kf {

namespace {

QString joined(const DrillAnnouncement& a) {
    return a.description.isEmpty() ? a.name : a.name + u' ' + a.description;
}

} // namespace

DrillAnnouncer::DrillAnnouncer(QWidget& drillArea, QWidget& keyboardPicture, SpeechOutput& speech)
    : m_drillArea(drillArea)
    , m_keyboardPicture(keyboardPicture)
    , m_notice(drillArea)
    , m_speech(speech) {}

void DrillAnnouncer::announce(const DrillEngine& engine, const CurrentKey& key, bool speakKeys) {
    DrillAnnouncement now = announceDrill(engine, key);
    if (now == m_announced)
        return;
    // Qt sends the description change only on a real change, and only for the focused area's
    // own readers: a screen reader presents it when asked where the student is.
    m_drillArea.setAccessibleDescription(joined(now));
    m_keyboardPicture.setAccessibleName(QCoreApplication::translate("DrillWindow", "Keyboard"));
    m_keyboardPicture.setAccessibleDescription(keyboardPictureDescription(engine, key));
    // The instruction before a set is read with the focused area; everything after it is news.
    const bool news = now.phase != DrillAnnouncement::Phase::Waiting &&
                      (now.phase != m_announced.phase || now.name != m_announced.name);
    if (news)
        m_notice.say(now.name, now.description);
    if (news && now.phase == DrillAnnouncement::Phase::Target && speakKeys)
        m_speech.say(now.speech);
    m_announced = std::move(now);
}

} // namespace kf
