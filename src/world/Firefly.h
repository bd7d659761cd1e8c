#pragma once

#include "world/SecondFloorLighting.h"

// A firefly's glow, drifting in a small figure-eight around its prop.
class Firefly : public SecondFloorLighting
{
public:
    using SecondFloorLighting::SecondFloorLighting;

    void update(float dt) override;

    float time = 0.f;
};
