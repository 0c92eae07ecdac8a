#pragma once
// The colour the game's windows and the board are painted on: the desktop's button face.

#include <QColor>

QColor ButtonFace();
