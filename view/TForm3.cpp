// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/TForm3.h"

#include "platform/Fonts.h"

#include <QPlainTextEdit>
#include <QPushButton>

TForm3::TForm3(QWidget* mainWindow)
    : SecondaryForm(mainWindow, CloseBoxOnly(Qt::Tool), ClientSize, "Paused") {
    Memo1 = AddText({128, 24, 201, 73}, SansSerif(13, true));
    SetLines({"New puzzle generated.", "", "Click OK to start."});
    Button1 = AddButton({184, 112, 75, 25}, "OK");
    SetOkButton(Button1);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
}

void TForm3::SetLines(const QStringList& lines) {
    Memo1->setPlainText(lines.join('\n'));
}

QStringList TForm3::Lines() const {
    return Memo1->toPlainText().split('\n');
}

void TForm3::Button1Click() {
    hide();
}
