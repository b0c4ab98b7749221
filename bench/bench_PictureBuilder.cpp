// SPDX-License-Identifier: GPL-3.0-or-later
// Building the keyboard pictures: in memory, and written to disk as the nationality menu does.
// Reads the blank pictures from KEYFARER_SHARE, or from share/keyfarer beside the program.
#include "core/WorkingFolder.h"
#include "keyboard/PictureBuilder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace kf;

namespace {

QImage blankPicture(Nationality nationality) {
    const QString name = keyboardPictureNames(nationality).base;
    return QImage(QDir(WorkingFolder::shippedFilesLocation()).filePath(name), "BMP");
}

void BM_BuildAllNationalities(benchmark::State& state) {
    const QImage english = blankPicture(Nationality::EnglishUS);
    const QImage international = blankPicture(Nationality::German);
    for (auto _ : state) {
        for (int code = 0; code < kNationalityCount; ++code) {
            const auto nationality = static_cast<Nationality>(code);
            const KeyboardPictures pictures = buildKeyboardPictures(
                nationality == Nationality::EnglishUS ? english : international, nationality);
            benchmark::DoNotOptimize(pictures.labelled.constBits());
        }
    }
}
BENCHMARK(BM_BuildAllNationalities)->Unit(benchmark::kMillisecond);

// Reading the blank picture, drawing both passes and writing both files, for each nationality.
void BM_WriteAllNationalities(benchmark::State& state) {
    QTemporaryDir folder;
    const QDir share(WorkingFolder::shippedFilesLocation());
    for (const char* name : {"keybord10.bmp", "intkeybord10.bmp"})
        QFile::copy(share.filePath(QLatin1String(name)),
                    QDir(folder.path()).filePath(QLatin1String(name)));
    const WorkingFolder working(folder.path());
    for (auto _ : state) {
        for (int code = 0; code < kNationalityCount; ++code) {
            const QString error = writeKeyboardPictures(working, static_cast<Nationality>(code));
            if (!error.isEmpty()) {
                state.SkipWithError(qPrintable(error));
                return;
            }
        }
    }
}
BENCHMARK(BM_WriteAllNationalities)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (blankPicture(Nationality::EnglishUS).isNull()) {
        std::fprintf(stderr, "No blank keyboard picture in %s; set KEYFARER_SHARE.\n",
                     qPrintable(WorkingFolder::shippedFilesLocation()));
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
