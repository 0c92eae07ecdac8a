// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Help menu: "How to play" and "Rules" in the help window, and "About".

class TForm6;
class TForm7;

// Show the help window modally with the one view, which is hidden again once it has closed.
void ShowHowToPlay(TForm6& form);
void ShowRules(TForm6& form);

void ShowAbout(TForm7& form);
