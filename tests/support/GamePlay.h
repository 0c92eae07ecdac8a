// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Playing the game from a test, through the real menus, buttons and mouse.

#include "tests/support/BoardGeometry.h"

#include <QEvent>
#include <QPointF>

class QAction;

// Answers "Start a new puzzle?" with Yes and the notification with OK, after triggering `item`
// (New when null).
void StartNewGame(QAction* item = nullptr);

// One mouse event sent straight to the client area at `at`.
void SendMouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held);

// Moves the pointer over the client area to (x, y) and clicks the primary button there.
void ClickAt(int x, int y);

// Presses tool button 1 to 10 (10 is Erase).
void ChooseTool(int button);

// Turns the wheel over the board by `delta` units (120 is one notch away from the player).
void TurnWheel(int delta);

// Puts the solution into every entry but cell `keep`, as if the player had filled them.
void FillAllEntriesBut(int keep);

// The first cell that is not a given.
int FirstOpenCell();

// Clicks the middle of cell 1 to 81.
void ClickCell(int index);

// Fills every entry but the first open cell from the solution, then places that last value with
// its tool and a click, as a player finishing the grid would. Returns the cell.
int FinishGridByClick();
