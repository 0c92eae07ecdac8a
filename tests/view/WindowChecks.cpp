// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/view/WindowChecks.h"

#include "platform/Fonts.h"

#include <QPlainTextEdit>
#include <QTest>

TestMainWindow::TestMainWindow(QRect geometry) {
    setWindowTitle("Tolvane");
    setGeometry(geometry);
    show();
    if (!QTest::qWaitForWindowExposed(this))
        qFatal("The main window did not appear");
}

QString TextBoxProblems(const QPlainTextEdit* text, bool bordered) {
    QStringList problems;
    if (!text->isReadOnly())
        problems << "editable";
    if (text->focusPolicy() != Qt::NoFocus)
        problems << "takes the focus";
    if (bordered != (text->frameShape() != QFrame::NoFrame))
        problems << (bordered ? "no border" : "a border");
    const QPalette& colours = text->palette();
    if (colours.color(QPalette::Base) != colours.color(QPalette::Button))
        problems << "background is not the button face";
    return problems.join(", ");
}

QString WindowProblems(const QWidget* dialog) {
    QStringList problems;
    const QPalette& colours = dialog->palette();
    if (colours.color(QPalette::Window) != colours.color(QPalette::Button) ||
        !dialog->autoFillBackground())
        problems << "background is not the button face";
    if (!IsSansSerif(dialog->font(), 11, false))
        problems << "font is not 11-pixel MS Sans Serif";
    if (dialog->minimumSize() != dialog->maximumSize())
        problems << "size is not fixed";
    return problems.join(", ");
}

bool IsSansSerif(const QFont& font, int pixelHeight, bool bold) {
    return font.family() == SansSerifFace && font.pixelSize() == pixelHeight && font.bold() == bold;
}
