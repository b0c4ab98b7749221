// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillKeyFilter.h"

#include "drills/DrillEngine.h"
#include "drills/DrillKeyInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <utility>

namespace kf {

DrillKeyFilter::DrillKeyFilter(QMainWindow& window, const DrillEngine& engine,
                               QLineEdit& ownKeysEdit, JudgeKeys judge)
    : m_window(window)
    , m_engine(engine)
    , m_ownKeysEdit(ownKeysEdit)
    , m_judge(std::move(judge)) {}

DrillKeyFilter::~DrillKeyFilter() {
    stop();
}

void DrillKeyFilter::start() {
    if (m_started)
        return;
    qApp->installEventFilter(this);
    m_started = true;
}

void DrillKeyFilter::stop() {
    if (!m_started)
        return;
    qApp->removeEventFilter(this);
    m_started = false;
}

bool DrillKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::InputMethod &&
        type != QEvent::InputMethodQuery)
        return false;
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!receiver || receiver->window() != &m_window)
        return false;
    if (type == QEvent::InputMethodQuery)
        return answerInputMethodQuery(receiver, event);
    return handleKeyEvent(receiver, event);
}

// Dead keys and compose sequences reach a widget only when it accepts input methods, so every
// control of the window says it does; the own-keys field answers for itself.
bool DrillKeyFilter::answerInputMethodQuery(QWidget* receiver, QEvent* event) const {
    if (receiver->testAttribute(Qt::WA_InputMethodEnabled) && receiver != &m_window &&
        receiver != m_window.centralWidget())
        return false;
    auto* query = static_cast<QInputMethodQueryEvent*>(event);
    if (query->queries() & Qt::ImEnabled)
        query->setValue(Qt::ImEnabled, true);
    if (query->queries() & Qt::ImHints)
        query->setValue(Qt::ImHints, static_cast<int>(Qt::ImhNone));
    if (query->queries() & Qt::ImCursorRectangle)
        query->setValue(Qt::ImCursorRectangle, QRect());
    query->accept();
    return true;
}

// Every key press and input-method text of the window is the drill's first, and only once:
// the filter always takes the event, and hands it on to the control it was meant for only
// where that control should have it too (typing into the own-keys field; keys without a drill
// meaning, such as Tab between the own-keys buttons, while no set runs). While no set runs,
// Space and Enter press the button that has the focus, as on any button, and the drill does not
// hear them; on the drill area they are the drill's.
bool DrillKeyFilter::handleKeyEvent(QWidget* receiver, QEvent* event) {
    const bool intoEdit = receiver == &m_ownKeysEdit && m_ownKeysEdit.isVisible();
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool drillKey = key == Qt::Key_Space || key == Qt::Key_Escape ||
                              key == Qt::Key_Return || key == Qt::Key_Enter;
        return drillKey && !intoEdit;
    }

    QList<DrillKey> keys;
    bool byKey = false; // Space, Enter or Escape
    bool escape = false;
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        keys = drillKeysOf(*keyEvent);
        escape = keyEvent->key() == Qt::Key_Escape;
        byKey = escape || keyEvent->key() == Qt::Key_Space || keyEvent->key() == Qt::Key_Return ||
                keyEvent->key() == Qt::Key_Enter;
    } else {
        keys = drillKeysOf(*static_cast<QInputMethodEvent*>(event));
    }
    auto* button = byKey && !escape && !m_engine.setRunning()
                       ? qobject_cast<QAbstractButton*>(receiver)
                       : nullptr;
    if (button) {
        if (button->isEnabled())
            button->click();
        event->accept();
        return true;
    }
    const bool handOn =
        !escape && (intoEdit || (!byKey && (keys.isEmpty() || !m_engine.setRunning())));
    m_judge(keys);
    if (handOn && !m_engine.view().closeRequested) {
        // Straight to the control: the application's filters, this one included, have run.
        static_cast<QObject*>(receiver)->event(event);
    }
    // Taken: the event must not travel on to the parents and come back here.
    event->accept();
    return true;
}

} // namespace kf
