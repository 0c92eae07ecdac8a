// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/GamePlay.h"
#include "view/BoardArea.h"

#include "app/MainWindow.h"
#include "engine/Game.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/TestWindows.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

void StartNewGame(QAction* item) {
    AnswerInOrder({Press("Yes"), Press("OK")});
    (item ? item : Windows.Main->NewItem)->trigger();
}

void SendMouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, Windows.Main->ClientArea->mapToGlobal(at), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(Windows.Main->ClientArea, &event);
}

// Sent straight to the client area: two clicks on one cell in a row stay two clicks, where the
// window system would take them for a double-click.
void ClickAt(int x, int y) {
    const QPointF at(x, y);
    SendMouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    SendMouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void ChooseTool(int button) {
    Windows.Main->ToolButtons[button - 1]->click();
}

void TurnWheel(int delta) {
    const QPointF at(200, 200);
    QWheelEvent wheel(at, Windows.Main->ClientArea->mapToGlobal(at), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Windows.Main->ClientArea, &wheel);
}

void FillAllEntriesBut(int keep) {
    for (int i = 1; i <= 81; ++i)
        TheGame().Entries[i] = i == keep ? 0 : TheGame().Solution[i];
}

int FirstOpenCell() {
    for (int i = 1; i <= 81; ++i)
        if (!TheGame().Given[i])
            return i;
    return 0;
}

void ClickCell(int index) {
    ClickAt(CellCentre(index).x(), CellCentre(index).y());
}

int FinishGridByClick() {
    const int last = FirstOpenCell();
    FillAllEntriesBut(last);
    ChooseTool(TheGame().Solution[last]);
    ClickCell(last);
    return last;
}
