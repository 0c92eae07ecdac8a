// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/BestTimesWindow.h"

#include "platform/Fonts.h"
#include "platform/MessageBoxes.h"
#include "view/Pictures.h"
#include "view/TranslatedLevels.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

BestTimesWindow::BestTimesWindow(QWidget* mainWindow)
    : SecondaryWindow(mainWindow, CloseBoxOnly(Qt::Tool), ClientSize, tr("Best times")) {
    const QFont bold = SansSerif(13, true);
    Picture = new PictureBox(this);
    Picture->setGeometry(144, 0, 81, 97);
    Picture->SetPicture(GamePicture("trophy.png"));
    Picture->SetProportional(true);
    Picture->SetTransparent(true);
    Picture->setAccessibleName(tr("A trophy cup"));
    TimeHeading = AddLabel({264, 72},
                           //: Heading of the times' column, 13 px bold, up to 105 px
                           tr("Time"), bold);
    LevelNames = AddText({8, 96, 73, 129}, bold);
    QStringList levels;
    for (int level = 0; level < LevelCount; ++level)
        levels << TranslatedLevelName(static_cast<Level>(level));
    LevelNames->setPlainText(levels.join("\n\n"));
    PlayerNames = AddText({88, 96, 169, 121}, bold);
    // A name too wide for the box is cut at its edge: wrapped, it would push the names below it
    // out of line with their levels and times.
    PlayerNames->setLineWrapMode(QPlainTextEdit::NoWrap);
    Times = AddText({264, 96, 105, 129}, bold);
    ResetButton = AddButton({48, 232, 81, 25},
                            //: Button, 81 x 25 px
                            tr("Reset scores"));
    OkButton = AddButton({240, 232, 81, 25},
                         //: Button, 81 x 25 px
                         tr("OK"));
    setTabOrder(OkButton, ResetButton);
    SetOkButton(OkButton);
    connect(OkButton, &QPushButton::clicked, this, &BestTimesWindow::Ok);
    connect(ResetButton, &QPushButton::clicked, this, &BestTimesWindow::AskReset);
}

bool BestTimesWindow::ShowAskingReset() {
    ResetWanted = false;
    ShowModal();
    return ResetWanted;
}

void BestTimesWindow::Ok() {
    hide();
}

void BestTimesWindow::AskReset() {
    RunHandler([this] {
        if (Confirm(this, tr("Reset the best scores?")))
            ResetWanted = true;
        hide();
    });
}
