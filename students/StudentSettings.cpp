// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/StudentSettings.h"

#include "core/FolderFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace kf {

namespace {

// Written as QSettings writes an INI file, so files from earlier versions read the same; but read
// and written under the folder's rule, which QSettings knows nothing of: it waits for ever on a
// pipe or a folder where its lock belongs, and writes through a link.
constexpr QStringView kGuidance = u"Guidance";
constexpr QStringView kSpeakKeys = u"SpeakKeys";
constexpr QStringView kInterface = u"Interface";
constexpr QStringView kLanguage = u"Language";
// Two settings take a few dozen bytes; a file far larger is no student's settings.
constexpr qint64 kMostSettingsBytes = qint64(64) * 1024;

struct Entry {
    QString section;
    QString key;
    QString value;
};

QList<Entry> parse(const QByteArray& bytes) {
    QList<Entry> entries;
    QString section;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.mid(1, value.size() - 2);
        entries.append({section, line.left(equals).trimmed(), value});
    }
    return entries;
}

QByteArray serialize(const QList<Entry>& entries) {
    QStringList sections;
    for (const Entry& entry : entries) {
        if (!sections.contains(entry.section))
            sections.append(entry.section);
    }
    QString text;
    for (const QString& section : sections) {
        if (!text.isEmpty())
            text += u'\n';
        text += u'[' + section + QStringLiteral("]\n");
        for (const Entry& entry : entries) {
            if (entry.section == section)
                text += entry.key + u'=' + entry.value + u'\n';
        }
    }
    return text.toUtf8();
}

// A value is stored as text on one line, nothing more.
QString oneLine(const QString& value) {
    QString plain;
    for (const QChar c : value) {
        if (c.isPrint())
            plain.append(c);
    }
    return plain;
}

} // namespace

StudentSettings::StudentSettings(const QString& workingFolder, const QString& userName)
    : m_path(QDir(workingFolder).filePath(userName + QStringLiteral(".ini"))) {}

QString StudentSettings::value(QStringView section, QStringView key) const {
    const folderFile::Read read = folderFile::read(m_path, kMostSettingsBytes);
    if (!read.done())
        return {};
    for (const Entry& entry : parse(read.bytes)) {
        if (entry.section == section && entry.key == key)
            return entry.value;
    }
    return {};
}

QString StudentSettings::setValue(QStringView section, QStringView key, const QString& value) {
    const folderFile::Read read = folderFile::read(m_path, kMostSettingsBytes);
    QString why = read.why;
    if (read.status == folderFile::Read::Status::TooLarge)
        why = QCoreApplication::translate("StudentSettings", "it is far larger than any settings");
    if (!read.done() && read.status != folderFile::Read::Status::Missing)
        return notWritten(why);
    QList<Entry> entries = parse(read.bytes);
    const auto same = [&](const Entry& e) { return e.section == section && e.key == key; };
    if (const auto found = std::find_if(entries.begin(), entries.end(), same);
        found != entries.end())
        found->value = oneLine(value);
    else
        entries.append({section.toString(), key.toString(), oneLine(value)});
    if (const QString failed = folderFile::write(m_path, serialize(entries)); !failed.isEmpty())
        return notWritten(failed);
    return {};
}

QString StudentSettings::notWritten(const QString& why) const {
    return QCoreApplication::translate(
               "StudentSettings",
               "Your setting could not be kept in \"%1\": %2. It holds for now; to keep it, check "
               "that you may write in the working folder and that the disk has room, then choose "
               "it again.")
        .arg(QFileInfo(m_path).fileName(), why);
}

bool StudentSettings::speakKeys() const {
    return value(kGuidance, kSpeakKeys) == QStringLiteral("true");
}

QString StudentSettings::setSpeakKeys(bool on) {
    return setValue(kGuidance, kSpeakKeys, on ? QStringLiteral("true") : QStringLiteral("false"));
}

QString StudentSettings::language() const {
    return value(kInterface, kLanguage);
}

QString StudentSettings::setLanguage(const QString& code) {
    return setValue(kInterface, kLanguage, code);
}

} // namespace kf
