// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Fonts.h"

#include <QStringList>

void InstallFontSubstitutes() {
    QFont::insertSubstitutions(SansSerifFace,
                               QStringList{"Liberation Sans", "Arimo", "FreeSans", "DejaVu Sans"});
    QFont::insertSubstitutions(RoundedFace, QStringList{"Quicksand", "Comfortaa", "Liberation Sans",
                                                        "Arimo", "DejaVu Sans"});
}

QFont SansSerif(int pixelHeight, bool bold) {
    QFont font(SansSerifFace);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

QFont RoundedBold(int pixelHeight) {
    QFont font(RoundedFace);
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    return font;
}
