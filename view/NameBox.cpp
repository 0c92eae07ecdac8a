// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/NameBox.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>

namespace {

// The name of a player who gave none, as the score file keeps it whatever the language.
const QString NoName = QStringLiteral("Anonymous");

} // namespace

QString NameShown(const QString& stored) {
    //: The name of a record holder who gave none; best-times window, 169 px column, 13 px bold
    return stored == NoName ? QCoreApplication::translate("NameBox", "Anonymous") : stored;
}

QString AskName(QWidget* parent) {
    QInputDialog box(parent);
    box.setWindowTitle(QCoreApplication::translate("NameBox", "New Best time"));
    box.setLabelText(QCoreApplication::translate("NameBox", "Best time. Please enter your name"));
    box.setInputMode(QInputDialog::TextInput);
    const QString offered = NameShown(NoName);
    box.setTextValue(offered);
    if (auto* field = box.findChild<QLineEdit*>()) {
        field->setMaxLength(255);
        field->selectAll();
    }
    // The offered name, taken as it is, is no word of the player's language in the file.
    if (box.exec() != QDialog::Accepted || box.textValue() == offered)
        return NoName;
    return box.textValue();
}
