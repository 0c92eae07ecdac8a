// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Help menu: "How to play" and "Rules" in the help window, and "About".

class HelpWindow;
class AboutWindow;

// Show the help window modally with the one view, which is hidden again once it has closed.
void ShowHowToPlay(HelpWindow& help);
void ShowRules(HelpWindow& help);

void ShowAbout(AboutWindow& about);
