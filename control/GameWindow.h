// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the game's routines see it: the components they read and change, and the
// secondary windows they open. The main window hands it to the routines from its handlers; they
// know nothing else of it.

#include <array>

class BoardArea;
class EffectPlayer;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
class QWidget;
class ScoreLineList;
class ScoreSaves;
class ProgressWindow;
class NoticeWindow;
class BestTimesWindow;
class HelpWindow;
class AboutWindow;
struct PrintSetup;

struct GameWindow {
    // The window itself: enabled or not, its minimize icon, the owner of the game's boxes.
    QWidget* Window = nullptr;
    // The board is painted on the client area; the panels are its children.
    BoardArea* ClientArea = nullptr;
    // The tool panel, and the empty strip shown in its place while the window is printed.
    QFrame* ToolPanel = nullptr;
    QFrame* PrintStrip = nullptr;
    std::array<QToolButton*, 10> ToolButtons{}; // the digits 1 to 9, then Erase
    QCheckBox* GuessingBox = nullptr;           // "Just guessing"
    QLabel* StatusLine = nullptr;               // the status line
    QPushButton* SubmitButton = nullptr;        // Submit

    // The menu items whose state the game changes.
    QAction* EasyItem = nullptr;
    QAction* MediumItem = nullptr;
    QAction* HardItem = nullptr;
    QAction* SoundItem = nullptr;
    QAction* PrintItem = nullptr;
    QAction* ClearAllItem = nullptr;
    QAction* SolveItem = nullptr;
    QAction* SubmitItem = nullptr;
    QAction* PauseItem = nullptr;

    // The hidden components: the clock, the sound player, the score file's lines and the saves
    // of the file, the printer.
    QTimer* Clock = nullptr;
    EffectPlayer* Player = nullptr;
    ScoreLineList* ScoreLines = nullptr;
    ScoreSaves* Saves = nullptr;
    PrintSetup* Printing = nullptr;

    // The secondary windows; none yet while the main window is being made.
    ProgressWindow* Progress = nullptr;
    NoticeWindow* Notice = nullptr;
    BestTimesWindow* BestTimes = nullptr;
    HelpWindow* Help = nullptr;
    AboutWindow* About = nullptr;
};
