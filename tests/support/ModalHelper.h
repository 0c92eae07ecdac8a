#pragma once
// Answers the modal boxes and windows that the game opens, from inside their nested event loop.
// Queue an answer before the action that opens the box; the answer runs on the box once it is
// the active modal widget.

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
class QMessageBox;

// Runs `answer` on the next modal widget that appears (waits up to timeoutMs for it).
void WhenModal(std::function<void(QWidget*)> answer, int timeoutMs = 10000);

// Presses the message box button with this text ("&Yes", "Yes", "OK", ...), recording the box's
// caption and text in the strings given (when not null).
void AnswerMessageBox(const QString& buttonText, QString* caption = nullptr,
                      QString* text = nullptr);

// Finds a button by its text, ignoring '&' access markers; nullptr when there is none.
class QAbstractButton;
QAbstractButton* FindButton(QWidget* window, const QString& text);

// Answers for a sequence of modal windows, each taken when its window has come up.
using Answer = std::function<void(QWidget*)>;

// Presses the button with this text on the window (a message box, an input box, a game window),
// recording a message box's caption and text when asked.
Answer Press(const QString& buttonText, QString* caption = nullptr, QString* text = nullptr);

// Types a text into the window's line edit, then presses the button.
Answer TypeAndPress(const QString& typed, const QString& buttonText);

// Waits some milliseconds with the window up (its event loop running), then answers.
Answer After(int ms, Answer answer);

// Answers the next modal windows one after the other.
void AnswerInOrder(QList<Answer> answers);

// All message boxes answered so far, as "caption|text", for tests that check a whole sequence.
QStringList& SeenMessages();
