#pragma once

#include "world/SecondFloorLighting.h"

#include <SFML/Graphics/Color.hpp>

// The halo around the player in a dark room: it dims as the player enters and
// brightens and widens once the room is cleared, half a second each.
class PlayerLight : public SecondFloorLighting
{
public:
    static constexpr float kTransitionTime = 0.5f;
    static constexpr float kLowAlpha = 150.f;
    static constexpr float kHighAlpha = 255.f;

    PlayerLight(sf::Color colour, float startScale);

    void update(float dt) override;
    void draw(sf::RenderTarget& target) override;

    float timer = 0.f;
    float scale = 1.f;
    bool done = false;

private:
    void setAlpha(float alpha);
};
