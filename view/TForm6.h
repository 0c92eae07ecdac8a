// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window with its two views on the same area: the how-to-play text (`Memo1`) and the
// rules (`ScrollBox1`, texts with example pictures). The menu commands make exactly one view
// visible while the window is open; both keep their scroll positions between showings.

#include "view/SecondaryForm.h"

class PictureBox;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

class TForm6 : public SecondaryForm {
    Q_OBJECT
  public:
    static constexpr QSize ClientSize{433, 455};
    static constexpr int RulesHeight = 1345;
    // The rules view opens this far down from the top of its content the first time.
    static constexpr int RulesFirstOffset = 8;

    explicit TForm6(QWidget* mainWindow);

    QPlainTextEdit* Memo1; // how to play
    QScrollArea* ScrollBox1;
    QWidget* RulesContent; // the scrolled content of ScrollBox1
    QPlainTextEdit* Memo2;
    PictureBox* Image1; // a filled block
    QPlainTextEdit* Memo3;
    PictureBox* Image2; // a filled column
    PictureBox* Image3; // a filled row
    QPlainTextEdit* Memo4;
    PictureBox* Image4; // two rows with two solutions
    QPlainTextEdit* Memo5;
    QPushButton* Button1;

  public slots:
    void Button1Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PictureBox* AddPicture(QRect geometry, const QString& fileName);

    bool RulesShownBefore = false;
};
