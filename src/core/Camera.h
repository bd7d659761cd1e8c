#pragma once

#include <SFML/System/Vector2.hpp>

// The view every world object is drawn through: a world point p appears at
// (p - centre) * zoom + the middle of the 1920 x 1080 reference screen.
struct Camera
{
    static constexpr float kScreenHalfWidth = 960.f;
    static constexpr float kScreenHalfHeight = 540.f;

    sf::Vector2f centre{0.f, 0.f};
    float zoom = 1.f;

    sf::Vector2f toScreen(sf::Vector2f world) const
    {
        return {(world.x - centre.x) * zoom + kScreenHalfWidth, (world.y - centre.y) * zoom + kScreenHalfHeight};
    }
    // The inverse; a zoom of 0 is never set by the game, so it is not guarded.
    sf::Vector2f toWorld(sf::Vector2f screen) const
    {
        return {(screen.x - kScreenHalfWidth) / zoom + centre.x, (screen.y - kScreenHalfHeight) / zoom + centre.y};
    }
};
