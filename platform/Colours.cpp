// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Colours.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <tuple>
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

int Encoded(double linear) {
    const double c = std::clamp(linear, 0.0, 1.0);
    return static_cast<int>(
        std::lround(255 * (c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055)));
}

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

double Degrees(double radians) {
    const double degrees = radians * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

// Where black and white stand out from a face equally: a lighter face takes dark digits, a darker
// one light digits.
constexpr double MiddleLuminance = 0.17913; // sqrt(1.05 * 0.05) - 0.05

// Each two kinds of digit: a colour difference that shows at a glance, for everyone and for a
// player without red-green vision where the face leaves room, and lightness apart, so that hue
// is not all that tells them apart.
constexpr double DigitDifference = 15.0;
constexpr double DeuteranopeDifference = 10.0;
constexpr double DigitsApart = 1.2;

// A colour of the board made for a face: its contrast to the face, how it looks (to everyone and
// to a deuteranope), how different it is from the given's colour, and how far it was moved from
// the designed colour.
struct Candidate {
    QColor Colour;
    double Stands = 0;
    Lab Seen;
    Lab SeenDeuteranope;
    double FromGiven = 0;
    double FromGivenDeuteranope = 0;
    int Steps = 0;
};

Candidate Describe(const QColor& colour, const QColor& face, int steps) {
    return {colour, Contrast(colour, face), ToLab(colour), ToLab(AsDeuteranopeSees(colour)), 0, 0,
            steps};
}

// The designed colour, its hue and saturation kept, made darker (or lighter) one step of
// lightness at a time, from itself to black (or white).
std::vector<QColor> LightnessSteps(const QColor& designed, bool darker) {
    const QColor hsl = designed.toHsl();
    std::vector<QColor> steps;
    for (int lightness = hsl.lightness(); lightness >= 0 && lightness <= 255;
         lightness += darker ? -1 : 1)
        steps.push_back(QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness).toRgb());
    return steps;
}

// The steps that stand out from the face at least as large text must.
std::vector<Candidate> Steps(const QColor& designed, const Candidate& given, const QColor& face,
                             bool darker) {
    const std::vector<QColor> steps = LightnessSteps(designed, darker);
    std::vector<Candidate> readable;
    for (std::size_t moved = 0; moved < steps.size(); ++moved) {
        if (Contrast(steps[moved], face) < LargeTextContrast)
            continue;
        Candidate candidate = Describe(steps[moved], face, static_cast<int>(moved));
        candidate.FromGiven = Ciede2000(given.Seen, candidate.Seen);
        candidate.FromGivenDeuteranope =
            Ciede2000(given.SeenDeuteranope, candidate.SeenDeuteranope);
        readable.push_back(candidate);
    }
    return readable;
}

// The first step that stands out by `ratio`; the last one when none does.
QColor StandingOut(const QColor& designed, const QColor& face, bool darker, double ratio) {
    const std::vector<QColor> steps = LightnessSteps(designed, darker);
    const auto reads = std::ranges::find_if(
        steps, [&](const QColor& step) { return Contrast(step, face) >= ratio; });
    return reads == steps.end() ? steps.back() : *reads;
}

// How well an entry and a guess colour go with the given's on the face, best greatest: first the
// kinds lightness apart and different to everyone, then all three at 4.5 : 1, then different to
// a deuteranope, then as readable as can be below 4.5 : 1, then as little moved as can be.
auto Score(const Candidate& given, const Candidate& entry, const Candidate& guess) {
    const bool apart = Contrast(given.Colour, entry.Colour) >= DigitsApart &&
                       Contrast(entry.Colour, guess.Colour) >= DigitsApart &&
                       entry.Stands >= guess.Stands;
    const double difference =
        std::min({entry.FromGiven, guess.FromGiven, Ciede2000(entry.Seen, guess.Seen)});
    const double deuteranope = std::min({entry.FromGivenDeuteranope, guess.FromGivenDeuteranope,
                                         Ciede2000(entry.SeenDeuteranope, guess.SeenDeuteranope)});
    return std::tuple(apart, difference >= DigitDifference, guess.Stands >= TextContrast,
                      std::min(deuteranope, DeuteranopeDifference),
                      std::min(guess.Stands, TextContrast), -(entry.Steps + guess.Steps));
}

// The board's colours for a face on which the designed ones do not all read: givens and block
// lines the darkest (or lightest) there is, cell lines and the other two kinds of digit the
// designed colours moved as far as they need.
BoardColours MadeFor(const QColor& face) {
    const bool darker = Luminance(face) >= MiddleLuminance;
    const QColor extreme = darker ? Qt::black : Qt::white;
    const Candidate given = Describe(extreme, face, 0);
    const std::vector<Candidate> entries = Steps(DesignedEntry, given, face, darker);
    const std::vector<Candidate> guesses = Steps(DesignedGuess, given, face, darker);
    const Candidate* bestEntry = nullptr;
    const Candidate* bestGuess = nullptr;
    decltype(Score(given, given, given)) best{};
    for (const Candidate& entry : entries)
        for (const Candidate& guess : guesses) {
            const auto score = Score(given, entry, guess);
            if (!bestEntry || score > best) {
                best = score;
                bestEntry = &entry;
                bestGuess = &guess;
            }
        }
    const QColor cellLine = StandingOut(DesignedCellLine, face, darker, LineContrast);
    if (!bestEntry) // no step reads: the most there is
        return {face, extreme, extreme, extreme, cellLine, extreme};
    return {face, extreme, bestEntry->Colour, bestGuess->Colour, cellLine, extreme};
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

Lab ToLab(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    const double r = Linear(rgb.red()), g = Linear(rgb.green()), b = Linear(rgb.blue());
    // XYZ relative to the D65 white.
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    const auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// Sharma, Wu and Dalal's statement of the CIEDE2000 formula, its terms named as there.
double Ciede2000(const Lab& first, const Lab& second) {
    const double c7 =
        std::pow((std::hypot(first.A, first.B) + std::hypot(second.A, second.B)) / 2, 7);
    const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * first.A, a2 = (1 + g) * second.A;
    const double c1 = std::hypot(a1, first.B), c2 = std::hypot(a2, second.B);
    const double h1 = c1 == 0 ? 0 : Degrees(std::atan2(first.B, a1));
    const double h2 = c2 == 0 ? 0 : Degrees(std::atan2(second.B, a2));
    double dh = h2 - h1;
    if (c1 * c2 == 0)
        dh = 0;
    else if (dh > 180)
        dh -= 360;
    else if (dh < -180)
        dh += 360;
    const double dL = second.L - first.L, dC = c2 - c1;
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(Radians(dh / 2));
    const double l = (first.L + second.L) / 2, c = (c1 + c2) / 2;
    double h = h1 + h2;
    if (c1 * c2 != 0)
        h = std::abs(h1 - h2) <= 180 ? h / 2 : (h < 360 ? (h + 360) / 2 : (h - 360) / 2);
    const double t = 1 - 0.17 * std::cos(Radians(h - 30)) + 0.24 * std::cos(Radians(2 * h)) +
                     0.32 * std::cos(Radians(3 * h + 6)) - 0.20 * std::cos(Radians(4 * h - 63));
    const double rc = 2 * std::sqrt(std::pow(c, 7) / (std::pow(c, 7) + std::pow(25.0, 7)));
    const double rt = -std::sin(Radians(60 * std::exp(-std::pow((h - 275) / 25, 2)))) * rc;
    const double sl = 1 + 0.015 * (l - 50) * (l - 50) / std::sqrt(20 + (l - 50) * (l - 50));
    const double sc = 1 + 0.045 * c, sh = 1 + 0.015 * c * t;
    return std::sqrt(std::pow(dL / sl, 2) + std::pow(dC / sc, 2) + std::pow(dH / sh, 2) +
                     rt * (dC / sc) * (dH / sh));
}

QColor AsDeuteranopeSees(const QColor& colour) {
    // Machado, Oliveira and Fernandes (2009), severity 1, on linear light.
    static constexpr double m[3][3] = {{0.367322, 0.860646, -0.227968},
                                       {0.280085, 0.672501, 0.047413},
                                       {-0.011820, 0.042940, 0.968881}};
    const QColor rgb = colour.toRgb();
    const double in[3] = {Linear(rgb.red()), Linear(rgb.green()), Linear(rgb.blue())};
    int out[3];
    for (int i = 0; i < 3; ++i)
        out[i] = Encoded(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2]);
    return QColor(out[0], out[1], out[2]);
}

BoardColours BoardColoursOn(const QPalette& palette) {
    const QColor face = palette.color(QPalette::Button);
    const BoardColours designed{face,          DesignedGiven,    DesignedEntry,
                                DesignedGuess, DesignedCellLine, DesignedBlockLine};
    const bool reads = std::ranges::all_of(
        std::array{designed.Given, designed.Entry, designed.Guess, designed.CellFrame,
                   designed.BlockFrame},
        [&face](const QColor& colour) { return Contrast(colour, face) >= LargeTextContrast; });
    return reads ? designed : MadeFor(face);
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
