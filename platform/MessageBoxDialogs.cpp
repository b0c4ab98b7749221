// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBoxDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace kf {

namespace {

QMessageBox::StandardButtons standardButtons(Dialogs::Buttons buttons) {
    switch (buttons) {
    case Dialogs::Buttons::Ok:
        return QMessageBox::Ok;
    case Dialogs::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Dialogs::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Dialogs::Buttons::TryAgainQuit:
        return QMessageBox::Retry | QMessageBox::Discard;
    }
    return QMessageBox::Ok;
}

Dialogs::Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return Dialogs::Answer::Cancel;
    case QMessageBox::Yes:
        return Dialogs::Answer::Yes;
    case QMessageBox::No:
        return Dialogs::Answer::No;
    case QMessageBox::Retry:
        return Dialogs::Answer::TryAgain;
    case QMessageBox::Discard:
        return Dialogs::Answer::Quit;
    default:
        return Dialogs::Answer::Ok;
    }
}

} // namespace

Dialogs::Answer MessageBoxDialogs::message(Kind kind, const QString& text, Buttons buttons) {
    return titledMessage(kind, QApplication::applicationDisplayName(), text, buttons);
}

Dialogs::Answer MessageBoxDialogs::titledMessage(Kind kind, const QString& title,
                                                 const QString& text, Buttons buttons) {
    QMessageBox box(kind == Kind::Error ? QMessageBox::Critical : QMessageBox::Information, title,
                    text, standardButtons(buttons), QApplication::activeWindow());
    // Messages carry file names and what lock files say: never a link or markup to render.
    box.setTextFormat(Qt::PlainText);
    if (buttons == Buttons::TryAgainQuit) {
        box.button(QMessageBox::Retry)
            ->setText(QCoreApplication::translate("MessageBoxDialogs", "Try Again"));
        box.button(QMessageBox::Discard)
            ->setText(QCoreApplication::translate("MessageBoxDialogs", "Quit Without Saving"));
        box.setDefaultButton(QMessageBox::Retry);
    }
    return answerOf(box.exec());
}

std::optional<QRgb> MessageBoxDialogs::chooseColour(QRgb initial) {
    const QColor chosen = QColorDialog::getColor(QColor(initial), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen.rgb();
}

} // namespace kf

namespace kf {

std::optional<QString> MessageBoxDialogs::chooseSaveFile(const QString& caption,
                                                         const QString& suggested,
                                                         const QString& filter) {
    const QString chosen =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggested, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

} // namespace kf
