// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/StudentFile.h"

#include "core/FolderFile.h"
#include "core/GroupShare.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstring>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kf::StudentFile {

namespace {

constexpr qint64 kRecordBytes = static_cast<qint64>(layout::kRecordSize);

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

// Whole sentences, so that each language can say them its own way.
constexpr const char* kNotWritten =
    QT_TRANSLATE_NOOP("StudentFile", "The student file \"%1\" could not be written: %2");
constexpr const char* kNotRead =
    QT_TRANSLATE_NOOP("StudentFile", "The student file \"%1\" could not be read: %2");
constexpr const char* kNotCreated =
    QT_TRANSLATE_NOOP("StudentFile", "The student file \"%1\" could not be created: %2");

FileOutcome failed(const char* sentence, const QString& path, const QString& reason) {
    return {FileOutcome::Status::Failed,
            QCoreApplication::translate("StudentFile", sentence).arg(fileName(path), reason)};
}

QByteArray recordBytes(const StudentRecord& record) {
    const auto& bytes = record.bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), kRecordBytes);
}

FileOutcome writeWhole(const QString& path, const QByteArray& content) {
    if (const QString why = folderFile::write(path, content); !why.isEmpty())
        return failed(kNotWritten, path, why);
    return {};
}

// Open for reading under the folder's rule, and no larger than a record with room to spare: a
// file of gigabytes named like a student is no student's, and reading it whole would stop or
// crash the program.
FileOutcome openRecordFile(QFile& file, const char* sentence) {
    const QString path = file.fileName();
    if (QString why; !folderFile::openForReading(file, &why))
        return failed(sentence, path, why);
    if (file.size() > kMostFileBytes)
        return {FileOutcome::Status::Failed,
                QCoreApplication::translate(
                    "StudentFile",
                    "The student file \"%1\" holds %2 bytes, far more than a student record "
                    "(%3 bytes), so Keyfarer leaves it alone. Ask whoever looks after this "
                    "computer to check it, or choose another name.")
                    .arg(fileName(path))
                    .arg(file.size())
                    .arg(kRecordBytes)};
    return {};
}

// The record, then the bytes past it that the file held, kept as they were.
FileOutcome writeRecordAndTail(const QString& path, const StudentRecord& record,
                               const QByteArray& tail, QByteArray* written) {
    const QByteArray content = recordBytes(record) + tail;
    FileOutcome outcome = writeWhole(path, content);
    if (outcome.done() && written)
        *written = content;
    return outcome;
}

} // namespace

FileOutcome readRecord(QIODevice& device, const QString& path, StudentRecord& record) {
    QByteArray data(kRecordBytes, '\0');
    qint64 got = 0;
    while (got < kRecordBytes) {
        const qint64 n = device.read(data.data() + got, kRecordBytes - got);
        if (n < 0)
            return failed(kNotRead, path, device.errorString());
        if (n == 0)
            break;
        got += n;
    }
    if (got < kRecordBytes)
        return {FileOutcome::Status::Short,
                QCoreApplication::translate(
                    "StudentFile", "The student file \"%1\" could not be read: it holds %2 bytes "
                                   "instead of %3, so it is not a whole student record.")
                    .arg(fileName(path))
                    .arg(got)
                    .arg(kRecordBytes)};
    const auto buffer = std::make_unique<StudentRecord::Bytes>();
    std::memcpy(buffer->data(), data.constData(), buffer->size());
    record.assign(*buffer);
    return {};
}

FileOutcome load(const QString& path, StudentRecord& record, QByteArray* content) {
    QFile file(path);
    if (!file.exists() && !QFileInfo(path).isSymLink())
        return {FileOutcome::Status::Missing, {}};
    if (FileOutcome opened = openRecordFile(file, kNotRead); !opened.done())
        return opened;
    FileOutcome read = readRecord(file, path, record);
    if (read.done() && content != nullptr) {
        const QByteArray tail = file.read(kMostFileBytes - kRecordBytes);
        if (file.error() == QFileDevice::NoError)
            *content = recordBytes(record) + tail;
    }
    return read;
}

FileOutcome save(const QString& path, const StudentRecord& record, QByteArray* written) {
    QFile old(path);
    if (!old.exists() && !QFileInfo(path).isSymLink())
        return {FileOutcome::Status::Missing, {}};
    if (FileOutcome opened = openRecordFile(old, kNotWritten); !opened.done())
        return opened;
    if (old.size() < kRecordBytes)
        return {FileOutcome::Status::Short, {}};
    if (!old.seek(kRecordBytes))
        return failed(kNotWritten, path, old.errorString());
    const QByteArray tail = old.read(kMostFileBytes - kRecordBytes);
    if (old.error() != QFileDevice::NoError)
        return failed(kNotWritten, path, old.errorString());
    old.close();
    return writeRecordAndTail(path, record, tail, written);
}

FileOutcome saveOver(const QString& path, const StudentRecord& record, const QByteArray& current,
                     QByteArray* written) {
    return writeRecordAndTail(path, record, current.mid(kRecordBytes), written);
}

FileOutcome rewrite(const QString& path, const StudentRecord& record) {
    return writeWhole(path, recordBytes(record));
}

FileOutcome create(const QString& path, StudentRecord& record) {
    // A new student starts from nothing but zeros and the defaults, whatever record was here.
    record = StudentRecord{};
    record.applyCreateDefaults();
    if (QFileInfo::exists(path))
        return {FileOutcome::Status::Exists, {}};
    // The record is written whole under a name no roster search matches ("Ann.stu.x1Yz2W"),
    // reaches the disk, and only then takes its own name with a rename that refuses to replace
    // a file: a second program creating the same name at the same moment either wins or gets
    // Exists, and nobody ever sees a part of a record.
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return failed(kNotCreated, path, file.errorString());
    const QByteArray content = recordBytes(record);
    if (file.write(content) != content.size() || !file.flush())
        return failed(kNotCreated, path, file.errorString());
#ifdef Q_OS_UNIX
    // The temporary file is the owner's alone; the student file gets what the folder's users
    // get for any new file (the umask), so a shared classroom folder works for every account.
    // A file system that keeps no such permissions refuses this, and that is no reason to fail.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    static_cast<void>(::fchmod(file.handle(), 0666 & ~mask));
    shareWithFolderGroup(file.fileName());
    if (::fsync(file.handle()) != 0)
        return failed(kNotCreated, path,
                      QCoreApplication::translate("StudentFile", "it could not be synced"));
#endif
    if (!file.rename(path)) {
        if (QFileInfo::exists(path))
            return {FileOutcome::Status::Exists, {}};
        return failed(kNotCreated, path, file.errorString());
    }
    file.setAutoRemove(false);
    return {};
}

} // namespace kf::StudentFile
