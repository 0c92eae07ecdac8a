// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the board, the tool panel, the menus, the clock and the sound player, and the
// one game of the run. Each handler hands the event to a routine of control/, together with the
// game and this window as the routines see it; the secondary windows are made when first shown.

#include "app/DiagnosticLog.h"
#include "app/PrintCommand.h"
#include "control/GameWindow.h"
#include "control/ScoreSaves.h"
#include "control/WindowClose.h"
#include "engine/Game.h"
#include "records/ScoreFile.h"
#include "sound/EffectPlayer.h"

#include <QAccessible>
#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>

class QAction;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class AboutWindow;
class BestTimesWindow;
class BoardArea;
class HelpWindow;
class NoticeWindow;
class ProgressLines;
class ProgressWindow;

class MainWindow : public QMainWindow, public GameWindow, private QAccessible::ActivationObserver {
    Q_OBJECT
  public:
    // Builds the window as designed and starts the game: the board constants, the sound setting.
    MainWindow();
    ~MainWindow() override;

    // The game of this run.
    Game CurrentGame;

    // The client area: the board draws itself on it and the panels are its children.
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

    // The score file's lines, the sound player and the game clock.
    ScoreFileStore ScoreFileLines;
    EffectPlayer Player;
    QTimer Clock;
    // The print dialog and its printer, made at the first Print.
    PrintSetup Printing;
    // The saves of the score file, kept while another game holds it.
    ScoreSaves ScoreFileSaves{ScoreFileLines, *this};
    // The close, which writes the sound setting and waits for the saves.
    WindowClose Closing{ScoreFileLines, ScoreFileSaves, *this};

    // The secondary windows, each made the first time it is needed.
    ProgressWindow& Progress();
    NoticeWindow& Notice();
    BestTimesWindow& BestTimes();
    HelpWindow& Help();
    AboutWindow& About();

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

    // What the game asks of the window.
    void ShowBoard() override;
    void BlankBoard() override;
    void AnnounceNewPuzzle() override;
    void AnnounceSolved(bool byComputer) override;
    void ShowStatus(const QString& text) override;
    void ShowSubmit(bool shown) override;
    void EnablePlayCommands(bool enabled) override;
    void EnablePrint() override;
    void ShowLevel(Level level) override;
    void ShowTool(int tool) override;
    void ShowGuessing(bool guessing) override;
    void ShowSound(bool on, bool available) override;
    void RunClock(bool running) override;
    void PlayEffect(const char* fileName) override;
    bool SoundFilesOpen() override;
    void HoldInput(bool held) override;
    void ShowProgress(bool shown) override;
    TextLines& ProgressText() override;
    bool Confirm(const QString& question) override;
    void Inform(const QString& text) override;
    void ShowNotice(const QStringList& lines) override;
    QString AskName() override;
    bool ShowRecordsAskingReset(const std::array<BestTimeRecord, LevelCount>& records) override;

    // The score file's lines and saves, which this window owns, for the routines that use them.
    ScoreFileUse ScoreFile() { return {ScoreFileLines, ScoreFileSaves}; }

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // A screen reader started or stopped: the board and the tools take the keyboard's focus
    // only while one listens.
    void accessibilityActiveChanged(bool active) override;
    void ChooseToolByKey(int tool);
    void CreateMenus();
    void CreateToolPanel();
    void CreateHiddenComponents();
    void ConnectHandlers();
    void Start();
    // Runs a routine of control/ on the game and this window, guarded: a failure ends it and
    // shows the standard error box.
    void Play(void (*routine)(Game&, GameWindow&));

    DiagnosticLines Log;
    ProgressWindow* ProgressShown = nullptr;
    std::unique_ptr<ProgressLines> ProgressOutput;
    NoticeWindow* NoticeShown = nullptr;
    BestTimesWindow* BestTimesShown = nullptr;
    HelpWindow* HelpShown = nullptr;
    AboutWindow* AboutShown = nullptr;
    bool CentredOnce = false;
};
