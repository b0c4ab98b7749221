// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

namespace kf {

// The settings of one student that the student record has no place for (its layout is shared
// and stays as published). They live in "<user name>.ini" beside the student file in the
// working folder, so they travel with the student's file; a missing file gives the defaults.
class StudentSettings {
public:
    StudentSettings(const QString& workingFolder, const QString& userName);

    const QString& filePath() const { return m_path; }

    // "Speak each key and finger": off unless the student turned it on. A setter returns what
    // to tell the student when the setting could not be kept, or an empty string.
    bool speakKeys() const;
    QString setSpeakKeys(bool on);

    // The interface language the student chose ("de"), or empty when the student never chose
    // one and the desktop's language applies.
    QString language() const;
    QString setLanguage(const QString& code);

private:
    QString value(QStringView section, QStringView key) const;
    QString setValue(QStringView section, QStringView key, const QString& value);
    QString notWritten(const QString& why) const;

    QString m_path;
};

} // namespace kf
