// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The best-times window: the best time of each level with the player's name. The best-times flow
// fills the names and times and reads `ResetRequested` after the window has closed.

#include "view/SecondaryForm.h"

class PictureBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TForm4 : public SecondaryForm {
    Q_OBJECT
  public:
    static constexpr QSize ClientSize{374, 263};

    explicit TForm4(QWidget* mainWindow);

    PictureBox* Image1;
    QLabel* Label1;
    QPlainTextEdit* Memo1; // level names
    QPlainTextEdit* Memo2; // player names
    QPlainTextEdit* Memo3; // times
    QPushButton* Button2;  // "Reset scores"
    QPushButton* Button1;  // "OK"

  public slots:
    void Button1Click();
    // Asks whether to reset; Yes sets `ResetRequested`. Closes the window on either answer.
    void Button2Click();
};
