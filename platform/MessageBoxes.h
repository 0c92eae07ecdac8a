// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's message boxes. All are modal and run a nested event loop.

#include <QString>

#include <exception>
#include <functional>

class QWidget;

// Question icon, caption "Confirm", Yes and No with Yes the default; Escape or the close box
// answer No. True only for Yes.
bool Confirm(QWidget* parent, const QString& text);

// Information icon, caption "Information", OK.
void Inform(QWidget* parent, const QString& text);

// Error icon, caption "Error", OK.
void ShowErrorMessage(QWidget* parent, const QString& text);

// The application's standard error box: error icon, the application's title as caption, OK; the
// failure's text with "." added when its last character sorts after ".".
QString ErrorBoxText(const QString& message);
void ShowErrorBox(const QString& message);

// Runs one event handler. A failure ends the handler where it happened and is shown in the
// standard error box; the event loop goes on. No exception ever leaves this function.
void RunHandler(const std::function<void()>& handler);
