// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Colours.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cmath>

namespace {

// The board as designed, for a light face.
const QColor DesignedGiven(0, 0, 0);
const QColor DesignedEntry(128, 0, 128);
const QColor DesignedGuess(0, 128, 128);
const QColor DesignedCellLine(0, 0, 255);
const QColor DesignedBlockLine(0, 0, 0);

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The colour with its hue and saturation, made lighter step by step until it stands out from a
// dark face by `ratio`; white, the most that can be had, when no step does.
QColor StandingOut(const QColor& colour, const QColor& face, double ratio) {
    const QColor hsl = colour.toHsl();
    for (int lightness = hsl.lightness(); lightness <= 255; ++lightness) {
        const QColor step = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness).toRgb();
        if (Contrast(step, face) >= ratio)
            return step;
    }
    return Qt::white;
}

// Makes a widget's own colours again each time the desktop's palette changes while the game runs.
class PaletteFollower : public QObject {
  public:
    explicit PaletteFollower(QWidget& widget) : QObject(&widget) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
            Apply();
        return false;
    }

  protected:
    virtual void Apply() = 0;
};

// Sets the role to the button face.
class ButtonFaceKeeper : public PaletteFollower {
  public:
    ButtonFaceKeeper(QWidget& widget, QPalette::ColorRole role)
        : PaletteFollower(widget), Widget(widget), Role(role) {
        Apply();
    }

  private:
    void Apply() override {
        QPalette colours = Widget.palette();
        colours.setColor(Role, ButtonFace());
        Widget.setPalette(colours);
    }

    QWidget& Widget;
    QPalette::ColorRole Role;
};

// Turns the button's colours round while it is pressed on a dark face.
class PressedMarker : public PaletteFollower {
  public:
    explicit PressedMarker(QAbstractButton& button) : PaletteFollower(button), Button(button) {
        connect(&button, &QAbstractButton::toggled, this, [this] { Apply(); });
        Apply();
    }

  private:
    void Apply() override {
        const QPalette desktop = QApplication::palette();
        if (Button.isChecked() && !IsLight(desktop)) {
            QPalette turned;
            turned.setColor(QPalette::Button, desktop.color(QPalette::ButtonText));
            turned.setColor(QPalette::ButtonText, desktop.color(QPalette::Button));
            Button.setPalette(turned);
        } else if (Button.testAttribute(Qt::WA_SetPalette)) {
            Button.setPalette(QPalette()); // the window's colours again
        }
    }

    QAbstractButton& Button;
};

} // namespace

QColor ButtonFace() {
    return QApplication::palette().color(QPalette::Button);
}

double Luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.red()) + 0.7152 * Linear(rgb.green()) + 0.0722 * Linear(rgb.blue());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsLight(const QPalette& palette) {
    return Luminance(palette.color(QPalette::Button)) >=
           Luminance(palette.color(QPalette::ButtonText));
}

BoardColours BoardColoursOn(const QPalette& palette) {
    const QColor face = palette.color(QPalette::Button);
    if (IsLight(palette))
        return {face,          DesignedGiven,    DesignedEntry,
                DesignedGuess, DesignedCellLine, DesignedBlockLine};
    // Black becomes the theme's own text colour, for the givens and the block frames alike.
    const QColor text = StandingOut(palette.color(QPalette::ButtonText), face, TextContrast);
    return {face,
            text,
            StandingOut(DesignedEntry, face, TextContrast),
            StandingOut(DesignedGuess, face, TextContrast),
            StandingOut(DesignedCellLine, face, LineContrast),
            text};
}

QPalette PrintedPalette(const QPalette& palette) {
    if (IsLight(palette))
        return palette;
    return QPalette(QColor(Qt::white));
}

void KeepOnButtonFace(QWidget& widget, QPalette::ColorRole role) {
    new ButtonFaceKeeper(widget, role);
}

void ShowPressedOnDarkFace(QAbstractButton& button) {
    new PressedMarker(button);
}
