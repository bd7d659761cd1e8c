#pragma once

#include "world/SecondFloorLighting.h"

// The rose glow of a cave mushroom, fixed on its prop.
class ShroomLight : public SecondFloorLighting
{
public:
    explicit ShroomLight(sf::Vector2f position) : SecondFloorLighting(position)
    {
        sprite.setColor(sf::Color(174, 60, 81, 255));
    }
};
