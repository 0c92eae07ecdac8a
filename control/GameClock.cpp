// The game clock: one tick a second while play runs, shown in the status line.

#include "app/TForm1.h"
#include "engine/GameState.h"
#include "engine/TimeText.h"

#include <QLabel>

void TForm1::Timer1Timer() {
    ++GameState.ElapsedSeconds;
    GameState.TimeText = TimeTextOf(GameState.ElapsedSeconds);
    Label1->setText("Time: " + QString::fromStdString(GameState.TimeText));
    Label1->adjustSize();
}
