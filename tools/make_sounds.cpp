// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesises the game's nine sound effects and writes them as 16-bit mono WAV files.
//   make_sounds [folder]      (default: the current folder)
// Everything is computed from fixed parameters and a fixed noise seed, so a rerun writes the same
// bytes.

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 44100;
constexpr double Pi = std::numbers::pi;
constexpr double TwoPi = 2.0 * Pi;
constexpr double PeakDb = -4.0; // leaves headroom and keeps the effects below music level

using Samples = std::vector<double>;

Samples Silence(double seconds) {
    return Samples(static_cast<size_t>(seconds * Rate + 0.5), 0.0);
}

double Time(size_t i) {
    return static_cast<double>(i) / Rate;
}

// Our own generator: std distributions are not the same across library versions.
class Noise {
  public:
    explicit Noise(std::uint64_t seed) : State(seed) {}
    double Next() { // uniform in [-1, 1)
        State ^= State >> 12;
        State ^= State << 25;
        State ^= State >> 27;
        const std::uint64_t value = State * 0x2545F4914F6CDD1DULL;
        return static_cast<double>(value >> 11) / 4503599627370496.0 - 1.0;
    }
    double Between(double low, double high) { return low + (high - low) * (Next() + 1.0) / 2.0; }

  private:
    std::uint64_t State;
};

// A second-order filter after the well-known audio cookbook formulas; coefficients may change
// from sample to sample for sweeps.
class Biquad {
  public:
    enum Kind { LowPass, BandPass, HighPass };
    void Set(Kind kind, double frequency, double q) {
        const double w = TwoPi * frequency / Rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double c = std::cos(w);
        double b0 = 0, b1 = 0, b2 = 0;
        switch (kind) {
        case LowPass:
            b0 = (1 - c) / 2, b1 = 1 - c, b2 = (1 - c) / 2;
            break;
        case BandPass:
            b0 = alpha, b1 = 0, b2 = -alpha;
            break;
        case HighPass:
            b0 = (1 + c) / 2, b1 = -(1 + c), b2 = (1 + c) / 2;
            break;
        }
        const double a0 = 1 + alpha;
        B0 = b0 / a0, B1 = b1 / a0, B2 = b2 / a0;
        A1 = -2 * c / a0, A2 = (1 - alpha) / a0;
    }
    double Run(double x) {
        const double y = B0 * x + B1 * X1 + B2 * X2 - A1 * Y1 - A2 * Y2;
        X2 = X1, X1 = x, Y2 = Y1, Y1 = y;
        return y;
    }

  private:
    double B0 = 1, B1 = 0, B2 = 0, A1 = 0, A2 = 0;
    double X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
};

// Raised-cosine rise over `seconds`, so no effect starts with a click.
double Rise(double t, double seconds) {
    if (t >= seconds)
        return 1.0;
    return 0.5 - 0.5 * std::cos(Pi * t / seconds);
}

// A partial of a struck or plucked tone: sine with a soft start and an exponential decay.
void AddPartial(Samples& out, double start, double frequency, double amplitude, double decay,
                double attack = 0.003) {
    const size_t first = static_cast<size_t>(start * Rate);
    for (size_t i = first; i < out.size(); ++i) {
        const double t = Time(i - first);
        const double envelope = Rise(t, attack) * std::exp(-t / decay);
        if (envelope < 1e-5 && t > attack)
            break;
        out[i] += amplitude * envelope * std::sin(TwoPi * frequency * t);
    }
}

struct Partial {
    double Ratio, Amplitude, Decay;
};

void AddTone(Samples& out, double start, double frequency, double amplitude,
             const std::vector<Partial>& partials, double attack = 0.003) {
    for (const Partial& p : partials)
        AddPartial(out, start, frequency * p.Ratio, amplitude * p.Amplitude, p.Decay, attack);
}

// Scales to the target peak and fades the last few milliseconds out to exact silence.
void Finish(Samples& out, double fadeSeconds) {
    double peak = 0;
    for (double s : out)
        peak = std::max(peak, std::abs(s));
    const double gain = peak > 0 ? std::pow(10.0, PeakDb / 20.0) / peak : 0.0;
    const size_t fade = std::min(out.size(), static_cast<size_t>(fadeSeconds * Rate));
    for (size_t i = 0; i < out.size(); ++i) {
        double s = out[i] * gain;
        const size_t left = out.size() - 1 - i;
        if (left < fade)
            s *= 0.5 - 0.5 * std::cos(Pi * static_cast<double>(left) / static_cast<double>(fade));
        out[i] = s;
    }
    out.front() = 0.0;
}

// A soft "bloop": a sine whose pitch falls quickly, like a bubble or a cork.
Samples Pop() {
    Samples out = Silence(0.12);
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Time(i);
        const double frequency = 300.0 + 650.0 * std::exp(-t / 0.012);
        phase += TwoPi * frequency / Rate;
        const double envelope = Rise(t, 0.0015) * std::exp(-t / 0.028);
        out[i] = envelope * (std::sin(phase) + 0.12 * std::sin(2 * phase));
    }
    Finish(out, 0.015);
    return out;
}

// An eraser stroke: band-passed noise whose centre sweeps up, with a rubbing flutter.
Samples Erase() {
    Samples out = Silence(0.32);
    Noise noise(0x5eed0001);
    Biquad first, second;
    const double length = 0.32;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Time(i);
        const double x = t / length;
        const double centre = 1600.0 + 3400.0 * x;
        first.Set(Biquad::BandPass, centre, 1.1);
        second.Set(Biquad::BandPass, centre * 1.3, 1.4);
        const double band = first.Run(noise.Next());
        const double swish = second.Run(band);
        const double envelope = std::pow(std::sin(Pi * std::pow(x, 0.8)), 1.6);
        const double flutter = 1.0 - 0.3 * (0.5 + 0.5 * std::sin(TwoPi * 28.0 * t));
        out[i] = envelope * flutter * swish;
    }
    Finish(out, 0.02);
    return out;
}

const std::vector<Partial> Bell = {
    {1.0, 1.0, 0.30}, {2.0, 0.32, 0.14}, {3.01, 0.12, 0.07}, {4.2, 0.06, 0.04}};

// Two bright bell notes, a fourth apart, rising: "look here".
Samples Notify() {
    Samples out = Silence(0.5);
    AddTone(out, 0.0, 987.77, 0.8, Bell);   // B5
    AddTone(out, 0.11, 1318.51, 1.0, Bell); // E6
    Finish(out, 0.05);
    return out;
}

// A short round of applause: many hand claps at random moments, each a burst of band-passed
// noise, over a faint wash of the crowd.
Samples Clap() {
    const double length = 0.8;
    Samples out = Silence(length);
    Noise noise(0x5eed0004);
    for (int clap = 0; clap < 70; ++clap) {
        // More claps early on, thinning out towards the end.
        double start = 0;
        for (;;) {
            start = noise.Between(0.0, length - 0.06);
            const double density = Rise(start, 0.08) * (start < 0.45 ? 1.0 : (0.74 - start) / 0.29);
            if (noise.Between(0.0, 1.0) < density)
                break;
        }
        const double loudness = noise.Between(0.35, 1.0);
        const double decay = noise.Between(0.005, 0.013);
        Biquad body;
        body.Set(Biquad::BandPass, noise.Between(900.0, 2600.0), noise.Between(0.9, 1.6));
        const size_t first = static_cast<size_t>(start * Rate);
        for (size_t i = first; i < out.size(); ++i) {
            const double t = Time(i - first);
            if (t > 12 * decay)
                break;
            out[i] += loudness * Rise(t, 0.0008) * std::exp(-t / decay) * body.Run(noise.Next());
        }
    }
    Biquad wash;
    wash.Set(Biquad::BandPass, 1500.0, 0.7);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Time(i);
        out[i] +=
            0.06 * Rise(t, 0.1) * std::exp(-std::max(0.0, t - 0.4) / 0.15) * wash.Run(noise.Next());
    }
    // Hands in a room, not hiss: take the edge off the top.
    Biquad room;
    room.Set(Biquad::LowPass, 7000.0, 0.7);
    for (double& s : out)
        s = room.Run(s);
    // A gentle soft clip keeps the loudest clap from making the whole round sound quiet.
    double peak = 0;
    for (double s : out)
        peak = std::max(peak, std::abs(s));
    for (double& s : out)
        s = std::tanh(2.0 * s / peak);
    Finish(out, 0.1);
    return out;
}

// A low, rough buzz: two detuned band-limited saw waves that sag slightly in pitch.
Samples Not() {
    const double length = 0.42;
    Samples out = Silence(length);
    const double voices[] = {98.0, 103.6};
    for (double base : voices) {
        double phase = 0;
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = Time(i);
            phase += TwoPi * base * (1.0 - 0.06 * t / length) / Rate;
            double saw = 0;
            for (int k = 1; k * base < 3000.0; ++k)
                saw += std::sin(k * phase) / k * std::exp(-k / 14.0);
            const double envelope = Rise(t, 0.01) * (1.0 - 0.35 * t / length);
            out[i] += envelope * saw;
        }
    }
    Finish(out, 0.07);
    return out;
}

// A brass-like note: harmonics that open up during the attack, with a gentle vibrato once held.
void AddBrass(Samples& out, double start, double length, double frequency, double amplitude) {
    const size_t first = static_cast<size_t>(start * Rate);
    const size_t count = static_cast<size_t>(length * Rate);
    double phase = 0;
    for (size_t n = 0; n < count && first + n < out.size(); ++n) {
        const double t = Time(n);
        const double vibrato = 1.0 + 0.004 * Rise(t, 0.2) * std::sin(TwoPi * 5.5 * t);
        phase += TwoPi * frequency * vibrato / Rate;
        double sum = 0;
        for (int k = 1; k <= 12 && k * frequency < 9000.0; ++k) {
            const double opening = 1.0 - std::exp(-t / (0.004 + 0.003 * k));
            sum += opening * std::sin(k * phase) / std::pow(k, 1.15);
        }
        const double left = length - t;
        const double envelope = Rise(t, 0.006) * std::min(1.0, left / 0.03);
        out[first + n] += amplitude * envelope * sum;
    }
}

// A short fanfare: three quick pick-up notes and a held chord.
Samples Best() {
    Samples out = Silence(0.8);
    AddBrass(out, 0.00, 0.09, 392.00, 0.7); // G4
    AddBrass(out, 0.10, 0.09, 523.25, 0.7); // C5
    AddBrass(out, 0.20, 0.09, 659.26, 0.7); // E5
    AddBrass(out, 0.30, 0.50, 783.99, 0.8); // G5, held
    AddBrass(out, 0.30, 0.50, 523.25, 0.4);
    AddBrass(out, 0.30, 0.50, 659.26, 0.4);
    Finish(out, 0.15);
    return out;
}

// Two soft falling notes: things come to a halt.
Samples Pause() {
    Samples out = Silence(0.38);
    const std::vector<Partial> soft = {{1.0, 1.0, 0.12}, {2.0, 0.18, 0.06}};
    AddTone(out, 0.0, 880.00, 0.9, soft, 0.012);  // A5
    AddTone(out, 0.13, 587.33, 1.0, soft, 0.012); // D5
    Finish(out, 0.04);
    return out;
}

// A warm rising arpeggio on a wooden bar: the puzzle is ready.
Samples Ready() {
    Samples out = Silence(0.6);
    const std::vector<Partial> marimba = {{1.0, 1.0, 0.28}, {3.93, 0.25, 0.05}, {9.2, 0.05, 0.02}};
    AddTone(out, 0.00, 523.25, 0.8, marimba, 0.002); // C5
    AddTone(out, 0.09, 659.26, 0.8, marimba, 0.002); // E5
    AddTone(out, 0.18, 783.99, 1.0, marimba, 0.002); // G5
    Finish(out, 0.06);
    return out;
}

// A quick run up the major scale, ending on a ringing top note.
Samples Solve() {
    Samples out = Silence(0.7);
    const double scale[] = {523.25, 587.33, 659.26,  698.46,  783.99,  880.00,
                            987.77, 1046.5, 1174.66, 1318.51, 1396.91, 1567.98};
    const std::vector<Partial> pluck = {{1.0, 1.0, 0.07}, {2.0, 0.3, 0.04}, {3.0, 0.1, 0.025}};
    const std::vector<Partial> last = {{1.0, 1.0, 0.16}, {2.0, 0.3, 0.08}, {3.0, 0.1, 0.04}};
    const int count = static_cast<int>(std::size(scale));
    for (int n = 0; n < count; ++n)
        AddTone(out, 0.045 * n, scale[n], 0.6 + 0.4 * n / (count - 1),
                n == count - 1 ? last : pluck, 0.002);
    Finish(out, 0.05);
    return out;
}

bool Write(const std::string& path, const Samples& samples) {
    SF_INFO info{};
    info.samplerate = Rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        std::fprintf(stderr, "make_sounds: %s: %s\n", path.c_str(), sf_strerror(nullptr));
        return false;
    }
    std::vector<short> pcm(samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        pcm[i] = static_cast<short>(std::lround(std::clamp(samples[i], -1.0, 1.0) * 32767.0));
    const sf_count_t written =
        sf_writef_short(file, pcm.data(), static_cast<sf_count_t>(pcm.size()));
    const bool ok = written == static_cast<sf_count_t>(pcm.size());
    if (!ok)
        std::fprintf(stderr, "make_sounds: %s: %s\n", path.c_str(), sf_strerror(file));
    return sf_close(file) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    struct Effect {
        const char* Name;
        Samples (*Make)();
    };
    const Effect effects[] = {{"pop.wav", Pop},     {"erase.wav", Erase}, {"notify.wav", Notify},
                              {"clap.wav", Clap},   {"not.wav", Not},     {"best.wav", Best},
                              {"pause.wav", Pause}, {"ready.wav", Ready}, {"solve.wav", Solve}};
    bool ok = true;
    for (const Effect& effect : effects)
        ok = Write(folder + "/" + effect.Name, effect.Make()) && ok;
    return ok ? 0 : 1;
}
