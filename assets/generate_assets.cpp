// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the shipped pictures and synthesises the shipped sounds into one folder. Run by the
// build: the output must be the same bytes on every run.

#include "assets/Artwork.h"
#include "assets/BaseKeyboard.h"
#include "assets/Drawing.h"
#include "assets/ProgramIcon.h"
#include "assets/Sounds.h"
#include "core/WorkingFolder.h"
#include "keyboard/PictureBuilder.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>

namespace {

using namespace kf;

QStringList writeKeyboards(const QDir& out) {
    QStringList errors;
    const auto base = [&](assets::BaseKeyboard kind, const QString& name) {
        const QString error =
            assets::savePicture(assets::drawBaseKeyboard(kind), out.filePath(name));
        if (!error.isEmpty())
            errors << error;
    };
    base(assets::BaseKeyboard::EnglishUS, keyboardPictureNames(Nationality::EnglishUS).base);
    base(assets::BaseKeyboard::International, keyboardPictureNames(Nationality::German).base);
    if (!errors.isEmpty())
        return errors;
    const WorkingFolder folder(out.path());
    for (int code = 0; code < kNationalityCount; ++code) {
        const QString error = writeKeyboardPictures(folder, static_cast<Nationality>(code));
        if (!error.isEmpty())
            errors << error;
    }
    return errors;
}

} // namespace

int main(int argc, char** argv) {
    // No display is needed, and the desktop's settings must not reach the files.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a private runtime folder; a build machine may have none.
    const QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 4) {
        std::fprintf(
            stderr,
            "usage: kf_generate_assets <output folder> [<icon theme folder> <icon name>]\n");
        return 2;
    }
    const QString missing = assets::missingFonts();
    if (!missing.isEmpty()) {
        std::fprintf(stderr, "kf_generate_assets: fonts missing: %s (run scripts/setup)\n",
                     qPrintable(missing));
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "kf_generate_assets: cannot create %s\n", argv[1]);
        return 1;
    }
    QStringList errors = writeKeyboards(out);
    errors << assets::writeArtwork(out);
    errors << assets::writeSounds(out);
    if (argc == 4)
        errors << assets::writeProgramIcon(QDir(QString::fromLocal8Bit(argv[2])),
                                           QString::fromLocal8Bit(argv[3]));
    for (const QString& error : errors)
        std::fprintf(stderr, "kf_generate_assets: %s\n", qPrintable(error));
    return errors.isEmpty() ? 0 : 1;
}
