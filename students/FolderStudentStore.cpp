// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/FolderStudentStore.h"

#include "core/FolderFile.h"
#include "core/GroupShare.h"
#include "core/Logging.h"
#include "students/LockHolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <QLockFile>
#include <QStorageInfo>
#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace kf {

namespace {

const QString kLockSuffix = QStringLiteral(".lock");

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

const char* statusName(FileOutcome::Status status) {
    switch (status) {
    case FileOutcome::Status::Done:
        return "done";
    case FileOutcome::Status::Missing:
        return "missing";
    case FileOutcome::Status::Short:
        return "short";
    case FileOutcome::Status::Exists:
        return "exists";
    case FileOutcome::Status::Failed:
        return "failed";
    case FileOutcome::Status::Changed:
        return "changed from outside, not written";
    }
    return "?";
}

// What became of one student file: its path and outcome, and the message the student saw.
FileOutcome logged(const char* action, const QString& path, FileOutcome outcome) {
    if (outcome.message.isEmpty())
        qCInfo(logStudents).noquote() << action << path << "-" << statusName(outcome.status);
    else
        qCInfo(logStudents).noquote()
            << action << path << "-" << statusName(outcome.status) << "-" << outcome.message;
    return outcome;
}

FileOutcome refused(const QString& path, const QString& why) {
    return {
        FileOutcome::Status::Failed,
        QCoreApplication::translate("FolderStudentStore",
                                    "\"%1\" is not a student file: %2. Keyfarer leaves it alone; "
                                    "ask whoever looks after this computer to remove or rename it.")
            .arg(fileName(path), why)};
}

// A failed write says what to do about it: the work is still in memory.
FileOutcome withAdvice(FileOutcome outcome, const QString& folder) {
    if (outcome.status != FileOutcome::Status::Failed)
        return outcome;
    QString cause;
    const QStorageInfo storage(folder);
    const QFileInfo folderInfo(folder);
    if (!folderInfo.exists())
        cause =
            QCoreApplication::translate("FolderStudentStore", "The working folder \"%1\" is gone.")
                .arg(folder);
    else if (storage.isReadOnly() || !folderInfo.isWritable())
        cause = QCoreApplication::translate("FolderStudentStore",
                                            "The working folder \"%1\" cannot be written to.")
                    .arg(folder);
    else if (storage.isValid() && storage.bytesAvailable() < 2 * qint64(layout::kRecordSize))
        cause = QCoreApplication::translate("FolderStudentStore",
                                            "There is no space left on the disk that holds \"%1\".")
                    .arg(folder);
    outcome.message +=
        (cause.isEmpty() ? QString() : QStringLiteral("\n\n") + cause) +
        QCoreApplication::translate(
            "FolderStudentStore", "\n\nYour work is still kept by Keyfarer. Free some space on the "
                                  "disk or check that you may write in the working folder, then "
                                  "try again.");
    return outcome;
}

// QSaveFile's and QTemporaryFile's names: a student file's name and six letters or digits
// ("Ann.stu.x1Yz2W"). Checked by hand: a regular expression here was the only one the program
// compiles at start, and it brought in the whole pattern library's code and its compiler.
bool isLeftoverName(QStringView name) {
    constexpr qsizetype kRandomPart = 6;
    const QStringView suffix = u".stu.";
    if (name.size() < suffix.size() + kRandomPart)
        return false;
    const QStringView random = name.right(kRandomPart);
    const bool alphanumeric = std::all_of(random.begin(), random.end(), [](QChar c) {
        return c.unicode() < 0x80 && c.isLetterOrNumber();
    });
    return alphanumeric && name.chopped(kRandomPart).endsWith(suffix, Qt::CaseInsensitive);
}

// Any fixed seed but zero: with zero Qt leaves out its hardware-assisted hash.
constexpr std::size_t kFingerprintSeed = 0x6b66'7374'7564'656eULL;

// What create and rewrite leave in the file: the record and nothing else.
QByteArrayView recordContent(const StudentRecord& record) {
    return {reinterpret_cast<const char*>(record.bytes().data()), qsizetype(record.bytes().size())};
}

LockOutcome heldElsewhere(const QString& name, const QString& path, const LockHolder& holder) {
    qCInfo(logStudents).noquote() << "lock refused" << path << "- held by process" << holder.pid
                                  << "on"
                                  << (holder.host.isEmpty() ? QStringLiteral("?") : holder.host);
    const QString where =
        holder.host.isEmpty()
            ? QString()
            : QCoreApplication::translate("FolderStudentStore", " (on %1)").arg(holder.host);
    return {LockOutcome::Status::InUseElsewhere,
            QCoreApplication::translate("FolderStudentStore",
                                        "%1 is in use elsewhere: another copy of Keyfarer%2 "
                                        "has this student. Close it there first, then take "
                                        "the name again.")
                .arg(name, where)};
}

// Something that is no lock stands where the student's lock belongs: the student cannot be
// taken, and nothing is removed that Keyfarer did not make.
LockOutcome oddLock(const QString& name, const QString& path, const QString& why) {
    qCInfo(logStudents).noquote() << "odd lock" << path << "-" << why;
    return {LockOutcome::Status::InUseElsewhere,
            QCoreApplication::translate(
                "FolderStudentStore",
                "%1 cannot be taken: \"%2\" should be this student's lock, but %3. Ask whoever "
                "looks after this computer to remove it; until then choose or make another name.")
                .arg(name, fileName(path), why)};
}

} // namespace

FolderStudentStore::FolderStudentStore(WorkingFolder folder)
    : m_folder(folder)
    , m_roster(std::move(folder)) {
    if (QFileInfo(m_folder.path()).isDir())
        removeLeftovers();
}

FolderStudentStore::~FolderStudentStore() = default;

FileOutcome FolderStudentStore::load(const QString& name, StudentRecord& record) {
    const QString path = m_roster.filePath(name);
    if (const QString odd = folderFile::oddness(path); !odd.isEmpty())
        return logged("read", path, refused(path, odd));
    // What the file holds is taken from the same read: on a file server every pass costs.
    QByteArray content;
    FileOutcome read = StudentFile::load(path, record, &content);
    if (read.done() && !content.isEmpty())
        remember(path, content);
    else if (read.done() || read.status == FileOutcome::Status::Missing)
        m_lastSeen.erase(path);
    return logged("read", path, read);
}

FileOutcome FolderStudentStore::save(const QString& name, const StudentRecord& record) {
    const QString path = m_roster.filePath(name);
    if (const QString odd = folderFile::oddness(path); !odd.isEmpty())
        return logged("write", path, refused(path, odd));
    // One read serves both the check against a file replaced from outside and the bytes past the
    // record that are kept. A file missing, short or unreadable is the save's to tell.
    const folderFile::Read current = folderFile::read(path, StudentFile::kMostFileBytes);
    const bool whole = current.done() && current.bytes.size() >= qsizetype(layout::kRecordSize);
    if (whole && replacedSinceSeen(path, current.bytes))
        return logged("write", path, {FileOutcome::Status::Changed, {}});
    QByteArray content;
    FileOutcome written =
        withAdvice(whole ? StudentFile::saveOver(path, record, current.bytes, &content)
                         : StudentFile::save(path, record, &content),
                   m_folder.path());
    // What was written is remembered rather than read back: a file replaced between the write and
    // a read-back would otherwise be taken for this program's own.
    if (written.done())
        remember(path, content);
    return logged("write", path, written);
}

FileOutcome FolderStudentStore::create(const QString& name, StudentRecord& record) {
    FileOutcome made = withAdvice(m_roster.create(name, record), m_folder.path());
    if (made.done())
        remember(m_roster.filePath(name), recordContent(record));
    return logged("make", m_roster.filePath(name), made);
}

FileOutcome FolderStudentStore::rewrite(const QString& name, const StudentRecord& record) {
    // A working folder removed from outside is made again: the student asked for the work to
    // be kept, and there is nowhere else to keep it.
    if (!QFileInfo(m_folder.path()).exists())
        QDir().mkpath(m_folder.path());
    const QString path = m_roster.filePath(name);
    if (const QString odd = folderFile::oddness(path); !odd.isEmpty())
        return logged("write anew", path, refused(path, odd));
    FileOutcome written = withAdvice(StudentFile::rewrite(path, record), m_folder.path());
    if (written.done())
        remember(path, recordContent(record));
    return logged("write anew", path, written);
}

void FolderStudentStore::remove(const QString& name) {
    qCInfo(logStudents).noquote() << "remove" << m_roster.filePath(name);
    m_lastSeen.erase(m_roster.filePath(name));
    m_roster.remove(name);
}

FolderStudentStore::Fingerprint FolderStudentStore::fingerprintOf(QByteArrayView content) {
    return {content.size(),
            qHashBits(content.data(), std::size_t(content.size()), kFingerprintSeed)};
}

void FolderStudentStore::remember(const QString& path, QByteArrayView content) {
    m_lastSeen[path] = fingerprintOf(content);
}

// A file never read here is not counted as replaced.
bool FolderStudentStore::replacedSinceSeen(const QString& path, QByteArrayView content) const {
    const auto seen = m_lastSeen.find(path);
    return seen != m_lastSeen.end() && fingerprintOf(content) != seen->second;
}

QString FolderStudentStore::lockPath(const QString& name) const {
    return m_roster.filePath(name) + kLockSuffix;
}

LockOutcome FolderStudentStore::lock(const QString& name) {
    if (m_locks.count(name) != 0)
        return {};
    const QString path = lockPath(name);
    if (const QString odd = LockHolder::oddness(path); !odd.isEmpty())
        return oddLock(name, path, odd);
    auto lockFile = std::make_unique<QLockFile>(path);
    lockFile->setStaleLockTime(kStaleLockMs);
    bool taken = lockFile->tryLock(0);
    std::optional<LockHolder> holder;
    if (!taken && lockFile->error() == QLockFile::LockFailedError) {
        holder = LockHolder::read(path);
        if (!holder)
            return oddLock(name, path, LockHolder::oddness(path));
        // QLockFile leaves a stale lock it may not open for writing, as another account's in a
        // shared folder; removing it needs only the folder.
        if (holder->isStale(kStaleLockMs, QDateTime::currentDateTimeUtc()) && QFile::remove(path)) {
            qCInfo(logStudents).noquote() << "stale lock removed" << path;
            taken = lockFile->tryLock(0);
        }
    }
    if (taken) {
        qCInfo(logStudents).noquote() << "lock taken" << path;
        shareWithFolderGroup(path);
        m_locks.emplace(name, std::move(lockFile));
        return {};
    }
    if (holder)
        return heldElsewhere(name, path, *holder);
    qCInfo(logStudents).noquote() << "no lock possible" << path << "-" << lockFile->error();
    return {LockOutcome::Status::NotPossible, {}};
}

void FolderStudentStore::unlock(const QString& name) {
    if (m_locks.count(name) != 0)
        qCInfo(logStudents).noquote() << "lock let go" << lockPath(name);
    m_locks.erase(name);
}

void FolderStudentStore::touchLocks() {
    for (const auto& [name, lockFile] : m_locks) {
        folderFile::touch(lockPath(name));
    }
}

int FolderStudentStore::removeLeftovers(qint64 olderThanMs) const {
    const QDir dir(m_folder.path());
    const QDateTime before = QDateTime::currentDateTimeUtc().addMSecs(-olderThanMs);
    int removed = 0;
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isLeftoverName(info.fileName()) || info.isSymLink())
            continue;
        if (info.lastModified().toUTC() < before && QFile::remove(info.filePath()))
            ++removed;
    }
    return removed;
}

} // namespace kf
