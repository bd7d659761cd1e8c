#pragma once

#include "world/SecondFloorLighting.h"

// The glow at an exit of a dark room: invisible while enemies live, it grows to
// full size over half a second once the room is cleared.
class DoorLight : public SecondFloorLighting
{
public:
    static constexpr float kGrowTime = 0.5f;

    using SecondFloorLighting::SecondFloorLighting;

    void update(float dt) override;
    void draw(sf::RenderTarget& target) override;

    float timer = 0.f;
    float scale = 0.f;
    bool done = false;
};
