#pragma once
// Pieces of the best-times flow that stand on their own.

#include <QString>

// A player's name as it goes into the score file: characters that would break its line (line
// breaks, NUL) become spaces, and it is cut to its first 15 characters, never inside one.
QString NameForRecord(const QString& typed);

// Asks for the name of a new record holder; Cancel or the close box give "Anonymous".
class QWidget;
QString AskName(QWidget* parent);
