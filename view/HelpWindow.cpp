// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/HelpWindow.h"

#include "platform/Fonts.h"
#include "view/HelpTexts.h"
#include "view/Pictures.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

HelpWindow::HelpWindow(QWidget* mainWindow)
    : SecondaryWindow(mainWindow, CloseBoxOnly(Qt::Dialog), ClientSize, tr("Help")) {
    const QFont regular = SansSerif(13);
    const QRect view(8, 8, 417, 385);

    HowToPlayBox = AddText(view, regular);
    HowToPlayBox->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    HowToPlayBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HowToPlayBox->setPlainText(HowToPlayText());
    HowToPlayBox->hide();

    RulesView = new QScrollArea(this);
    RulesView->setGeometry(view);
    RulesView->setFocusPolicy(Qt::NoFocus);
    RulesView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RulesView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RulesContent = new QWidget;
    RulesContent->resize(393, RulesHeight);
    IntroductionBox = AddText({0, 4, 393, 213}, regular, RulesContent);
    IntroductionBox->setPlainText(RulesIntroductionText());
    RowsAndColumnsBox = AddText({0, 340, 393, 93}, regular, RulesContent);
    RowsAndColumnsBox->setPlainText(RowsAndColumnsText());
    ConsequencesBox = AddText({0, 708, 393, 214}, regular, RulesContent);
    ConsequencesBox->setPlainText(ConsequencesText());
    WorkingBox = AddText({0, 1010, 393, 335}, regular, RulesContent);
    WorkingBox->setPlainText(WorkingText());
    // The pictures come after the texts, so they lie over the texts' lower margins.
    BlockPicture = AddPicture({136, 208, 129, 129}, "block.png");
    ColumnPicture = AddPicture({48, 428, 41, 269}, "column.png");
    RowPicture = AddPicture({112, 532, 265, 49}, "row.png");
    TwoRowsPicture = AddPicture({56, 928, 273, 69}, "two-rows.png");
    // What a screen reader says in place of each picture.
    BlockPicture->setAccessibleName(tr("A filled block"));
    BlockPicture->setAccessibleDescription(
        tr("Three rows of three cells holding 1 to 9 once each"));
    ColumnPicture->setAccessibleName(tr("A filled column"));
    ColumnPicture->setAccessibleDescription(tr("Nine cells one above the other holding 1 to 9"));
    RowPicture->setAccessibleName(tr("A filled row"));
    RowPicture->setAccessibleDescription(tr("Nine cells side by side holding 1 to 9"));
    TwoRowsPicture->setAccessibleName(tr("Two rows with two solutions"));
    TwoRowsPicture->setAccessibleDescription(
        tr("Two rows, both missing 2 and 7 in the same two columns"));
    RulesView->setWidget(RulesContent);
    RulesView->installEventFilter(this);
    RulesView->hide();

    OkButton = AddButton({160, 416, 75, 25},
                         //: Button, 75 x 25 px
                         tr("Ok"));
    SetOkButton(OkButton);
    connect(OkButton, &QPushButton::clicked, this, &HelpWindow::Ok);
}

PictureBox* HelpWindow::AddPicture(QRect geometry, const QString& fileName) {
    auto* picture = new PictureBox(RulesContent);
    picture->setGeometry(geometry);
    picture->SetPicture(GamePicture(fileName));
    picture->SetProportional(true);
    return picture;
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == RulesView && event->type() == QEvent::Show && !RulesShownBefore) {
        RulesShownBefore = true;
        RulesView->verticalScrollBar()->setValue(RulesFirstOffset);
    }
    return SecondaryWindow::eventFilter(watched, event);
}

void HelpWindow::Ok() {
    hide();
}

void ShowHowToPlay(HelpWindow& help) {
    help.RulesView->hide();
    help.HowToPlayBox->show();
    help.ShowModal();
    help.HowToPlayBox->hide();
}

void ShowRules(HelpWindow& help) {
    help.HowToPlayBox->hide();
    help.RulesView->show();
    help.ShowModal();
    help.RulesView->hide();
}
