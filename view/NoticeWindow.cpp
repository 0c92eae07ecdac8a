// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/NoticeWindow.h"

#include "platform/Fonts.h"

#include <QPlainTextEdit>
#include <QPushButton>

NoticeWindow::NoticeWindow(QWidget* mainWindow)
    : SecondaryWindow(mainWindow, CloseBoxOnly(Qt::Tool), ClientSize, tr("Paused")) {
    Text = AddText({128, 24, 201, 73}, SansSerif(13, true));
    SetLines({tr("New puzzle generated."), "", tr("Click OK to start.")});
    OkButton = AddButton({184, 112, 75, 25},
                         //: Button, 75 x 25 px
                         tr("OK"));
    SetOkButton(OkButton);
    connect(OkButton, &QPushButton::clicked, this, &NoticeWindow::Ok);
}

void NoticeWindow::SetLines(const QStringList& lines) {
    Text->setPlainText(lines.join('\n'));
}

QStringList NoticeWindow::Lines() const {
    return Text->toPlainText().split('\n');
}

void NoticeWindow::Ok() {
    hide();
}
