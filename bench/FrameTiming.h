#pragma once

// What the frame benchmarks share: a frame timed until the picture is really
// finished, the median and 95th percentile of a series, and the reference frame
// (a clear and one full-window textured sprite) that every goal is a multiple of,
// timed between the frames it is compared with.

#include "core/Engine.h"

#include <SFML/Graphics.hpp>
#include <SFML/OpenGL.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace bench
{
using Clock = std::chrono::steady_clock;

inline double milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Figures
{
    double median = 0.0;
    double p95 = 0.0;
};

inline Figures figuresOf(std::vector<double> samples)
{
    if (samples.empty())
        return {};
    std::sort(samples.begin(), samples.end());
    Figures f;
    f.median = samples[samples.size() / 2];
    f.p95 = samples[std::min(samples.size() - 1, samples.size() * 95 / 100)];
    return f;
}

// One frame as the engine draws it, waiting until the picture is really finished.
inline double timedFrame(sf::RenderWindow& window, const std::function<void()>& drawFrame)
{
    const auto start = Clock::now();
    drawFrame();
    window.display();
    glFinish();
    return milliseconds(Clock::now() - start);
}

// The reference frame: a clear and one full-window textured sprite, the picture made once.
class ReferenceFrame
{
public:
    ReferenceFrame()
    {
        sf::Image image;
        image.create(Engine::kWidth, Engine::kHeight, sf::Color(90, 30, 36));
        texture_.loadFromImage(image);
        screen_.setTexture(texture_, true);
    }
    void draw(sf::RenderTarget& window) const
    {
        window.clear(sf::Color(41, 12, 14));
        window.draw(screen_);
    }

private:
    sf::Texture texture_;
    sf::Sprite screen_;
};

// A series of frames and the reference frames timed between them.
struct Compared
{
    Figures frames;
    Figures reference;

    double medianRatio() const { return reference.median > 0.0 ? frames.median / reference.median : 0.0; }
    double p95Ratio() const { return reference.median > 0.0 ? frames.p95 / reference.median : 0.0; }
};

// Times one frame and one reference frame after it, keeping both once `keep`: on a
// shared machine whose speed drifts from second to second, frames and reference
// frames then see the same load, and their ratio holds where their times do not.
class PairedTiming
{
public:
    void frame(sf::RenderWindow& window, const std::function<void()>& drawFrame, bool keep)
    {
        const double ms = timedFrame(window, drawFrame);
        const double ref = timedFrame(window, [&] { reference_.draw(window); });
        if (keep)
        {
            frames_.push_back(ms);
            references_.push_back(ref);
        }
    }
    Compared figures() const { return {figuresOf(frames_), figuresOf(references_)}; }

private:
    ReferenceFrame reference_;
    std::vector<double> frames_;
    std::vector<double> references_;
};

// `frames` timed frames after ten untimed ones, each followed by a reference frame.
inline Compared timedFrames(sf::RenderWindow& window, int frames, const std::function<void(int)>& drawFrame)
{
    PairedTiming timing;
    for (int i = 0; i < frames + 10; ++i)
        timing.frame(window, [&] { drawFrame(i); }, i >= 10);
    return timing.figures();
}

// A line of a frame table: what, the median and 95th percentile, the reference's
// median and both ratios to it; `worst` keeps the largest median ratio.
inline void report(const std::string& what, const Compared& c, double& worst)
{
    worst = std::max(worst, c.medianRatio());
    std::printf("%-28s %10.2f %10.2f %10.2f %8.2f %8.2f\n", what.c_str(), c.frames.median, c.frames.p95,
                c.reference.median, c.medianRatio(), c.p95Ratio());
}

inline void reportHeader(const char* what)
{
    std::printf("%-28s %10s %10s %10s %8s %8s\n", what, "median ms", "p95 ms", "ref ms", "median x", "p95 x");
}
} // namespace bench
