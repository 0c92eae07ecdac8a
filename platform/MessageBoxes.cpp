// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBoxes.h"

#include "platform/GameError.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

namespace {

QWidget* DefaultParent(QWidget* parent) {
    return parent ? parent : QApplication::activeWindow();
}

} // namespace

bool Confirm(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("MessageBoxes", "Confirm"),
                    text, QMessageBox::Yes | QMessageBox::No, DefaultParent(parent));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void Inform(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information,
                    QCoreApplication::translate("MessageBoxes", "Information"), text,
                    QMessageBox::Ok, DefaultParent(parent));
    box.exec();
}

void ShowErrorMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("MessageBoxes", "Error"),
                    text, QMessageBox::Ok, DefaultParent(parent));
    box.exec();
}

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar('.'))
        return message + ".";
    return message;
}

void ShowErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), ErrorBoxText(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void RunHandler(const std::function<void()>& handler) {
    QString failure;
    try {
        handler();
        return;
    } catch (const GameError& error) {
        failure = error.Message();
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        failure = QCoreApplication::translate("MessageBoxes", "Unknown failure");
    }
    ShowErrorBox(failure);
}
