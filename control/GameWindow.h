// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the game's routines see it: the components they read and change, and the
// secondary windows they open. The main window hands it to the routines from its handlers; they
// know nothing else of it.

#include <array>

class BoardArea;
class MediaPlayer;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
class QWidget;
class ScoreFileStore;
class ScoreSaves;
class TForm2;
class TForm3;
class TForm4;
class TForm6;
class TForm7;
struct PrintSetup;

struct GameWindow {
    // The window itself: enabled or not, its minimize icon, the owner of the game's boxes.
    QWidget* Window = nullptr;
    // The board is painted on the client area; the panels are its children.
    BoardArea* ClientArea = nullptr;
    // The tool panel, and the empty strip shown in its place while the window is printed.
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    std::array<QToolButton*, 10> SpeedButtons{}; // the digits 1 to 9, then Erase
    QCheckBox* CheckBox1 = nullptr;              // "Just guessing"
    QLabel* Label1 = nullptr;                    // the status line
    QPushButton* Button2 = nullptr;              // Submit

    // The menu items whose state the game changes.
    QAction* Easy1 = nullptr;
    QAction* Medium1 = nullptr;
    QAction* Hard1 = nullptr;
    QAction* Sound1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Clearall1 = nullptr;
    QAction* Solve1 = nullptr;
    QAction* Submit1 = nullptr;
    QAction* Pause1 = nullptr;

    // The hidden components: the clock, the sound player, the score file's lines and the saves
    // of the file, the printer.
    QTimer* Timer1 = nullptr;
    MediaPlayer* MediaPlayer1 = nullptr;
    ScoreFileStore* ScoreLines = nullptr;
    ScoreSaves* Saves = nullptr;
    PrintSetup* Printing = nullptr;

    // The secondary windows; none yet while the main window is being made.
    TForm2* ProgressWindow = nullptr;
    TForm3* NotificationWindow = nullptr;
    TForm4* BestTimesWindow = nullptr;
    TForm6* HelpWindow = nullptr;
    TForm7* AboutWindow = nullptr;
};
