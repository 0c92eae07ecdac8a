// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/HelpTexts.h"

#include "view/Pictures.h"

#include <QFile>

namespace {

QString Resource(const QString& fileName) {
    LoadGameResources();
    QFile file(":/help/" + fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Help text %s is missing from the resources", qPrintable(fileName));
        return {};
    }
    // One paragraph a line in the file; the text box wraps them.
    QString text = QString::fromUtf8(file.readAll());
    text.remove('\r');
    while (text.endsWith('\n'))
        text.chop(1);
    return text;
}

} // namespace

QString HowToPlayText() {
    return Resource("how-to-play.txt");
}
QString RulesIntroductionText() {
    return Resource("rules-introduction.txt");
}
QString RowsAndColumnsText() {
    return Resource("rules-rows-and-columns.txt");
}
QString ConsequencesText() {
    return Resource("rules-consequences.txt");
}
QString WorkingText() {
    return Resource("rules-working.txt");
}
