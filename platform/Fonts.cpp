#include "platform/Fonts.h"

void InstallFontSubstitutes() {
    QFont::insertSubstitution(SansSerifFace, "DejaVu Sans");
    QFont::insertSubstitution(RoundedFace, "Quicksand");
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
