// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SpokenNotice.h"

#include "widgets/AccessibleRole.h"

namespace kf {

namespace {

// Qt gives a plain widget the client role; the notice needs the notification role.
QWidget* withNoticeAccessible(QWidget& parent) {
    setClassAccessibleRole(NoticeObject::staticMetaObject, QAccessible::Notification);
    return &parent;
}

} // namespace

NoticeObject::NoticeObject(QWidget& parent)
    : QWidget(withNoticeAccessible(parent)) {
    setObjectName(QStringLiteral("SpokenNotice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

SpokenNotice::SpokenNotice(QWidget& parent)
    : m_objects{new NoticeObject(parent), new NoticeObject(parent), new NoticeObject(parent)} {}

void SpokenNotice::say(const QString& message, const QString& details) {
    NoticeObject* notice = m_objects[m_next];
    m_next = (m_next + 1) % m_objects.size();
    // Hidden while its texts change, so that no change event comes before the showing.
    notice->hide();
    notice->setAccessibleName(message);
    notice->setAccessibleDescription(details);
    notice->show();
    m_last = notice;
}

} // namespace kf
