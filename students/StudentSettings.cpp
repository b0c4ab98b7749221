// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/StudentSettings.h"

#include <QDir>
#include <QSettings>

namespace kf {

namespace {
const QString kSpeakKeys = QStringLiteral("Guidance/SpeakKeys");
}

StudentSettings::StudentSettings(const QString& workingFolder, const QString& userName)
    : m_path(QDir(workingFolder).filePath(userName + QStringLiteral(".ini"))) {}

bool StudentSettings::speakKeys() const {
    return QSettings(m_path, QSettings::IniFormat).value(kSpeakKeys, false).toBool();
}

void StudentSettings::setSpeakKeys(bool on) {
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(kSpeakKeys, on);
}

} // namespace kf
