// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/HelpCommands.h"

#include "view/TForm6.h"
#include "view/TForm7.h"

#include <QPlainTextEdit>
#include <QScrollArea>

void ShowHowToPlay(TForm6& form) {
    form.ScrollBox1->hide();
    form.Memo1->show();
    form.ShowModal();
    form.Memo1->hide();
}

void ShowRules(TForm6& form) {
    form.Memo1->hide();
    form.ScrollBox1->show();
    form.ShowModal();
    form.ScrollBox1->hide();
}

void ShowAbout(TForm7& form) {
    form.ShowModal();
}
