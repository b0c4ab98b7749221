// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QWidget>

namespace kf::test {

// What a screen reader is told as it happens: every object of the notification role the program
// shows, as "name|description", in order. (The offscreen platform has no accessibility bridge,
// so the showing is watched on the widgets; the end-to-end test hears it from a screen reader.)
class SpokenNotices : public QObject {
public:
    SpokenNotices() { QCoreApplication::instance()->installEventFilter(this); }
    ~SpokenNotices() override { QCoreApplication::instance()->removeEventFilter(this); }
    SpokenNotices(const SpokenNotices&) = delete;
    SpokenNotices& operator=(const SpokenNotices&) = delete;

    QStringList& said() { return m_said; }
    // The messages only, without their details.
    QStringList messages() const {
        QStringList names;
        for (const QString& notice : m_said)
            names << notice.section(u'|', 0, 0);
        return names;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(watched);
            if (shown && shown->role() == QAccessible::Notification)
                m_said << shown->text(QAccessible::Name) + u'|' +
                              shown->text(QAccessible::Description);
        }
        return false;
    }

private:
    QStringList m_said;
};

} // namespace kf::test
