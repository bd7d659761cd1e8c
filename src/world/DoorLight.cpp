#include "world/DoorLight.h"

void DoorLight::update(float dt)
{
    drawPosition = position;
    if (!LightFlags::clearedEdge || done)
        return;
    timer += dt;
    if (timer > kGrowTime)
    {
        scale = 1.f;
        timer = 0.f;
        done = true;
    }
    else
        scale = 2.f * timer;
}

void DoorLight::draw(sf::RenderTarget& target)
{
    drawScaled(target, scale);
}
