// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window with its two views on the same area: the how-to-play text (`HowToPlayBox`) and
// the rules (`RulesView`, texts with example pictures). The menu commands make exactly one view
// visible while the window is open; both keep their scroll positions between showings.

#include "view/SecondaryWindow.h"

class PictureBox;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

class HelpWindow : public SecondaryWindow {
    Q_OBJECT
  public:
    static constexpr QSize ClientSize{433, 455};
    static constexpr int RulesHeight = 1345;
    // The rules view opens this far down from the top of its content the first time.
    static constexpr int RulesFirstOffset = 8;

    explicit HelpWindow(QWidget* mainWindow);

    QPlainTextEdit* HowToPlayBox; // how to play
    QScrollArea* RulesView;
    QWidget* RulesContent; // the scrolled content of RulesView
    QPlainTextEdit* IntroductionBox;
    PictureBox* BlockPicture; // a filled block
    QPlainTextEdit* RowsAndColumnsBox;
    PictureBox* ColumnPicture; // a filled column
    PictureBox* RowPicture;    // a filled row
    QPlainTextEdit* ConsequencesBox;
    PictureBox* TwoRowsPicture; // two rows with two solutions
    QPlainTextEdit* WorkingBox;
    QPushButton* OkButton;

  public slots:
    void Ok();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PictureBox* AddPicture(QRect geometry, const QString& fileName);

    bool RulesShownBefore = false;
};

// The Help menu's two commands: the window opened on the how-to-play text or on the rules.
void ShowHowToPlay(HelpWindow& help);
void ShowRules(HelpWindow& help);
