// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/ProgramIcon.h"

#include "assets/Artwork.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace kf::assets {

namespace {

constexpr int kDrawnSize = 96; // the box paintProgramPicture draws in

QString writeFile(const QString& path, const QByteArray& content) {
    if (!QDir().mkpath(QFileInfo(path).path()))
        return QStringLiteral("cannot create the folder of %1").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.flush())
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

QByteArray scalableIcon() {
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(kDrawnSize, kDrawnSize));
    generator.setViewBox(QRect(0, 0, kDrawnSize, kDrawnSize));
    generator.setTitle(QStringLiteral("Keyfarer"));
    generator.setDescription(QStringLiteral("A key with the letter K and a star"));
    QPainter painter(&generator);
    painter.setRenderHint(QPainter::Antialiasing);
    paintProgramPicture(painter);
    painter.end();
    return svg.data();
}

QByteArray bitmapIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size) / kDrawnSize, qreal(size) / kDrawnSize);
    paintProgramPicture(painter);
    painter.end();
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    icon.save(&png, "PNG");
    return png.data();
}

} // namespace

QStringList writeProgramIcon(const QDir& theme, const QString& name) {
    QStringList errors;
    const auto write = [&](const QString& path, const QByteArray& content) {
        const QString error = content.isEmpty() ? QStringLiteral("cannot draw %1").arg(path)
                                                : writeFile(theme.filePath(path), content);
        if (!error.isEmpty())
            errors << error;
    };
    write(QStringLiteral("scalable/apps/%1.svg").arg(name), scalableIcon());
    for (const int size : kIconSizes)
        write(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name), bitmapIcon(size));
    return errors;
}

} // namespace kf::assets
