// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/ClassCsv.h"

#include "core/PlainText.h"
#include "core/WorkingFolder.h"
#include "overview/ClassColumns.h"
#include "overview/ClassFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringConverter>
#include <QTextStream>

namespace kf {

namespace {

const QString kOption = QStringLiteral("--class-csv");
constexpr QStringView kLineEnd = u"\r\n";

void writeRow(const QStringList& fields, QTextStream& out) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out << u',';
        out << csvField(fields.at(i));
    }
    out << kLineEnd;
}

} // namespace

QString csvField(const QString& cell) {
    QString text = plainText(cell);
    // A spreadsheet takes a cell that begins like this for a formula: one from a file name could
    // run a program or send the class's figures away. A plain number is no formula.
    constexpr QStringView kFormulaStarts = u"=+-@\t\r";
    bool isNumber = false;
    static_cast<void>(cell.toDouble(&isNumber));
    if (!cell.isEmpty() && kFormulaStarts.contains(cell.front()) && !isNumber)
        text.prepend(u'\'');
    const bool quoted =
        text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
    if (!quoted)
        return text;
    QString escaped = text;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

void writeCsv(const QList<StudentOverview>& students, QTextStream& out) {
    out.setEncoding(QStringConverter::Utf8);
    const QList<ClassColumn> columns = ClassColumns::forClass(students);
    QStringList header;
    for (const ClassColumn& column : columns)
        header.append(ClassColumns::title(column));
    writeRow(header, out);
    for (const StudentOverview& student : students) {
        QStringList fields;
        for (const ClassColumn& column : columns)
            fields.append(ClassColumns::text(student, column));
        writeRow(fields, out);
    }
    out.flush();
}

int writeClassCsv(const QString& folder, QTextStream& out) {
    if (!QDir(folder).exists()) {
        QTextStream(stderr) << QCoreApplication::translate("ClassCsv",
                                                           "keyfarer: no folder \"%1\".\n")
                                   .arg(plainText(QDir::toNativeSeparators(folder)));
        return 1;
    }
    if (!QDir(folder).isReadable()) {
        QTextStream(stderr) << QCoreApplication::translate(
                                   "ClassCsv", "keyfarer: the folder \"%1\" cannot be read. Ask "
                                               "whoever looks after this computer for read "
                                               "access to it, or name another folder.\n")
                                   .arg(plainText(QDir::toNativeSeparators(folder)));
        return 1;
    }
    writeCsv(classFolder::load(WorkingFolder(folder)), out);
    return 0;
}

std::optional<QString> classCsvRequest(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument.startsWith(kOption + u'='))
            return argument.mid(kOption.size() + 1);
        if (argument != kOption)
            continue;
        if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(u'-'))
            return arguments.at(i + 1);
        return QString();
    }
    return std::nullopt;
}

} // namespace kf
