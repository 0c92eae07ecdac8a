// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game asks of the main window, in the game's terms. The routines of control/ play the
// game through it and know nothing of the window's widgets; the main window implements it, and a
// test can stand in for it without any.

#include "engine/Game.h"

#include <QString>
#include <QStringList>

#include <array>

class TextLines;
struct BestTimeRecord;

class GameWindow {
  public:
    virtual ~GameWindow() = default;

    // The board: drawn from the game (once any notice is gone), or left blank.
    virtual void ShowBoard() = 0;
    virtual void BlankBoard() = 0;
    // Tells a screen reader that a new puzzle is on the board, or that the board is solved (by
    // the player's Submit, or by the computer).
    virtual void AnnounceNewPuzzle() = 0;
    virtual void AnnounceSolved(bool byComputer) = 0;
    // The status line below the tool panel.
    virtual void ShowStatus(const QString& text) = 0;
    // The Submit button and the menu item Submit.
    virtual void ShowSubmit(bool shown) = 0;
    // Pause, Solve and Clear all; Print, once there is a board to print.
    virtual void EnablePlayCommands(bool enabled) = 0;
    virtual void EnablePrint() = 0;
    // The check marks and buttons that show the game's choices.
    virtual void ShowLevel(Level level) = 0;
    virtual void ShowTool(int tool) = 0;
    virtual void ShowGuessing(bool guessing) = 0;
    virtual void ShowSound(bool on, bool available) = 0;
    // The one-second clock; starting it begins a fresh second.
    virtual void RunClock(bool running) = 0;
    // One sound effect, at once.
    virtual void PlayEffect(const char* fileName) = 0;
    // Opens each sound file once; false (and the player told) when one cannot be opened.
    virtual bool SoundFilesOpen() = 0;

    // While a puzzle is generated the window takes no input and cannot be minimized, and the
    // progress window shows the generator's text.
    virtual void HoldInput(bool held) = 0;
    virtual void ShowProgress(bool shown) = 0;
    virtual TextLines& ProgressText() = 0;

    // The game's boxes, each modal over the window.
    virtual bool Confirm(const QString& question) = 0;
    virtual void Inform(const QString& text) = 0;
    virtual void ShowNotice(const QStringList& lines) = 0;
    virtual QString AskName() = 0;
    // Shows the best times until the window closes; true when the player asked to reset them.
    virtual bool ShowRecordsAskingReset(const std::array<BestTimeRecord, LevelCount>& records) = 0;
};
