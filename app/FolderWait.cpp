// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FolderWait.h"

#include "students/StudentStore.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>

namespace kf {

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

// Drops the student's input while installed; a modal box that opens meanwhile blocks the other
// windows itself and must hear its answer.
class InputHold final : public QObject {
public:
    InputHold() {
        qApp->installEventFilter(this);
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    }
    ~InputHold() override {
        QGuiApplication::restoreOverrideCursor();
        qApp->removeEventFilter(this);
    }
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!isUserInput(event->type()) || QApplication::activeModalWidget() != nullptr)
            return QObject::eventFilter(watched, event);
        return true;
    }
};

// Work in the store's turn, the event loop turning until it is over.
void waitInTurn(StudentStore& store, const std::function<void()>& work) {
    QEventLoop loop;
    bool over = false;
    store.runInTurn(work, [&] {
        over = true;
        loop.quit();
    });
    if (!over)
        loop.exec();
}

} // namespace

void FolderWait::run(StudentStore& store, const std::function<void()>& work) {
    const InputHold hold;
    ++m_depth;
    waitInTurn(store, [] {});
    waitInTurn(store, work);
    if (--m_depth == 0)
        emit over();
}

} // namespace kf
