// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/NoticeWindow.h"

#include "platform/Fonts.h"

#include <QPlainTextEdit>
#include <QPushButton>

NoticeWindow::NoticeWindow(QWidget* mainWindow)
    : SecondaryWindow(mainWindow, CloseBoxOnly(Qt::Tool), ClientSize, "Paused") {
    Text = AddText({128, 24, 201, 73}, SansSerif(13, true));
    SetLines({"New puzzle generated.", "", "Click OK to start."});
    OkButton = AddButton({184, 112, 75, 25}, "OK");
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
