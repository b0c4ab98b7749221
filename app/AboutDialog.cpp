// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDialog.h"

#include "core/FolderFile.h"
#include "core/WorkingFolder.h"
#include "widgets/ProgramPictures.h"
#include "widgets/TranslatedText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace kf {

QString AboutDialog::pictureName() {
    return QString::fromLatin1(kAboutPicture);
}

AboutDialog::AboutDialog(const WorkingFolder& folder, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setUiWindowTitle(this, "AboutDialog", QT_TRANSLATE_NOOP("AboutDialog", "About"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    // A missing picture leaves an empty space: the box still says what it must.
    if (folder.exists(pictureName()))
        picture->setPixmap(
            QPixmap::fromImage(folderFile::readPicture(folder.filePath(pictureName()))));

    auto* line = new QLabel(this);
    setUiText(line, "AboutDialog",
              QT_TRANSLATE_NOOP("AboutDialog", "Keyfarer -- Learn the Keyboard"));
    line->setObjectName(QStringLiteral("ProductName"));
    QFont font = line->font();
    font.setPixelSize(16);
    font.setBold(true);
    line->setFont(font);

    auto* ok = new QPushButton(this);
    setUiText(ok, "AboutDialog", QT_TRANSLATE_NOOP("AboutDialog", "OK"));
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(line);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kf
