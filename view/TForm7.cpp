// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/TForm7.h"

#include "platform/Fonts.h"
#include "view/Pictures.h"

#include <QLabel>
#include <QPushButton>

TForm7::TForm7(QWidget* mainWindow)
    : SecondaryForm(mainWindow, CloseBoxOnly(Qt::Dialog), ClientSize, "About") {
    Image1 = new PictureBox(this);
    Image1->setGeometry(8, 16, 185, 153);
    Image1->SetPicture(GamePicture("logo.png"));
    Image1->SetTransparent(true);
    Label1 = AddLabel({224, 24}, "Tolvane", SansSerif(19, true));
    Button1 = AddButton({160, 184, 75, 25}, "Ok");
    SetOkButton(Button1);
    connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
}

void TForm7::Button1Click() {
    hide();
}
