#pragma once

// Driving a run of the real game from a test: from the splash to a generated floor,
// and comparing screenshots.

#include "support/GameProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace rundriving
{
using namespace std::chrono_literals;

// Skips the splash and waits for the menu, then presses Play until the run has
// generated its first floor.
inline void startRun(GameProcess& game)
{
    ASSERT_TRUE(until([&] { return game.countInLog("Loading map textures") >= 1; }, [&] { game.click(400, 400); },
                      60s))
        << "the main menu never appeared:\n"
        << game.log();
    ASSERT_TRUE(until([&] { return game.countInLog("Generated floor with") >= 1 || game.countInLog("Fatal") > 0; },
                      [&] { game.click(1500, 455); }, 120s))
        << "Play did not start a run:\n"
        << game.log();
}

// Mean absolute difference of rectangle `ra` of `a` and rectangle `rb` (of the same
// size) of `b`: 0 for the same pixels.
inline double patchDifference(const sf::Image& a, sf::IntRect ra, const sf::Image& b, sf::IntRect rb)
{
    auto inside = [](const sf::Image& image, sf::IntRect r)
    {
        return r.left >= 0 && r.top >= 0 && image.getSize().x >= static_cast<unsigned>(r.left + r.width) &&
               image.getSize().y >= static_cast<unsigned>(r.top + r.height);
    };
    if (ra.width != rb.width || ra.height != rb.height || !inside(a, ra) || !inside(b, rb))
        return 255.0;
    const int step = ra.width * ra.height > 100000 ? 8 : 2;
    double sum = 0;
    long n = 0;
    for (int y = 0; y < ra.height; y += step)
        for (int x = 0; x < ra.width; x += step)
        {
            const sf::Color p = a.getPixel(ra.left + x, ra.top + y), q = b.getPixel(rb.left + x, rb.top + y);
            sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            n += 3;
        }
    return n ? sum / n : 0.0;
}

// Mean absolute difference of two whole screenshots.
inline double difference(const sf::Image& a, const sf::Image& b)
{
    const sf::IntRect all(0, 0, static_cast<int>(a.getSize().x), static_cast<int>(a.getSize().y));
    return a.getSize() == b.getSize() ? patchDifference(a, all, b, all) : 255.0;
}
} // namespace rundriving
