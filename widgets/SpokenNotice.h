// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <cstddef>

namespace kf {

// The object a screen reader meets for a SpokenNotice: of the notification role, named by the
// message and described by its details. It takes no room, no focus and no mouse.
class NoticeObject : public QWidget {
    Q_OBJECT
public:
    explicit NoticeObject(QWidget& parent);
};

// Messages for a screen reader, spoken as soon as they are given. Orca 43 speaks a notification
// when it shows, its name and then its description, while it drops the name and description
// changes of the focused object, which Qt 6.4 sends without the new text. Nothing is shown on
// the screen.
class SpokenNotice {
public:
    explicit SpokenNotice(QWidget& parent);

    // Says the message, also when it is the same as the last one.
    void say(const QString& message, const QString& details = QString());

    // The object that said the last message, if any.
    const QWidget* lastObject() const { return m_last; }

private:
    // Orca drops a showing of an object when another showing of the same object waits behind
    // it: messages given in quick succession take turns among a few objects.
    std::array<NoticeObject*, 3> m_objects;
    std::size_t m_next = 0;
    const QWidget* m_last = nullptr;
};

} // namespace kf
