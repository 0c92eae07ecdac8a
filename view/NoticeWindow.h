// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notification window: waits for OK after a puzzle has been generated and during a pause.
// Its caption reads "Paused" for both uses; the callers set the three lines before showing it.

#include "view/SecondaryWindow.h"

#include <QStringList>

class QPlainTextEdit;
class QPushButton;

class NoticeWindow : public SecondaryWindow {
    Q_OBJECT
  public:
    static constexpr QSize ClientSize{462, 155};

    explicit NoticeWindow(QWidget* mainWindow);

    void SetLines(const QStringList& lines);
    QStringList Lines() const;

    QPlainTextEdit* Text;
    QPushButton* OkButton;

  public slots:
    void Ok();
};
