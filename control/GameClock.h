#pragma once
// The game clock: one tick a second while play runs, shown in the status line.

void TickClock();
