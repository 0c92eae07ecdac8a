// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the board (painted straight on the client area), the tool panel, the menus,
// and the hidden components that serve the rest of the game. Each handler hands the event to a
// routine of control/, together with the view of this window that the routines work on.

#include "control/GameWindow.h"
#include "control/PrintCommand.h"
#include "control/ScoreSaves.h"
#include "records/ScoreFileStore.h"
#include "sound/MediaPlayer.h"

#include <QMainWindow>
#include <QTimer>

#include <array>

class QAction;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class BoardArea;
class TForm2;
class TForm3;
class TForm4;
class TForm6;
class TForm7;

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the window as designed and runs FormCreate.
    TForm1();
    ~TForm1() override;

    // The client area: the board is painted on it and the panels are its children.
    BoardArea* ClientArea;

    // Hidden text box that keeps the generator's diagnostic log; never shown.
    QPlainTextEdit* Memo1;

    // The tool panel and what it holds.
    QFrame* Panel1;
    std::array<QToolButton*, 10> SpeedButtons; // SpeedButton1 ... SpeedButton10 (Erase)
    QButtonGroup* ToolGroup;
    QCheckBox* CheckBox1;
    QFrame* Bevel1;
    QLabel* Label1;
    QPushButton* Button2;

    // The empty strip shown in place of the tool panel while the window is printed.
    QFrame* Panel2;
    // Invisible spacer that keeps the auto-sized client area starting at the top edge.
    QWidget* Bevel2;

    // The hidden list of the score file's lines, the sound player and the game clock.
    ScoreFileStore ScoreLines;
    MediaPlayer MediaPlayer1;
    QTimer Timer1;
    // The print dialog and its printer, made at the first Print.
    PrintSetup Printing;
    // The saves of the score file, kept while another game holds it.
    ScoreSaves Saves{ScoreLines, *this};

    // The secondary windows, made after this one and handed to it.
    TForm2* ProgressWindow = nullptr;
    TForm3* NotificationWindow = nullptr;
    TForm4* BestTimesWindow = nullptr;
    TForm6* HelpWindow = nullptr;
    TForm7* AboutWindow = nullptr;

    // The menus.
    QMenu* NewGame1;
    QAction* NewGame2;
    QAction* Easy1;
    QAction* Medium1;
    QAction* Hard1;
    QAction* Sound1;
    QAction* BestTimes1;
    QAction* Print1;
    QAction* Exit1;
    QMenu* Options1;
    QAction* Clearall1;
    QAction* Solve1;
    QAction* Submit1;
    QAction* Pause1;
    QMenu* Help1;
    QAction* Howtoplay1;
    QAction* Rules1;
    QAction* About2;

    // Start-up and close.
    void FormCreate();
    void FormClose();

    // The handlers of the menus, the tool panel, the board and the clock.
    void Button1Click();
    void Easy1Click();
    void Sound1Click();
    void Medium1Click();
    void Hard1Click();
    void Print1Click();
    void Exit1Click();
    void BestTimes1Click();
    void Clearall1Click();
    void Solve1Click();
    void Pause1Click();
    void Button2Click();
    void Howtoplay1Click();
    void Rules1Click();
    void About2Click();
    void SpeedButton1Click();
    void FormPaint(QPainter& canvas);
    void FormMouseMove(int X, int Y);
    void FormClick();
    void FormMouseWheelDown();
    void FormMouseWheelUp();
    void Timer1Timer();

    // The components and windows that the game's routines work on.
    GameWindow View();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void CreateMenus();
    void CreateToolPanel();
    void CreateHiddenComponents();
    void ConnectHandlers();
    bool CentredOnce = false;
};
