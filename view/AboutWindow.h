// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about window: the game's logo and name.

#include "view/SecondaryWindow.h"

class PictureBox;
class QLabel;
class QPushButton;

class AboutWindow : public SecondaryWindow {
    Q_OBJECT
  public:
    static constexpr QSize ClientSize{424, 220};

    explicit AboutWindow(QWidget* mainWindow);

    PictureBox* Logo;
    QLabel* GameName;
    QPushButton* OkButton;

  public slots:
    void Ok();
};
