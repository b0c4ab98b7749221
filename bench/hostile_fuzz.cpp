// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds generated hostile files of the three kinds a class folder holds (student files, settings,
// locks) through the class overview's reading and CSV, and through what choosing a name does
// (lock, read the record, read the settings, let go). Not a timed test: a program to run by hand,
// best in the asan build, that prints what it saw.
//
//   hostile_fuzz [files of each kind, 100000] [seed, 1]
//
// Every step runs under a watchdog: one that takes over 5 seconds ends the program with status 1.
#include "core/WorkingFolder.h"
#include "overview/ClassCsv.h"
#include "overview/ClassFolder.h"
#include "students/FolderStudentStore.h"
#include "students/StudentSettings.h"
#include "tests/common/Watchdog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <array>
#include <cstdio>
#include <map>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kf;
using namespace std::chrono_literals;

namespace {

constexpr int kNames = 16;
constexpr auto kLongestStep = 5000ms;
constexpr qint64 kRecord = qint64(layout::kRecordSize);

enum class Kind { Student, Settings, Lock };
constexpr std::array<const char*, 3> kKindNames = {"student", "settings", "lock"};

class Fuzzer {
public:
    Fuzzer(const QString& folder, unsigned seed)
        : m_dir(folder)
        , m_random(seed) {
        StudentRecord fresh;
        fresh.applyCreateDefaults();
        m_valid = QByteArray(reinterpret_cast<const char*>(fresh.bytes().data()), kRecord);
    }

    // Puts one generated file of the kind under the name; returns what shape it took.
    const char* plant(Kind kind, const QString& name) {
        const QString path = m_dir.filePath(name + suffix(kind));
        clear(path);
        const int shape = pick(20);
        if (shape == 0)
            return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? "pipe" : "pipe?";
        if (shape == 1)
            return QFile::link(pickDevice(), path) ? "device link" : "link?";
        if (shape == 2)
            return m_dir.mkdir(name + suffix(kind)) ? "folder" : "folder?";
        if (shape == 3)
            return QFile::link(m_dir.filePath(QStringLiteral("nowhere")), path) ? "broken link"
                                                                                : "link?";
        if (shape == 4) {
            QFile sparse(path);
            const bool made =
                sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(1 + pick(40)) << 30);
            return made ? "sparse gigabytes" : "sparse?";
        }
        write(path, contents(kind));
        return "contents";
    }

private:
    static QString suffix(Kind kind) {
        switch (kind) {
        case Kind::Student:
            return QStringLiteral(".stu");
        case Kind::Settings:
            return QStringLiteral(".ini");
        case Kind::Lock:
            return QStringLiteral(".stu.lock");
        }
        return {};
    }

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }

    QString pickDevice() {
        static const std::array<QString, 4> devices = {
            QStringLiteral("/dev/zero"), QStringLiteral("/dev/stdin"), QStringLiteral("/dev/null"),
            QStringLiteral("/dev/urandom")};
        return devices.at(std::size_t(pick(int(devices.size()))));
    }

    QByteArray randomBytes(qsizetype size) {
        QByteArray bytes(size, '\0');
        for (char& b : bytes)
            b = char(pick(256));
        return bytes;
    }

    QByteArray contents(Kind kind) {
        switch (kind) {
        case Kind::Student:
            return studentBytes();
        case Kind::Settings:
            return settingsText();
        case Kind::Lock:
            return lockText();
        }
        return {};
    }

    // A real record with figures overwritten at random, or cut short, or with a tail.
    QByteArray studentBytes() {
        QByteArray bytes = m_valid;
        const int changes = pick(64);
        for (int i = 0; i < changes; ++i) {
            const int at = pick(int(kRecord - 8));
            const QByteArray figure = randomBytes(1 + pick(8));
            bytes.replace(at, figure.size(), figure);
        }
        switch (pick(6)) {
        case 0:
            bytes.truncate(pick(int(kRecord)));
            break;
        case 1:
            bytes += randomBytes(pick(int(7 * kRecord)));
            break;
        case 2:
            bytes += QByteArray(int(9 * kRecord), 'x'); // beyond what a student file may hold
            break;
        default:
            break;
        }
        return bytes;
    }

    QByteArray settingsText() {
        static const std::array<QByteArray, 8> pieces = {"[Guidance]\n",
                                                         "[Interface]\n",
                                                         "SpeakKeys=true\n",
                                                         "Language=de\n",
                                                         "Language=\"",
                                                         "=\n",
                                                         "[",
                                                         "\n\n"};
        QByteArray text;
        const int count = pick(40);
        for (int i = 0; i < count; ++i)
            text += pick(3) == 0 ? randomBytes(pick(80)) : pieces.at(std::size_t(pick(8)));
        if (pick(20) == 0)
            text += QByteArray(70 * 1024, 'y'); // beyond what a settings file may hold
        return text;
    }

    QByteArray lockText() {
        const qint64 pid = pick(2) == 0 ? qint64(pick(1 << 22)) : qint64(m_random()) - (1LL << 31);
        QByteArray host = pick(2) == 0 ? QByteArray("elsewhere") : randomBytes(pick(200));
        if (pick(10) == 0)
            host = QByteArray(pick(2) == 0 ? 3 << 20 : 5000, 'h');
        if (pick(10) == 0)
            return randomBytes(pick(300));
        return QByteArray::number(pid) + '\n' + randomBytes(pick(20)) + '\n' + host + '\n';
    }

    void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        file.close();
        // An old lock is stale on any machine; a fresh one only when its process has ended.
        if (pick(2) == 0 && file.open(QIODevice::ReadWrite))
            file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-pick(3600)),
                             QFileDevice::FileModificationTime);
    }

    void clear(const QString& path) {
        if (!QFile::remove(path))
            m_dir.rmdir(QFileInfo(path).fileName());
    }

    QDir m_dir;
    std::mt19937 m_random;
    QByteArray m_valid;
};

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qint64 perKind = args.value(1, QStringLiteral("100000")).toLongLong();
    const unsigned seed = args.value(2, QStringLiteral("1")).toUInt();
    QTemporaryDir dir;
    const WorkingFolder folder(dir.path());
    Fuzzer fuzzer(dir.path(), seed);
    FolderStudentStore store(folder);

    std::map<std::string, qint64> shapes;
    std::array<qint64, 3> fed{};
    qint64 selections = 0;
    qint64 refusals = 0;
    qint64 csvRows = 0;
    qint64 csvBytes = 0;
    qint64 longestStepMs = 0;
    QElapsedTimer total;
    total.start();

    for (qint64 round = 0; round < perKind * 3; ++round) {
        const auto kind = Kind(round % 3);
        const QString name = QStringLiteral("S%1").arg(round / 3 % kNames);
        ++shapes[std::string(kKindNames.at(std::size_t(kind))) + " " + fuzzer.plant(kind, name)];
        ++fed.at(std::size_t(kind));

        QElapsedTimer step;
        step.start();
        {
            const test::Watchdog watchdog("choosing a fuzzed student", kLongestStep);
            StudentRecord record;
            const LockOutcome locked = store.lock(name);
            const FileOutcome read = store.load(name, record);
            const StudentSettings settings(dir.path(), name);
            static_cast<void>(settings.language());
            static_cast<void>(settings.speakKeys());
            if (locked.status == LockOutcome::Status::Held)
                store.unlock(name);
            ++selections;
            refusals += locked.status != LockOutcome::Status::Held || !read.done() ? 1 : 0;
        }
        // The whole folder through the CSV once every name's student file was renewed.
        if (kind == Kind::Student && round / 3 % kNames == kNames - 1) {
            const test::Watchdog watchdog("the class CSV of fuzzed files", kLongestStep);
            QString csv;
            QTextStream out(&csv);
            const QList<StudentOverview> rows = classFolder::load(folder);
            writeCsv(rows, out);
            csvRows += rows.size();
            csvBytes += csv.size();
        }
        longestStepMs = std::max(longestStepMs, step.elapsed());
    }

    const double seconds = double(total.elapsed()) / 1000.0;
    std::printf("seed %u: %lld student, %lld settings, %lld lock files in %.1f s (%.0f files/s)\n",
                seed, static_cast<long long>(fed[0]), static_cast<long long>(fed[1]),
                static_cast<long long>(fed[2]), seconds,
                double(fed[0] + fed[1] + fed[2]) / seconds);
    std::printf(
        "selections %lld (%lld refused or unreadable); class CSV rows %lld, %lld characters\n",
        static_cast<long long>(selections), static_cast<long long>(refusals),
        static_cast<long long>(csvRows), static_cast<long long>(csvBytes));
    std::printf("longest step %lld ms; peak memory %ld kB\n", static_cast<long long>(longestStepMs),
                peakKilobytes());
    for (const auto& [shape, count] : shapes)
        std::printf("  %-28s %lld\n", shape.c_str(), static_cast<long long>(count));
    return 0;
}
