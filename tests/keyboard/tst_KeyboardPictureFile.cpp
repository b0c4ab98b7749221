// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WorkingFolder.h"
#include "keyboard/KeyboardPictureFile.h"
#include "students/RecordLayout.h"
#include "students/StudentRecord.h"
#include "tests/common/ShippedFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace kf;

Q_DECLARE_METATYPE(kf::KeyboardPicture::Status)

class tst_KeyboardPictureFile : public QObject {
    Q_OBJECT

private slots:
    void keyboardPictureName_data();
    void keyboardPictureName();
    void loadKeyboardPicture_data();
    void loadKeyboardPicture();
};

void tst_KeyboardPictureFile::keyboardPictureName_data() {
    QTest::addColumn<int>("nationality");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("name");
    const char* const names[][2] = {
        {"keybord20.bmp", "keybord10.bmp"},         {"ukbord20.bmp", "ukbord10.bmp"},
        {"spanishbord20.bmp", "spanishbord10.bmp"}, {"germanbord20.bmp", "germanbord10.bmp"},
        {"italianbord20.bmp", "italianbord10.bmp"}, {"frenchbord20.bmp", "frenchbord10.bmp"},
    };
    for (int n = 0; n < 6; ++n) {
        QTest::addRow("%d shown", n) << n << true << QString::fromLatin1(names[n][0]);
        QTest::addRow("%d hidden", n) << n << false << QString::fromLatin1(names[n][1]);
    }
    QTest::newRow("6") << 6 << true << QString();
    QTest::newRow("255") << 255 << false << QString();
}

void tst_KeyboardPictureFile::keyboardPictureName() {
    QFETCH(int, nationality);
    QFETCH(bool, shown);
    QFETCH(QString, name);
    QCOMPARE(kf::keyboardPictureName(std::uint8_t(nationality), shown), name);
}

void tst_KeyboardPictureFile::loadKeyboardPicture_data() {
    QTest::addColumn<int>("nationality");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QStringList>("files"); // a name ending in "!" is written as a broken file
    QTest::addColumn<KeyboardPicture::Status>("status");
    QTest::addColumn<QString>("loaded"); // the file whose picture comes back
    QTest::addColumn<int>("nationalityAfter");
    QTest::addColumn<QString>("message");

    const QString fellBack = QStringLiteral(
        "If you are using one of the International Keyboards, it was not found. From the opening "
        "screen menu, select Additional/Keyboard Nationality to restore the keyboard. If this "
        "does not work, you may have to reinstall Keyfarer.");
    const QString missing = QStringLiteral(
        "One or more of the keyboard files are missing. You may need to reinstall Keyfarer.");
    const QStringList german = {QStringLiteral("germanbord20.bmp"),
                                QStringLiteral("germanbord10.bmp"), QStringLiteral("keybord20.bmp"),
                                QStringLiteral("keybord10.bmp")};
    const QStringList english = {QStringLiteral("keybord20.bmp"), QStringLiteral("keybord10.bmp")};
    using S = KeyboardPicture::Status;

    QTest::newRow("German shown") << 3 << true << german << S::Loaded
                                  << QStringLiteral("germanbord20.bmp") << 3 << QString();
    QTest::newRow("German hidden") << 3 << false << german << S::Loaded
                                   << QStringLiteral("germanbord10.bmp") << 3 << QString();
    QTest::newRow("Italian capital finds lower case")
        << 4 << true << QStringList{QStringLiteral("italianbord20.bmp")} << S::Loaded
        << QStringLiteral("italianbord20.bmp") << 4 << QString();
    QTest::newRow("French hidden finds lower case")
        << 5 << false << QStringList{QStringLiteral("frenchbord10.bmp")} << S::Loaded
        << QStringLiteral("frenchbord10.bmp") << 5 << QString();
    QTest::newRow("English US in capitals")
        << 0 << true << QStringList{QStringLiteral("KEYBORD20.BMP")} << S::Loaded
        << QStringLiteral("KEYBORD20.BMP") << 0 << QString();
    QTest::newRow("German missing: English US labelled")
        << 3 << true << english << S::FellBack << QStringLiteral("keybord20.bmp") << 0 << fellBack;
    QTest::newRow("German hidden missing: still the labelled one first")
        << 3 << false << english << S::FellBack << QStringLiteral("keybord20.bmp") << 0 << fellBack;
    QTest::newRow("German and keybord20 missing: keybord10")
        << 3 << true << QStringList{QStringLiteral("keybord10.bmp")} << S::FellBack
        << QStringLiteral("keybord10.bmp") << 0 << fellBack;
    QTest::newRow("English US labelled missing: keybord10")
        << 0 << true << QStringList{QStringLiteral("keybord10.bmp")} << S::FellBack
        << QStringLiteral("keybord10.bmp") << 0 << fellBack;
    QTest::newRow("broken German picture falls back")
        << 3 << true
        << QStringList{QStringLiteral("germanbord20.bmp!"), QStringLiteral("keybord20.bmp")}
        << S::FellBack << QStringLiteral("keybord20.bmp") << 0 << fellBack;
    QTest::newRow("nothing there")
        << 3 << true << QStringList{} << S::Missing << QString() << 3 << missing;
    QTest::newRow("only broken fallbacks")
        << 1 << true
        << QStringList{QStringLiteral("keybord20.bmp!"), QStringLiteral("keybord10.bmp!")}
        << S::Missing << QString() << 1 << missing;
    // A damaged file's nationality has no keyboard at all: the student gets the English US one
    // and is asked to choose, instead of a drill with no keyboard and no target.
    QTest::newRow("unknown nationality 6")
        << 6 << true << english << S::FellBack << QStringLiteral("keybord20.bmp") << 0 << fellBack;
    QTest::newRow("unknown nationality 255") << 255 << false << english << S::FellBack
                                             << QStringLiteral("keybord20.bmp") << 0 << fellBack;
}

void tst_KeyboardPictureFile::loadKeyboardPicture() {
    QFETCH(int, nationality);
    QFETCH(bool, shown);
    QFETCH(QStringList, files);
    QFETCH(KeyboardPicture::Status, status);
    QFETCH(QString, loaded);
    QFETCH(int, nationalityAfter);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QHash<QString, QRgb> colours;
    for (qsizetype i = 0; i < files.size(); ++i) {
        QString name = files[i];
        if (name.endsWith(u'!')) {
            name.chop(1);
            QVERIFY(test::writeBytes(dir.filePath(name), QByteArrayLiteral("BM not a picture")));
            continue;
        }
        const QRgb colour = qRgb(int(40 * i), 200, int(250 - 40 * i));
        colours.insert(name, colour);
        QVERIFY(test::writePicture(dir.filePath(name), QSize(30, 12), colour));
    }
    StudentRecord record;
    record.applyCreateDefaults();
    record.setByte(layout::kNationality, std::uint8_t(nationality));
    record.setFlag(layout::kCharactersShown, shown);
    KeyboardPictureHistory history;

    const KeyboardPicture picture =
        kf::loadKeyboardPicture(record, WorkingFolder(dir.path()), history);

    QCOMPARE(picture.status, status);
    QCOMPARE(int(record.nationalityCode()), nationalityAfter);
    QCOMPARE(history.shown, !loaded.isEmpty());
    QCOMPARE(picture.message, message);
    if (loaded.isEmpty()) {
        QVERIFY(picture.image.isNull());
    } else {
        QCOMPARE(picture.image.size(), QSize(30, 12));
        QCOMPARE(picture.image.pixel(5, 5) & RGB_MASK, colours.value(loaded) & RGB_MASK);
    }
}

QTEST_GUILESS_MAIN(tst_KeyboardPictureFile)
#include "tst_KeyboardPictureFile.moc"
