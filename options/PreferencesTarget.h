// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kf {

// A window that Preferences acts on. Which one is decided when a setting changes, by the
// activity code: the main window, or the drill window while a drill is open, whichever window
// opened Preferences.
class PreferencesTarget {
public:
    virtual void preferencesSchemeChanged() = 0;             // repaint frames and backgrounds
    virtual void preferencesCharactersShownChanged() = 0;    // reload the keyboard pictures
    virtual void preferencesClosed() = 0;                    // take the hand delay
    virtual void preferencesSpeakKeysChanged(bool /*on*/) {} // spoken guidance, from now on

protected:
    PreferencesTarget() = default;
    PreferencesTarget(const PreferencesTarget&) = default;
    PreferencesTarget& operator=(const PreferencesTarget&) = default;
    ~PreferencesTarget() = default;
};

} // namespace kf
