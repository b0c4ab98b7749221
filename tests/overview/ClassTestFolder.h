// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A class folder prepared for the overview's tests: student files with figures written at their
// published offsets, one file too short to be a record and one that cannot be opened at all.

#include "students/StudentRecord.h"
#include "tests/common/RecordPatterns.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <array>

namespace kf::test {

// A record as a byte array, with the fields the overview reads set by offset.
class RecordBytes {
public:
    RecordBytes() { m_record.applyCreateDefaults(); }

    // Fixed-point figures: stored times 10,000.
    RecordBytes& figure(std::size_t offset, qint64 whole) {
        m_record.setI64(offset, whole * 10000);
        return *this;
    }
    RecordBytes& i32(std::size_t offset, std::int32_t value) {
        m_record.setI32(offset, value);
        return *this;
    }
    RecordBytes& byte(std::size_t offset, std::uint8_t value) {
        m_record.setByte(offset, value);
        return *this;
    }
    RecordBytes& history(std::size_t offset, const std::array<std::int32_t, 8>& entries) {
        for (std::size_t i = 0; i < entries.size(); ++i)
            m_record.setI32(offset + 4 * i, entries[i]);
        return *this;
    }
    const StudentRecord& record() const { return m_record; }
    QByteArray bytes() const { return recordBytes(m_record); }

private:
    StudentRecord m_record;
};

// Offsets of the student record as published.
namespace offset {
inline constexpr std::size_t kDrillKeysAllDays = 13096;
inline constexpr std::size_t kDrillErrorsAllDays = 13104;
inline constexpr std::size_t kDrillKeysLatest = 13120;
inline constexpr std::size_t kDrillErrorsLatest = 13128;
inline constexpr std::size_t kDrillPercentHistory = 32344;
inline constexpr std::size_t kSlowestKey = 32468;
inline constexpr std::size_t kBestTime = 32472;
// Intermediate Drills: all days seconds, keys, errors; latest seconds, keys, errors.
inline constexpr std::size_t kIntSeconds = 37344;
inline constexpr std::size_t kIntKeys = 37352;
inline constexpr std::size_t kIntErrors = 37360;
inline constexpr std::size_t kIntLatestSeconds = 45464;
inline constexpr std::size_t kIntLatestKeys = 45472;
inline constexpr std::size_t kIntLatestErrors = 45480;
} // namespace offset

// Ann: 250 keys and 20 errors in the latest session (92 %), 1,000 and 50 over all days (95 %),
// best time 17, slowest key "k", three sessions recorded (92, 90, 85, latest first), and
// Intermediate Drills figures: 600 keys, 30 errors in 300 seconds latest (adjusted WPM 23),
// 500 keys without errors in 120 seconds over all days (50).
inline RecordBytes ann() {
    using namespace offset;
    return RecordBytes()
        .figure(kDrillKeysLatest, 250)
        .figure(kDrillErrorsLatest, 20)
        .figure(kDrillKeysAllDays, 1000)
        .figure(kDrillErrorsAllDays, 50)
        .i32(kBestTime, 17)
        .byte(kSlowestKey, 'k')
        .history(kDrillPercentHistory, {92, 90, 85, 0, 0, 0, 0, 0})
        .figure(kIntLatestSeconds, 300)
        .figure(kIntLatestKeys, 600)
        .figure(kIntLatestErrors, 30)
        .figure(kIntSeconds, 120)
        .figure(kIntKeys, 500);
}

// bob: 3 keys, 1 error latest (66.7 % shows 67); 8 keys, 3 errors all days (62.5 % shows 62, ties
// to even); eight full sessions; no slowest key; best time 25.
inline RecordBytes bob() {
    using namespace offset;
    return RecordBytes()
        .figure(kDrillKeysLatest, 3)
        .figure(kDrillErrorsLatest, 1)
        .figure(kDrillKeysAllDays, 8)
        .figure(kDrillErrorsAllDays, 3)
        .i32(kBestTime, 25)
        .history(kDrillPercentHistory, {67, 50, 40, 30, 20, 10, 5, 1});
}

// Cleo has never typed.
inline RecordBytes cleo() {
    return RecordBytes();
}

struct ClassFolderFixture {
    ClassFolderFixture() {
        ok = write(QStringLiteral("Ann.stu"), ann().bytes()) &&
             write(QStringLiteral("bob.stu"), bob().bytes()) &&
             write(QStringLiteral("Cleo.stu"), cleo().bytes()) &&
             write(QStringLiteral("Short.stu"), QByteArray(1000, '\1')) &&
             // A name whose file cannot be opened: a link to nothing. (Tests run as root, which
             // reads a file whatever its permissions say.)
             QFile::link(dir.filePath(QStringLiteral("nowhere")),
                         dir.filePath(QStringLiteral("Gone.stu"))) &&
             // Not a student file: the overview reads files only.
             QDir(dir.path()).mkdir(QStringLiteral("Folder.stu"));
    }

    bool write(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

    QString path() const { return dir.path(); }

    // Every entry of the folder with its bytes and modification time, to show nothing changed.
    struct Entry {
        QByteArray bytes;
        QDateTime modified;
        bool operator==(const Entry&) const = default;
    };
    QMap<QString, Entry> snapshot() const {
        QMap<QString, Entry> out;
        const QDir d(dir.path());
        for (const QFileInfo& info : d.entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                     QDir::System | QDir::NoDotAndDotDot)) {
            QFile f(info.filePath());
            const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            out.insert(info.fileName(),
                       {bytes, info.isSymLink() ? QDateTime() : info.lastModified()});
        }
        return out;
    }

    QTemporaryDir dir;
    bool ok = false;
};

// The names in the order the overview lists them.
inline const QStringList kClassNames = {QStringLiteral("Ann"), QStringLiteral("bob"),
                                        QStringLiteral("Cleo"), QStringLiteral("Gone"),
                                        QStringLiteral("Short")};

// The prepared folder as the CSV gives it, worked out from the figures above.
inline const QString kClassCsvHeader =
    QStringLiteral("Student,Drill keys typed (all days),Accuracy today or last (%),"
                   "Accuracy all days (%),Best time (seconds),Slowest letter,"
                   "Sessions recorded,Accuracy of the last 8 sessions (%),"
                   "Intermediate Drills: adjusted WPM today or last,"
                   "Intermediate Drills: adjusted WPM all days,Goal met,Trouble keys");
inline const QString kAnnCsvFigures = QStringLiteral("1000,92,95,17,k,3,85 90 92,23,50,,");
inline const QStringList kClassCsvRows = {
    QStringLiteral("Ann,") + kAnnCsvFigures,
    QStringLiteral("bob,8,67,62,25,,8,1 5 10 20 30 40 50 67,0,0,,"),
    QStringLiteral("Cleo,0,0,0,0,,0,,0,0,,"),
    QStringLiteral("Gone,unreadable file,,,,,,,,,,"),
    QStringLiteral("Short,unreadable file,,,,,,,,,,"),
};

// The whole CSV text: each line, the last included, ends in CR LF.
inline QString classCsv(const QStringList& rows = kClassCsvRows) {
    return (QStringList{kClassCsvHeader} + rows).join(QStringLiteral("\r\n")) +
           QStringLiteral("\r\n");
}

} // namespace kf::test
