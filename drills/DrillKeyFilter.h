// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drills/DrillKey.h"

#include <QList>
#include <QObject>
#include <functional>

class QEvent;
class QLineEdit;
class QMainWindow;
class QWidget;

namespace kf {

class DrillEngine;

// Which keys of the drill window reach the drill, and which reach a control as well. While the
// window shows, the filter sees every key press and input-method text of the window first,
// whatever control has the focus: Space never clicks a button and Escape never reaches a child
// before the drill. Dead keys and compose sequences arrive as the one character they make,
// because every control of the window accepts input methods; AltGr characters arrive as the
// character they make. Only the own-keys field also gets what is typed into it.
class DrillKeyFilter : public QObject {
    Q_OBJECT
public:
    // Hands the drill keys of one event to the drill, in order.
    using JudgeKeys = std::function<void(const QList<DrillKey>& keys)>;

    // The own-keys field (Edit1) is the window's control that takes typing of its own while no
    // set runs.
    DrillKeyFilter(QMainWindow& window, const DrillEngine& engine, QLineEdit& ownKeysEdit,
                   JudgeKeys judge);
    ~DrillKeyFilter() override;

    DrillKeyFilter(const DrillKeyFilter&) = delete;
    DrillKeyFilter& operator=(const DrillKeyFilter&) = delete;

    // Starts and stops seeing the application's events; either may come more than once.
    void start();
    void stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool answerInputMethodQuery(QWidget* receiver, QEvent* event) const;
    bool handleKeyEvent(QWidget* receiver, QEvent* event);

    QMainWindow& m_window;
    const DrillEngine& m_engine;
    QLineEdit& m_ownKeysEdit;
    JudgeKeys m_judge;
    bool m_started = false;
};

} // namespace kf
