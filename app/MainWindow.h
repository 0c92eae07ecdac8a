// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the board (painted straight on the client area), the tool panel, the menus,
// and the hidden components that serve the rest of the game. Each handler hands the event to a
// routine of control/, together with the view of this window that the routines work on.

#include "control/GameWindow.h"
#include "control/PrintCommand.h"
#include "control/ScoreSaves.h"
#include "records/LineFile.h"
#include "sound/EffectPlayer.h"

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
class QPushButton;
class QToolButton;
class BoardArea;
class ProgressWindow;
class NoticeWindow;
class BestTimesWindow;
class HelpWindow;
class AboutWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the window as designed and runs Start.
    MainWindow();
    ~MainWindow() override;

    // The client area: the board is painted on it and the panels are its children.
    BoardArea* ClientArea;

    // The tool panel and what it holds.
    QFrame* ToolPanel;
    std::array<QToolButton*, 10> ToolButtons; // the digits 1 to 9, then Erase
    QButtonGroup* ToolGroup;
    QCheckBox* GuessingBox;
    QFrame* Divider;
    QLabel* StatusLine;
    QPushButton* SubmitButton;

    // The empty strip shown in place of the tool panel while the window is printed.
    QFrame* PrintStrip;
    // Invisible spacer that keeps the auto-sized client area starting at the top edge.
    QWidget* Spacer;

    // The hidden list of the score file's lines, the sound player and the game clock.
    ScoreLineList ScoreLines;
    EffectPlayer Player;
    QTimer Clock;
    // The print dialog and its printer, made at the first Print.
    PrintSetup Printing;
    // The saves of the score file, kept while another game holds it.
    ScoreSaves Saves{ScoreLines, *this};

    // The secondary windows, made after this one and handed to it.
    ProgressWindow* Progress = nullptr;
    NoticeWindow* Notice = nullptr;
    BestTimesWindow* BestTimes = nullptr;
    HelpWindow* Help = nullptr;
    AboutWindow* About = nullptr;

    // The menus.
    QMenu* GameMenu;
    QAction* NewItem;
    QAction* EasyItem;
    QAction* MediumItem;
    QAction* HardItem;
    QAction* SoundItem;
    QAction* BestTimesItem;
    QAction* PrintItem;
    QAction* ExitItem;
    QMenu* OptionsMenu;
    QAction* ClearAllItem;
    QAction* SolveItem;
    QAction* SubmitItem;
    QAction* PauseItem;
    QMenu* HelpMenu;
    QAction* HowToPlayItem;
    QAction* RulesItem;
    QAction* AboutItem;

    // Start-up and close.
    void Start();
    void SaveOnClose();

    // The handlers of the menus, the tool panel, the board and the clock.
    void AskNewGame();
    void ChooseEasy();
    void SwitchSound();
    void ChooseMedium();
    void ChooseHard();
    void Print();
    void Exit();
    void OpenBestTimes();
    void ClearEntries();
    void Solve();
    void Pause();
    void Submit();
    void OpenHowToPlay();
    void OpenRules();
    void OpenAbout();
    void ChooseTool();
    void PaintBoardArea(QPainter& canvas);
    void ClickBoard(int row, int column);
    void ClickBesideBoard();
    void WheelDown();
    void WheelUp();
    void Tick();

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
