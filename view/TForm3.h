// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notification window: waits for OK after a puzzle has been generated and during a pause.
// Its caption reads "Paused" for both uses; the callers set the three lines before showing it.

#include "view/SecondaryForm.h"

#include <QStringList>

class QPlainTextEdit;
class QPushButton;

class TForm3 : public SecondaryForm {
    Q_OBJECT
  public:
    static constexpr QSize ClientSize{462, 155};

    explicit TForm3(QWidget* mainWindow);

    void SetLines(const QStringList& lines);
    QStringList Lines() const;

    QPlainTextEdit* Memo1;
    QPushButton* Button1;

  public slots:
    void Button1Click();
};
