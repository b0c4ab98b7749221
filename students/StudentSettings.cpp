// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/StudentSettings.h"

#include "core/GroupShare.h"

#include <QDir>
#include <QSettings>

namespace kf {

namespace {
const QString kSpeakKeys = QStringLiteral("Guidance/SpeakKeys");
const QString kLanguage = QStringLiteral("Interface/Language");
} // namespace

StudentSettings::StudentSettings(const QString& workingFolder, const QString& userName)
    : m_path(QDir(workingFolder).filePath(userName + QStringLiteral(".ini"))) {}

bool StudentSettings::speakKeys() const {
    return QSettings(m_path, QSettings::IniFormat).value(kSpeakKeys, false).toBool();
}

void StudentSettings::setSpeakKeys(bool on) {
    write(kSpeakKeys, on);
}

QString StudentSettings::language() const {
    return QSettings(m_path, QSettings::IniFormat).value(kLanguage).toString();
}

void StudentSettings::setLanguage(const QString& code) {
    write(kLanguage, code);
}

void StudentSettings::write(const QString& key, const QVariant& value) const {
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    shareWithFolderGroup(m_path);
}

} // namespace kf
