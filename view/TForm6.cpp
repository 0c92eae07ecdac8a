// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/TForm6.h"

#include "platform/Fonts.h"
#include "view/HelpTexts.h"
#include "view/Pictures.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

TForm6::TForm6(QWidget* mainWindow)
    : SecondaryForm(mainWindow, CloseBoxOnly(Qt::Dialog), ClientSize, "Help") {
    const QFont regular = SansSerif(13);
    const QRect view(8, 8, 417, 385);

    Memo1 = AddText(view, regular);
    Memo1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(HowToPlayText());
    Memo1->hide();

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setGeometry(view);
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RulesContent = new QWidget;
    RulesContent->resize(393, RulesHeight);
    Memo2 = AddText({0, 4, 393, 213}, regular, RulesContent);
    Memo2->setPlainText(RulesIntroductionText());
    Memo3 = AddText({0, 340, 393, 93}, regular, RulesContent);
    Memo3->setPlainText(RowsAndColumnsText());
    Memo4 = AddText({0, 708, 393, 214}, regular, RulesContent);
    Memo4->setPlainText(ConsequencesText());
    Memo5 = AddText({0, 1010, 393, 335}, regular, RulesContent);
    Memo5->setPlainText(WorkingText());
    // The pictures come after the texts, so they lie over the texts' lower margins.
    Image1 = AddPicture({136, 208, 129, 129}, "block.png");
    Image2 = AddPicture({48, 428, 41, 269}, "column.png");
    Image3 = AddPicture({112, 532, 265, 49}, "row.png");
    Image4 = AddPicture({56, 928, 273, 69}, "two-rows.png");
    ScrollBox1->setWidget(RulesContent);
    ScrollBox1->installEventFilter(this);
    ScrollBox1->hide();

    Button1 = AddButton({160, 416, 75, 25}, "Ok");
    SetOkButton(Button1);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
}

PictureBox* TForm6::AddPicture(QRect geometry, const QString& fileName) {
    auto* picture = new PictureBox(RulesContent);
    picture->setGeometry(geometry);
    picture->SetPicture(GamePicture(fileName));
    picture->SetProportional(true);
    return picture;
}

bool TForm6::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ScrollBox1 && event->type() == QEvent::Show && !RulesShownBefore) {
        RulesShownBefore = true;
        ScrollBox1->verticalScrollBar()->setValue(RulesFirstOffset);
    }
    return SecondaryForm::eventFilter(watched, event);
}

void TForm6::Button1Click() {
    hide();
}
