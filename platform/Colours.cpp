// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Colours.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <cmath>
#include <functional>
#include <vector>

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

// The game's own colours in one window, made again each time the desktop's palette changes while
// the game runs. Qt tells each window of the change; the window's widgets are coloured from here.
class WindowColours : public QObject {
    Q_OBJECT
  public:
    static WindowColours& Of(QWidget& widget) {
        QWidget& window = *widget.window();
        auto* existing = window.findChild<WindowColours*>(QString(), Qt::FindDirectChildrenOnly);
        return existing ? *existing : *new WindowColours(window);
    }

    // Applies now and with every change of the palette.
    void Follow(std::function<void()> apply) {
        apply();
        Rules.push_back(std::move(apply));
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange)
            for (const auto& apply : Rules)
                apply();
        return false;
    }

  private:
    explicit WindowColours(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

    std::vector<std::function<void()>> Rules;
};

// Sets the role to the button face.
void PaintOnButtonFace(QWidget& widget, QPalette::ColorRole role) {
    QPalette colours = widget.palette();
    colours.setColor(role, ButtonFace());
    widget.setPalette(colours);
}

// Turns the button's colours round while it is pressed on a dark face.
void MarkPressed(QAbstractButton& button) {
    const QPalette desktop = QApplication::palette();
    if (button.isChecked() && !IsLight(desktop)) {
        QPalette turned;
        turned.setColor(QPalette::Button, desktop.color(QPalette::ButtonText));
        turned.setColor(QPalette::ButtonText, desktop.color(QPalette::Button));
        button.setPalette(turned);
    } else if (button.testAttribute(Qt::WA_SetPalette)) {
        button.setPalette(QPalette()); // the window's colours again
    }
}

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

QPalette PrintedPalette() {
    return QPalette(QColor(Qt::white));
}

void KeepOnButtonFace(QWidget& widget, QPalette::ColorRole role) {
    WindowColours::Of(widget).Follow([target = QPointer(&widget), role] {
        if (target)
            PaintOnButtonFace(*target, role);
    });
}

void ShowPressedOnDarkFace(QAbstractButton& button) {
    const auto mark = [target = QPointer(&button)] {
        if (target)
            MarkPressed(*target);
    };
    QObject::connect(&button, &QAbstractButton::toggled, &button, mark);
    WindowColours::Of(button).Follow(mark);
}

#include "Colours.moc"
