#pragma once

// What the frame benchmarks share: a frame timed until the picture is really
// finished, the median and 95th percentile of a series, and the reference frame
// (a clear and one full-window textured sprite) that every goal is a multiple of.

#include "core/Engine.h"

#include <SFML/Graphics.hpp>
#include <SFML/OpenGL.hpp>

#include <algorithm>
#include <chrono>
#include <functional>
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

// `frames` timed frames after ten untimed ones.
inline Figures timedFrames(sf::RenderWindow& window, int frames, const std::function<void(int)>& drawFrame)
{
    std::vector<double> samples;
    for (int i = 0; i < frames + 10; ++i)
    {
        const double ms = timedFrame(window, [&] { drawFrame(i); });
        if (i >= 10)
            samples.push_back(ms);
    }
    return figuresOf(samples);
}

inline Figures referenceFrame(sf::RenderWindow& window, int frames)
{
    sf::Image image;
    image.create(Engine::kWidth, Engine::kHeight, sf::Color(90, 30, 36));
    sf::Texture texture;
    texture.loadFromImage(image);
    sf::Sprite screen(texture);
    return timedFrames(window, frames,
                       [&](int)
                       {
                           window.clear(sf::Color(41, 12, 14));
                           window.draw(screen);
                       });
}
} // namespace bench
