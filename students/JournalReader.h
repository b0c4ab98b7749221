// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "students/KeyTrend.h"

#include <QString>
#include <cstdint>
#include <map>
#include <vector>

class QIODevice;

namespace kf {

// What one set of the journal held of one key.
struct JournalKeySet {
    int set = 0;
    int key = 0;
    KeySetFigures figures;
};

// One key typed instead of a target, and how often.
struct JournalConfusion {
    int target = 0;
    int typed = -1; // -1: a character without a Windows-1252 byte
    int count = 0;
    std::int64_t lastUtc = 0;
};

// The press journal read without a lock and without writing: the student's own windows, another
// student viewed, the class overview. Each read opens the file read-only and closes it again; a
// missing or unreadable journal reads as empty.
class JournalReader {
public:
    explicit JournalReader(QString path)
        : m_path(std::move(path)) {}

    // Each set's figures per key, oldest set first: of the keys asked for, or of all of them.
    std::vector<JournalKeySet> keySets(const std::vector<int>& keys = {}) const;
    // The most frequent confusions, most frequent first.
    std::vector<JournalConfusion> confusions(int most) const;
    // Each key's trend after the last set written.
    std::map<int, KeyTrend> keyTrends() const;
    // Every press as comma-separated values with a header line; false when nothing was read.
    bool exportCsv(QIODevice& out) const;

private:
    QString m_path;
};

} // namespace kf
