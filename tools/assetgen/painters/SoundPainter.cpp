// The player's sounds and the zone music, synthesised: filtered noise for the
// scythe's whoosh and the dodge's rustle, formant-filtered voice for the hurt
// grunt and the death groan, ringing partials for metal and bells. Every random
// value comes from a fixed seed, so the files never change between builds.

#include "Canvas.h"
#include "Painter.h"

#include "run/Player.h"
#include "run/RunTextures.h"

#include <SFML/Audio/SoundBuffer.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace
{
constexpr unsigned kRate = 44100;
constexpr double kTwoPi = 2 * M_PI;

// A second-order filter (the audio cookbook's band-pass and low-pass) whose
// frequency may change every sample.
class Biquad
{
public:
    enum class Kind
    {
        LowPass,
        BandPass
    };
    explicit Biquad(Kind kind) : kind_(kind) {}
    double process(double x, double frequency, double q)
    {
        frequency = std::clamp(frequency, 20.0, kRate * 0.45);
        const double w = kTwoPi * frequency / kRate, alpha = std::sin(w) / (2 * q), cw = std::cos(w);
        double b0, b1, b2;
        if (kind_ == Kind::LowPass)
            b0 = (1 - cw) / 2, b1 = 1 - cw, b2 = (1 - cw) / 2;
        else
            b0 = alpha, b1 = 0, b2 = -alpha;
        const double a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
        const double y = (b0 * x + b1 * x1_ + b2 * x2_ - a1 * y1_ - a2 * y2_) / a0;
        x2_ = x1_, x1_ = x, y2_ = y1_, y1_ = y;
        return y;
    }

private:
    Kind kind_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

double envelope(double t, double attack, double decay)
{
    if (t < 0)
        return 0;
    return (t < attack ? t / attack : 1.0) * std::exp(-std::max(0.0, t - attack) / decay);
}

// 16-bit PCM in a RIFF file. Written here rather than through SFML, whose WAV
// writer (2.5.1) can leave the format fields of the header garbled.
void writeWav(const std::vector<sf::Int16>& pcm, unsigned channels, const std::filesystem::path& output)
{
    std::ofstream out(output, std::ios::binary);
    auto u32 = [&](std::uint32_t v)
    {
        const char bytes[4] = {char(v & 0xff), char(v >> 8 & 0xff), char(v >> 16 & 0xff), char(v >> 24 & 0xff)};
        out.write(bytes, 4);
    };
    auto u16 = [&](std::uint16_t v)
    {
        const char bytes[2] = {char(v & 0xff), char(v >> 8 & 0xff)};
        out.write(bytes, 2);
    };
    const std::uint32_t dataBytes = std::uint32_t(pcm.size() * 2);
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1); // PCM
    u16(std::uint16_t(channels));
    u32(kRate);
    u32(kRate * channels * 2);
    u16(std::uint16_t(channels * 2));
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (sf::Int16 sample : pcm)
        u16(std::uint16_t(sample));
    if (!out)
        throw std::runtime_error("could not write the sound");
}

// Scales to the given peak (no clipping) and writes 16-bit samples.
void save(const std::vector<double>& samples, unsigned channels, double peak, const std::filesystem::path& output)
{
    // A short fade-out so no effect stops mid-wave with a click.
    std::vector<double> faded = samples;
    const std::size_t fade = std::min<std::size_t>(faded.size(), kRate / 40 * channels);
    if (channels == 1)
        for (std::size_t i = 0; i < fade; ++i)
            faded[faded.size() - 1 - i] *= double(i) / fade;
    const std::vector<double>& out = channels == 1 ? faded : samples;
    double top = 1e-9;
    for (double s : out)
        top = std::max(top, std::abs(s));
    std::vector<sf::Int16> pcm(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        pcm[i] = sf::Int16(std::lround(out[i] / top * peak * 32767));
    if (output.extension() == ".wav")
        return writeWav(pcm, channels, output);
    sf::SoundBuffer buffer;
    if (!buffer.loadFromSamples(pcm.data(), pcm.size(), channels, kRate) || !buffer.saveToFile(output.string()))
        throw std::runtime_error("could not write the sound");
}

std::vector<double> silence(double seconds)
{
    return std::vector<double>(std::size_t(seconds * kRate), 0.0);
}

// A glottal pulse train through two vowel formants: a voice-like grunt.
void addVoice(std::vector<double>& out, double start, double length, double f0From, double f0To, double formant1,
              double formant2, double loudness, std::uint32_t seed)
{
    Biquad f1(Biquad::Kind::BandPass), f2(Biquad::Kind::BandPass), lp(Biquad::Kind::LowPass);
    Dice dice(seed);
    double phase = 0;
    const std::size_t begin = std::size_t(start * kRate), n = std::size_t(length * kRate);
    for (std::size_t i = 0; i < n && begin + i < out.size(); ++i)
    {
        const double t = double(i) / kRate, u = t / length;
        const double f0 = f0From * std::pow(f0To / f0From, u) * (1 + 0.02 * std::sin(kTwoPi * 5.5 * t));
        phase += f0 / kRate;
        phase -= std::floor(phase);
        const double pulse = (1 - 2 * phase) + 0.15 * (dice.uniform() * 2 - 1); // sawtooth with breath
        const double voiced = f1.process(pulse, formant1 * (1 - 0.15 * u), 4) * 1.2 + f2.process(pulse, formant2, 6);
        const double env = std::min(1.0, t / 0.03) * std::pow(1 - u, 1.5);
        out[begin + i] += lp.process(voiced, 3000, 0.7) * env * loudness;
    }
}

// Band-passed noise whose centre sweeps: the sound of something cutting the air.
void addWhoosh(std::vector<double>& out, double start, double length, double fFrom, double fPeak, double q,
               double loudness, std::uint32_t seed)
{
    Biquad band(Biquad::Kind::BandPass), band2(Biquad::Kind::BandPass);
    Dice dice(seed);
    const std::size_t begin = std::size_t(start * kRate), n = std::size_t(length * kRate);
    for (std::size_t i = 0; i < n && begin + i < out.size(); ++i)
    {
        const double u = double(i) / n;
        const double shape = std::sin(M_PI * std::pow(u, 0.7)); // swells, then falls away
        const double f = fFrom + (fPeak - fFrom) * shape;
        const double noise = dice.uniform() * 2 - 1;
        out[begin + i] += band2.process(band.process(noise, f, q), f, q) * shape * shape * loudness;
    }
}

// Struck metal or a bell: inharmonic partials with their own decays.
void addRing(std::vector<double>& out, double start, double base, const std::vector<double>& ratios, double decay,
             double loudness)
{
    const std::size_t begin = std::size_t(start * kRate);
    for (std::size_t k = 0; k < ratios.size(); ++k)
    {
        const double f = base * ratios[k], d = decay / (1 + k * 0.5), a = loudness / (1 + k * 0.6);
        for (std::size_t i = 0; begin + i < out.size(); ++i)
        {
            const double t = double(i) / kRate;
            const double e = envelope(t, 0.002, d);
            if (t > 0.01 && e < 1e-4)
                break;
            out[begin + i] += std::sin(kTwoPi * f * t) * e * a;
        }
    }
}

// A low thump: a sine falling in pitch with a click of noise.
void addThump(std::vector<double>& out, double start, double freq, double decay, double loudness, std::uint32_t seed)
{
    Dice dice(seed);
    Biquad lp(Biquad::Kind::LowPass);
    const std::size_t begin = std::size_t(start * kRate);
    double phase = 0;
    for (std::size_t i = 0; begin + i < out.size() && i < std::size_t(decay * 6 * kRate); ++i)
    {
        const double t = double(i) / kRate;
        phase += freq * (1 + 1.5 * std::exp(-t / 0.02)) / kRate;
        const double e = envelope(t, 0.002, decay);
        const double click = lp.process(dice.uniform() * 2 - 1, 1800, 0.7) * std::exp(-t / 0.012);
        out[begin + i] += (std::sin(kTwoPi * phase) * e + click * 0.6) * loudness;
    }
}

void paintScythe(const std::filesystem::path& output)
{
    auto s = silence(0.6);
    addWhoosh(s, 0.0, 0.42, 400, 2600, 1.6, 1.0, 11);
    addWhoosh(s, 0.05, 0.32, 900, 5200, 3.0, 0.5, 12);
    addRing(s, 0.3, 2350, {1.0, 1.34, 2.03, 2.71}, 0.12, 0.12);
    save(s, 1, 0.85, output);
}

void paintDodge(const std::filesystem::path& output)
{
    auto s = silence(0.5);
    addWhoosh(s, 0.0, 0.3, 250, 1200, 1.0, 1.0, 21);     // cloak through the air
    addWhoosh(s, 0.02, 0.26, 1500, 3500, 2.0, 0.25, 22); // cloth rustle
    addThump(s, 0.3, 70, 0.06, 0.5, 23);                 // landing out of the roll
    save(s, 1, 0.8, output);
}

void paintHurt(const std::filesystem::path& output)
{
    auto s = silence(0.5);
    addThump(s, 0.0, 80, 0.08, 0.9, 31);
    addVoice(s, 0.02, 0.34, 170, 110, 650, 1100, 1.0, 32); // "uh!"
    save(s, 1, 0.85, output);
}

void paintDeath(const std::filesystem::path& output)
{
    auto s = silence(3.2);
    addThump(s, 0.0, 60, 0.12, 0.8, 41);
    addVoice(s, 0.05, 1.2, 150, 62, 560, 900, 1.0, 42);         // a long, falling groan
    addRing(s, 0.35, 98, {1.0, 2.0, 2.76, 5.4, 8.9}, 1.2, 0.5); // a dark bell tolls
    addWhoosh(s, 0.7, 1.5, 200, 700, 0.8, 0.25, 43);            // the soul leaving
    save(s, 1, 0.85, output);
}

void paintSuccessHit(const std::filesystem::path& output)
{
    auto s = silence(0.45);
    addThump(s, 0.0, 110, 0.05, 0.8, 51);
    addWhoosh(s, 0.0, 0.12, 1800, 4000, 1.2, 0.7, 52);
    addRing(s, 0.01, 1568, {1.0, 2.0, 3.0, 4.2}, 0.16, 0.25); // a bright chime rewards the hit
    save(s, 1, 0.85, output);
}

// Zone music: sixty-four seconds of slow D-minor pads over a drone, a distant bell
// motif and wind. Tones are tuned to whole cycles of the loop and every envelope
// runs on the loop's clock; the few seconds rendered past the end (bell echoes,
// wind) are crossfaded into the start, so the loop has no seam.
void paintZoneMusic(const std::filesystem::path& output)
{
    constexpr double kLength = 64.0, kTail = 4.0;
    const std::size_t n = std::size_t(kLength * kRate), total = std::size_t((kLength + kTail) * kRate);
    std::vector<double> left(total, 0.0), right(total, 0.0);
    auto loopTone = [&](double f) { return std::round(f * kLength) / kLength; }; // whole cycles per loop
    auto cyclic = [&](double t) { return std::fmod(t, kLength); };

    // Pads: four chords of sixteen seconds, each fading in and out on the loop clock.
    const std::vector<std::vector<double>> chords = {
        {73.42, 146.83, 174.61, 220.0},  // D minor
        {58.27, 116.54, 174.61, 233.08}, // B flat
        {49.0, 98.0, 146.83, 233.08},    // G minor
        {55.0, 110.0, 164.81, 220.0},    // A (suspended feeling over the drone)
    };
    for (std::size_t c = 0; c < chords.size(); ++c)
    {
        const double centre = c * 16.0 + 8.0;
        for (std::size_t k = 0; k < chords[c].size(); ++k)
        {
            const double f = loopTone(chords[c][k]);
            const double detune = loopTone(chords[c][k] * 1.004);
            for (std::size_t i = 0; i < total; ++i)
            {
                const double t = double(i) / kRate;
                double d = std::abs(cyclic(t) - centre);
                d = std::min(d, kLength - d);                                          // distance on the loop's circle
                const double e = 0.5 + 0.5 * std::cos(std::min(1.0, d / 12.0) * M_PI); // overlaps its neighbours
                if (e < 1e-4)
                    continue;
                const double v = (std::sin(kTwoPi * f * t) + 0.5 * std::sin(kTwoPi * 2 * f * t) * 0.3) * 0.6 +
                                 std::sin(kTwoPi * detune * t) * 0.4;
                const double a = e * (k == 0 ? 0.5 : 0.22);
                left[i] += v * a * (1.0 - 0.3 * (k % 2));
                right[i] += v * a * (0.7 + 0.3 * (k % 2));
            }
        }
    }
    // The drone: low D with a slow swell, always present.
    const double drone = loopTone(36.71), swell = 1.0 / 16.0; // the swell repeats four times per loop
    for (std::size_t i = 0; i < total; ++i)
    {
        const double t = double(i) / kRate;
        const double v = (std::sin(kTwoPi * drone * t) + 0.3 * std::sin(kTwoPi * 2 * drone * t)) *
                         (0.35 + 0.1 * std::sin(kTwoPi * swell * t));
        left[i] += v;
        right[i] += v;
    }
    // Bell motif: a few slow notes of D minor pentatonic, with echoes.
    struct Note
    {
        double time, freq, pan;
    };
    const std::vector<Note> motif = {
        {2.0, 587.33, 0.3},  {4.0, 523.25, 0.6},  {6.0, 440.0, 0.4},   {10.0, 392.0, 0.7},
        {18.0, 587.33, 0.3}, {20.0, 698.46, 0.6}, {22.0, 587.33, 0.4}, {26.0, 466.16, 0.5},
        {34.0, 440.0, 0.4},  {36.0, 392.0, 0.6},  {38.0, 349.23, 0.3}, {42.0, 293.66, 0.5},
        {50.0, 440.0, 0.6},  {52.0, 523.25, 0.4}, {54.0, 440.0, 0.5},  {58.0, 293.66, 0.4},
    };
    std::vector<double> bell(total, 0.0);
    for (const auto& note : motif)
    {
        std::vector<double> one(total, 0.0);
        addRing(one, note.time, note.freq, {1.0, 2.76, 5.4}, 2.5, 0.09);
        for (int echo = 0; echo < 4; ++echo)
        {
            const std::size_t delay = std::size_t(echo * 0.75 * kRate);
            const double gain = std::pow(0.45, echo);
            const double pan = echo % 2 ? 1 - note.pan : note.pan;
            for (std::size_t i = 0; i + delay < total; ++i)
            {
                if (one[i] == 0.0)
                    continue;
                left[i + delay] += one[i] * gain * (1 - pan);
                right[i + delay] += one[i] * gain * pan;
            }
        }
    }
    // Wind: low-passed noise, breathing slowly.
    Dice dice(61);
    Biquad windL(Biquad::Kind::BandPass), windR(Biquad::Kind::BandPass);
    for (std::size_t i = 0; i < total; ++i)
    {
        const double t = double(i) / kRate;
        const double gust = 0.5 + 0.5 * std::sin(kTwoPi * t / 16.0 + 1.0);
        const double f = 300 + 250 * gust;
        left[i] += windL.process(dice.uniform() * 2 - 1, f, 1.2) * 0.5 * (0.3 + gust);
        right[i] += windR.process(dice.uniform() * 2 - 1, f * 1.1, 1.2) * 0.5 * (0.3 + gust);
    }
    // Crossfade what rang past the end into the start.
    const std::size_t fade = total - n;
    std::vector<double> interleaved(n * 2);
    for (std::size_t i = 0; i < n; ++i)
    {
        double l = left[i], r = right[i];
        if (i < fade)
        {
            const double w = double(i) / fade;
            l = l * w + left[n + i] * (1 - w);
            r = r * w + right[n + i] * (1 - w);
        }
        interleaved[2 * i] = l;
        interleaved[2 * i + 1] = r;
    }
    save(interleaved, 2, 0.7, output);
}

class SoundPainter : public PatternPainter
{
public:
    SoundPainter() : PatternPainter({R"(Assets/Sounds/.*)"}) {}
    std::string name() const override { return "sounds"; }
    int version() const override { return 1; }
    std::vector<std::string> inputs(const std::string&) const override
    {
        return {std::string(UMBRAVALE_SOURCE_DIR) + "/src/run/Player.h"};
    }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        if (path == Player::kScytheSound)
            return paintScythe(output);
        if (path == Player::kDodgeSound)
            return paintDodge(output);
        if (path == Player::kHitSound)
            return paintHurt(output);
        if (path == Player::kDeathSound)
            return paintDeath(output);
        if (path == Player::kSuccessSound)
            return paintSuccessHit(output);
        if (path == RunTextures::kZoneMusic)
            return paintZoneMusic(output);
        throw std::runtime_error("no sound for this file");
    }
};

RegisterPainter<SoundPainter> registration;
} // namespace
