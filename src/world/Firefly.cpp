#include "world/Firefly.h"

#include <cmath>

void Firefly::update(float dt)
{
    time += dt;
    drawPosition = position + sf::Vector2f(10.f * std::cos(5.f * time), 5.f * std::sin(10.f * time));
}
