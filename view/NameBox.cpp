// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/NameBox.h"

#include <QInputDialog>
#include <QLineEdit>

QString AskName(QWidget* parent) {
    QInputDialog box(parent);
    box.setWindowTitle("New Best time");
    box.setLabelText("Best time. Please enter your name");
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue("Anonymous");
    if (auto* field = box.findChild<QLineEdit*>()) {
        field->setMaxLength(255);
        field->selectAll();
    }
    if (box.exec() != QDialog::Accepted)
        return "Anonymous";
    return box.textValue();
}
