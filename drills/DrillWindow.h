// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drills/DrillAnnouncer.h"
#include "drills/DrillEngine.h"
#include "drills/DrillKeyFilter.h"
#include "drills/DrillKeyboardPicture.h"
#include "drills/DrillViewRenderer.h"
#include "drills/DrillWindowControls.h"
#include "drills/DrillWindowState.h"
#include "options/OptionGroups.h"
#include "options/PreferencesTarget.h"

#include <QImage>
#include <QMainWindow>
#include <functional>

namespace kf {

struct Services;

// The drill window of "Beginners Drills": the keyboard picture, the target and the running
// figures, the set statistics, the tool buttons and, for "Choose Your Own Keys", the panel
// where the student types the keys to practise. The drill itself is the engine's; this window
// hands it every key and timer tick and renders its view.
//
// The window sees every key first, whatever control has the focus (DrillKeyFilter): Space never
// clicks a button and Escape never reaches a child before the drill. Only the own-keys edit field
// also gets what is typed into it.
class DrillWindow : public QMainWindow, public PreferencesTarget {
    Q_OBJECT
public:
    // Opens the options window on a page, or the charts window; tests may put something else in
    // their place.
    using OptionsOpener = std::function<void(DrillWindow& drill, OptionsPage page)>;
    using ChartsOpener = std::function<void(DrillWindow& drill)>;

    // The parent, when given, is the main window: the drill window takes its place. Giving the
    // place back when the drill window closes is the main window's.
    DrillWindow(const DrillWindowState& state, Services& services, QWidget* parent = nullptr);
    ~DrillWindow() override;

    DrillEngine& engine() { return m_engine; }

    void setOptionsOpener(OptionsOpener opener) { m_openOptions = std::move(opener); }
    void setChartsOpener(ChartsOpener opener) { m_openCharts = std::move(opener); }

    // The options window closed: the next hands wait the student's hand delay.
    void applyHandDelay();

    void preferencesSchemeChanged() override { paintSchemePictures(); }
    void preferencesCharactersShownChanged() override { loadKeyboardPictures(); }
    void preferencesClosed() override { afterPreferences(); }
    void preferencesSpeakKeysChanged(bool on) override { setSpeakKeys(on); }

    // The statistics window read another student's record in: the set statistics are emptied
    // and the keyboard pictures are those of the record's nationality.
    void studentReplaced();

    // The keyboard picture (Image1) and its unmarked copy (Image2), for drawing on it.
    QImage& keyboardImage() { return m_keyboardPicture.image(); }
    const QImage& cleanKeyboardImage() const { return m_keyboardPicture.cleanImage(); }
    void showKeyboardImage();

    // Brings every control and timer in line with the drill's view.
    void render();

    // "Speak each key and finger" for this window's student.
    bool speaksKeys() const { return m_speakKeys; }
    // Turning it on here speaks even beside a screen reader.
    void setSpeakKeys(bool on);
    // Preferences closed: the hand delay and the sound setting may have changed.
    void afterPreferences();
    // The sound button is named, in its hint, after whether sound is on.
    void showSoundButton();
    // Whether targets are read aloud now: on, and no screen reader speaks them unless asked.
    bool speaking() const;

    // The timers' handlers: the hands, the blinking prompts, the set clock, the reaction clock.
    void handTick();
    void blinkTick();
    void setClockTick();
    void reactionTick();

signals:
    // The drill window closed, however it was asked to: the drill is over.
    void closed();
    // The statistics window opened from here views another student, whom the main window's
    // user line now names.
    void userLineNameChanged(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectControls();
    void judgeKeys(const QList<DrillKey>& keys);

    void firstShown();
    void paintSchemePictures();
    void loadKeyboardPictures();
    void toggleRow(DrillRow row);
    void showRowButton(DrillRow row);

    void verifyOwnKeysClick();
    void beginTypingClick();
    void exitToMainMenuClick();
    void openHelpClick();
    void exitLessonsClick();
    void showKeysOnKeyboard(bool shown);
    void openOptions(OptionsPage page);
    void openPreferences(OptionsPage page);
    void openCharts();

    DrillWindowState m_state;
    Services& m_services;
    DrillEngine m_engine;
    OptionsOpener m_openOptions;
    ChartsOpener m_openCharts;

    // Made in this order when the window is created: the controls, then what works on them. The
    // key filter, made last, is gone first, before the controls it reads.
    DrillWindowControls m_controls;
    DrillViewRenderer m_renderer;
    DrillKeyboardPicture m_keyboardPicture;
    DrillAnnouncer m_announcer;
    DrillKeyFilter m_keyFilter;

    bool m_shownOnce = false;
    bool m_speakKeys = false;
    bool m_speechAsked = false; // turned on while this window is open
};

} // namespace kf
