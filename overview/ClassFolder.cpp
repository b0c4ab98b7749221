// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/ClassFolder.h"

#include "core/PlainText.h"
#include "core/WorkingFolder.h"
#include "overview/GoalStanding.h"
#include "students/PressJournal.h"
#include "students/Roster.h"
#include "students/StudentFile.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <memory>
#include <thread>
#include <vector>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace kf::classFolder {

namespace {

// Enough readers to keep the disk and the cores busy; reading is mostly waiting for bytes.
constexpr unsigned kMostReaders = 4;
// Progress is told every so many files, not for each: the window repaints at its own pace.
constexpr int kProgressStep = 16;

unsigned readerCount(qsizetype files) {
    const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
    return static_cast<unsigned>(
        std::min<qsizetype>(std::min(cores, kMostReaders), std::max<qsizetype>(files, 1)));
}

bool isCancelled(const Progress& progress) {
    return progress.cancelled != nullptr && progress.cancelled->load(std::memory_order_relaxed);
}

// Names Qt leaves out of a listing because they are not in the system's encoding (a file copied
// from an older system as "Lat\xe9.stu"): without them such a student would vanish unseen.
QList<StudentFileEntry> unreadableNames([[maybe_unused]] const QString& folder) {
    QList<StudentFileEntry> out;
#ifdef Q_OS_UNIX
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (dir == nullptr)
        return out;
    const QByteArray extension = roster::kExtension.toLatin1().toLower();
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw.size() <= extension.size() || !raw.toLower().endsWith(extension) ||
            QFile::encodeName(QFile::decodeName(raw)) == raw)
            continue;
        const QString shown = plainText(QString::fromUtf8(raw.chopped(extension.size())));
        out.append({shown + roster::kExtension, shown, true});
    }
    ::closedir(dir);
#endif
    return out;
}

} // namespace

QList<StudentFileEntry> studentFiles(const WorkingFolder& folder) {
    QList<StudentFileEntry> files = unreadableNames(folder.path());
    for (const QString& file : folder.filesEndingWith(roster::kExtension)) {
        QString name = file.chopped(roster::kExtension.size());
        if (!name.isEmpty())
            files.append({file, std::move(name), false});
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return roster::listsBefore(a.name, b.name); });
    return files;
}

StudentOverview readStudent(const QString& path, const QString& name) {
    // Read under the folder's rule: a pipe or a device named like a student is an unreadable
    // row, never a wait.
    auto record = std::make_unique<StudentRecord>();
    if (!StudentFile::load(path, *record).done())
        return unreadableStudent(name);
    return studentOverview(name, *record);
}

QList<StudentOverview> load(const WorkingFolder& folder, const Progress& progress) {
    const QList<StudentFileEntry> files = studentFiles(folder);
    const QDir dir(folder.path());
    const int total = static_cast<int>(files.size());
    std::vector<StudentOverview> rows(files.size());
    std::vector<char> done(files.size(), 0);
    std::atomic<int> next{0};
    std::atomic<int> finished{0};
    const ClassGoals goals = ClassGoals::read(folder.path());

    auto reader = [&] {
        for (int i = next++; i < total && !isCancelled(progress); i = next++) {
            const StudentFileEntry& entry = files.at(i);
            if (entry.nameUnreadable) {
                rows[std::size_t(i)] = unreadableName(entry.name);
            } else {
                rows[std::size_t(i)] = readStudent(dir.filePath(entry.fileName), entry.name);
                readGoalStanding(rows[std::size_t(i)],
                                 PressJournal::pathFor(folder.path(), entry.name), goals);
            }
            done[std::size_t(i)] = 1;
            const int count = ++finished;
            if (progress.advanced && (count % kProgressStep == 0 || count == total))
                progress.advanced(count, total);
        }
    };
    std::vector<std::thread> readers;
    const unsigned count = readerCount(files.size());
    for (unsigned r = 1; r < count; ++r)
        readers.emplace_back(reader);
    reader();
    for (std::thread& t : readers)
        t.join();

    QList<StudentOverview> out;
    out.reserve(total);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (done[i] != 0)
            out.append(std::move(rows[i]));
    }
    return out;
}

} // namespace kf::classFolder
