// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/HelpCommands.h"

#include "view/AboutWindow.h"
#include "view/HelpWindow.h"

#include <QPlainTextEdit>
#include <QScrollArea>

void ShowHowToPlay(HelpWindow& help) {
    help.RulesView->hide();
    help.HowToPlayBox->show();
    help.ShowModal();
    help.HowToPlayBox->hide();
}

void ShowRules(HelpWindow& help) {
    help.HowToPlayBox->hide();
    help.RulesView->show();
    help.ShowModal();
    help.RulesView->hide();
}

void ShowAbout(AboutWindow& about) {
    about.ShowModal();
}
