// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about window: the game's logo and name.

#include "view/SecondaryForm.h"

class PictureBox;
class QLabel;
class QPushButton;

class TForm7 : public SecondaryForm {
    Q_OBJECT
  public:
    static constexpr QSize ClientSize{424, 220};

    explicit TForm7(QWidget* mainWindow);

    PictureBox* Image1;
    QLabel* Label1;
    QPushButton* Button1;

  public slots:
    void Button1Click();
};
