// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers the modal boxes and windows that the game opens, from inside their nested event loop.
// Queue an answer before the action that opens the box; the queued answers are taken in order,
// each by the next modal window that comes up.
//
// A watchdog runs in every widget test: a modal window that no queued answer or other code of the
// test takes within half a second fails the test with its caption and text, and is closed, so
// that the test goes on instead of waiting for the time limit. Answers belong to the test that
// queued them: one never taken fails that test and is dropped when it ends (FinishAnswers), and
// never runs in a later test.

#include <QString>
#include <QStringList>

#include <functional>
#include <source_location>

class QWidget;
class QAbstractButton;

// An answer for one modal window.
using Answer = std::function<void(QWidget*)>;

// Runs `answer` on the next modal widget that appears; fails the test when none has appeared
// within timeoutMs of waiting.
void WhenModal(Answer answer, int timeoutMs = 10000,
               std::source_location where = std::source_location::current());

// Presses the message box button with this text ("&Yes", "Yes", "OK", ...), recording the box's
// caption and text in the strings given (when not null).
void AnswerMessageBox(const QString& buttonText, QString* caption = nullptr,
                      QString* text = nullptr,
                      std::source_location where = std::source_location::current());

// Answers the next modal windows one after the other.
void AnswerInOrder(QList<Answer> answers,
                   std::source_location where = std::source_location::current());

// Ends the answers of the test that is ending: those never taken are dropped and fail the test
// (unless it has failed already), and their timers stop. GameSession and GameWindowTest call it.
void FinishAnswers();

// Starts the watchdog; every widget test starts it when its application is made.
void StartModalWatchdog();

// How long a modal window nobody queued an answer for may stay up before it fails the test
// (half a second unless set); for tests that answer windows another way.
void AllowUnansweredModals(int ms);

// Finds a button by its text, ignoring '&' access markers; nullptr when there is none.
QAbstractButton* FindButton(QWidget* window, const QString& text);

// Presses the button with this text on the window (a message box, an input box, a game window),
// recording a message box's caption and text when asked.
Answer Press(const QString& buttonText, QString* caption = nullptr, QString* text = nullptr);

// Types a text into the window's line edit, then presses the button.
Answer TypeAndPress(const QString& typed, const QString& buttonText);

// Waits some milliseconds with the window up (its event loop running), then answers.
Answer After(int ms, Answer answer);

// All message boxes answered so far, as "caption|text", for tests that check a whole sequence.
QStringList& SeenMessages();
