// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged student records, made by a seeded loop of mutations, run through everything that reads
// a record: loading, the daily roll-over, the four charts and the summary report. Meant for the
// sanitizer build, where an overflow or a bad cast stops the run. KF_FUZZ_RECORDS sets how many
// records are tried (100,000 unless told), KF_FUZZ_SEED the seed.
#include "progress/KeyCharts.h"
#include "progress/OverallCharts.h"
#include "progress/SummaryReport.h"
#include "students/DailyRollover.h"
#include "students/DrillSessionFigures.h"
#include "students/RecordLayout.h"
#include "students/StudentFile.h"
#include "students/StudentRecord.h"

#include <QBuffer>
#include <QTest>
#include <array>
#include <cmath>
#include <limits>
#include <random>

using namespace kf;

class tst_RecordFuzz : public QObject {
    Q_OBJECT

private slots:
    void damagedRecordsNeitherCrashNorShowNonsense();
};

namespace {

constexpr std::int64_t kExtremes[] = {
    0,
    -1,
    1,
    std::numeric_limits<std::int64_t>::max(),
    std::numeric_limits<std::int64_t>::min(),
    std::numeric_limits<std::int64_t>::max() - 1,
    std::int64_t(1) << 62,
    -(std::int64_t(1) << 62),
    1'000'000'000'000'000'000,
    100'001'000'000, // an accuracy of 10,000,100 percent
    10000,
    -10000,
};

// The figures the charts, the report and the roll-over read: where damage matters most.
std::vector<std::size_t> figureOffsets() {
    using namespace layout;
    std::vector<std::size_t> at = {kBegSessionKeys, kBegSessionMisses, 13096, 13104, 13088};
    for (const std::size_t block : kSectionBlocks) {
        for (const std::size_t inBlock :
             {std::size_t(4800), std::size_t(4808), std::size_t(4816), std::size_t(12920),
              std::size_t(12928), std::size_t(12936)})
            at.push_back(block + inBlock);
    }
    for (const std::size_t array :
         {std::size_t(13136), std::size_t(17936), std::size_t(22736), std::size_t(27536)}) {
        for (int k = 0; k < 108; ++k)
            at.push_back(array + std::size_t(k) * 8);
    }
    return at;
}

struct Fuzzer {
    explicit Fuzzer(std::uint32_t seed)
        : random(seed) {}

    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    }

    void mutate(StudentRecord& record) {
        const std::size_t changes = 1 + below(8);
        for (std::size_t c = 0; c < changes; ++c) {
            switch (below(4)) {
            case 0:
                record.setByte(below(layout::kRecordSize), std::uint8_t(below(256)));
                break;
            case 1:
                record.setI64(figures[below(figures.size())],
                              kExtremes[below(std::size(kExtremes))]);
                break;
            case 2:
                record.setI64(figures[below(figures.size())],
                              std::int64_t(std::uniform_int_distribution<std::uint64_t>()(random)));
                break;
            default:
                record.setHistory(
                    layout::kBegPercentHistory, int(below(8)),
                    std::int32_t(std::uniform_int_distribution<std::uint32_t>()(random)));
                break;
            }
        }
    }

    std::mt19937 random;
    const std::vector<std::size_t> figures = figureOffsets();
};

bool finite(const ChartDescription& chart) {
    for (const ChartBar& bar : chart.bars) {
        if (!std::isfinite(bar.value))
            return false;
    }
    return true;
}

} // namespace

void tst_RecordFuzz::damagedRecordsNeitherCrashNorShowNonsense() {
    const int count = qEnvironmentVariableIsSet("KF_FUZZ_RECORDS")
                          ? qEnvironmentVariableIntValue("KF_FUZZ_RECORDS")
                          : 100000;
    const auto seed = qEnvironmentVariableIsSet("KF_FUZZ_SEED")
                          ? std::uint32_t(qEnvironmentVariableIntValue("KF_FUZZ_SEED"))
                          : std::uint32_t(20261207);
    Fuzzer fuzz(seed);
    StudentRecord base;
    base.applyCreateDefaults();
    const ChartHeading heading{QStringLiteral("Fuzz"), QStringLiteral("7/12/2026")};

    int loadsChecked = 0;
    int nonsense = 0;
    for (int i = 0; i < count; ++i) {
        StudentRecord record = base;
        fuzz.mutate(record);

        // Loading: a whole record comes back byte for byte, a cut one changes nothing.
        if (i % 16 == 0) {
            QByteArray bytes(reinterpret_cast<const char*>(record.bytes().data()),
                             qsizetype(record.bytes().size()));
            const bool cut = fuzz.below(2) == 0;
            if (cut)
                bytes.truncate(qsizetype(fuzz.below(layout::kRecordSize)));
            QBuffer device(&bytes);
            device.open(QIODevice::ReadOnly);
            StudentRecord loaded = base;
            const FileOutcome outcome =
                StudentFile::readRecord(device, QStringLiteral("Fuzz.stu"), loaded);
            if (outcome.done() == cut || loaded.bytes() != (cut ? base : record).bytes())
                ++nonsense;
            ++loadsChecked;
        }

        DrillSessionFigures session;
        if (fuzz.below(2) == 0)
            session.accuracy[1 + fuzz.below(108)] = kExtremes[fuzz.below(std::size(kExtremes))];
        const auto period = KeyPeriod(fuzz.below(2));
        const auto group = KeyGroup(fuzz.below(4));
        const auto section = Section(fuzz.below(kSectionCount));
        const auto overall = OverallPeriod(fuzz.below(3));
        const SectionUsage::WorkingTotals totals{kExtremes[fuzz.below(std::size(kExtremes))],
                                                 kExtremes[fuzz.below(std::size(kExtremes))],
                                                 kExtremes[fuzz.below(std::size(kExtremes))]};
        // One chart of the four for each record, in turn, and the report now and then: the
        // figures are the point, and the text around them costs most of the time.
        ChartDescription chart;
        switch (i % 4) {
        case 0:
            chart = keySpeedChart(record, session, period, group, heading);
            break;
        case 1:
            chart = keyAccuracyChart(record, session, period, group, heading);
            break;
        case 2:
            chart = overallAccuracyChart(record, section, totals, overall, heading).chart;
            break;
        default:
            chart = adjustedWpmChart(record, section, totals, overall, heading).chart;
            break;
        }
        if (!finite(chart))
            ++nonsense;
        if (i % 64 == 0 && summaryReportLines(record, {QStringLiteral("Fuzz"), {}}).isEmpty())
            ++nonsense;

        SectionUsage usage;
        for (std::size_t s = 0; s < kSectionCount; ++s) {
            usage.markUsed(Section(s));
            usage.totals(Section(s)) = totals;
        }
        dailyRollover(record, usage);
    }
    qInfo("records tried: %d (seed %u), loads checked: %d, crashes: 0, nonsense figures: %d", count,
          seed, loadsChecked, nonsense);
    QCOMPARE(nonsense, 0);
}

QTEST_GUILESS_MAIN(tst_RecordFuzz)
#include "tst_RecordFuzz.moc"
