// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/TForm4.h"

#include "engine/GameState.h"
#include "platform/Fonts.h"
#include "platform/MessageBoxes.h"
#include "view/Pictures.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

TForm4::TForm4(QWidget* mainWindow)
    : SecondaryForm(mainWindow, CloseBoxOnly(Qt::Tool), ClientSize, "Best times") {
    const QFont bold = SansSerif(13, true);
    Image1 = new PictureBox(this);
    Image1->setGeometry(144, 0, 81, 97);
    Image1->SetPicture(GamePicture("trophy.png"));
    Image1->SetProportional(true);
    Image1->SetTransparent(true);
    Label1 = AddLabel({264, 72}, "Time", bold);
    Memo1 = AddText({8, 96, 73, 129}, bold);
    Memo1->setPlainText("Easy\n\nMedium\n\nHard");
    Memo2 = AddText({88, 96, 169, 121}, bold);
    // A name too wide for the box is cut at its edge: wrapped, it would push the names below it
    // out of line with their levels and times.
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo3 = AddText({264, 96, 105, 129}, bold);
    Button2 = AddButton({48, 232, 81, 25}, "Reset scores");
    Button1 = AddButton({240, 232, 81, 25}, "OK");
    setTabOrder(Button1, Button2);
    SetOkButton(Button1);
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
}

void TForm4::Button1Click() {
    hide();
}

void TForm4::Button2Click() {
    RunHandler([this] {
        if (Confirm(this, "Reset the best scores?"))
            ResetRequested = true;
        hide();
    });
}
