// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/AboutWindow.h"

#include "platform/Fonts.h"
#include "view/Pictures.h"

#include <QLabel>
#include <QPushButton>

AboutWindow::AboutWindow(QWidget* mainWindow)
    : SecondaryWindow(mainWindow, CloseBoxOnly(Qt::Dialog), ClientSize, tr("About")) {
    Logo = new PictureBox(this);
    Logo->setGeometry(8, 16, 185, 153);
    Logo->SetPicture(GamePicture("logo.png"));
    Logo->SetTransparent(true);
    Logo->setAccessibleName(tr("Tolvane logo"));
    Logo->setAccessibleDescription(tr("A puzzle grid with a pencil writing in it"));
    GameName = AddLabel({224, 24}, "Tolvane", SansSerif(19, true));
    OkButton = AddButton({160, 184, 75, 25},
                         //: Button, 75 x 25 px
                         tr("Ok"));
    SetOkButton(OkButton);
    connect(OkButton, &QPushButton::clicked, this, &AboutWindow::Ok);
}

void AboutWindow::Ok() {
    hide();
}
