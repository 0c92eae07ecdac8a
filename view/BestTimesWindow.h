// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The best-times window: the best time of each level with the player's name. The best-times flow
// fills the names and times, and learns whether the player asked to reset them when it closes.

#include "view/SecondaryWindow.h"

class PictureBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class BestTimesWindow : public SecondaryWindow {
    Q_OBJECT
  public:
    static constexpr QSize ClientSize{374, 263};

    explicit BestTimesWindow(QWidget* mainWindow);

    PictureBox* Picture;
    QLabel* TimeHeading;
    QPlainTextEdit* LevelNames;  // level names
    QPlainTextEdit* PlayerNames; // player names
    QPlainTextEdit* Times;       // times
    QPushButton* ResetButton;    // "Reset scores"
    QPushButton* OkButton;       // "OK"

    // Shows the window until it closes; true when the player asked for the reset and said Yes.
    bool ShowAskingReset();
    bool ResetConfirmed() const { return ResetWanted; }

  public slots:
    void Ok();
    // Asks whether to reset. Closes the window on either answer.
    void AskReset();

  private:
    bool ResetWanted = false;
};
