#include "world/PlayerLight.h"

#include "creatures/Entity.h"
#include "world/RunContext.h"

PlayerLight::PlayerLight(sf::Color colour, float startScale) : SecondFloorLighting({0.f, 0.f}), scale(startScale)
{
    sprite.setColor(colour);
}

void PlayerLight::setAlpha(float alpha)
{
    sf::Color colour = sprite.getColor();
    colour.a = static_cast<sf::Uint8>(alpha);
    sprite.setColor(colour);
}

void PlayerLight::update(float dt)
{
    if (const RunContext* run = RunContext::active())
        if (const Entity* player = run->player())
            drawPosition = player->getPosition();

    if (LightFlags::roomCleared && !done)
    {
        timer += dt;
        if (timer > kTransitionTime)
        {
            timer = 0.f;
            scale = 1.2f;
            setAlpha(kHighAlpha);
            LightFlags::roomCleared = false;
            done = true;
        }
        else
        {
            const float t = 2.f * timer;
            setAlpha(kLowAlpha + (kHighAlpha - kLowAlpha) * t);
            scale = 0.5f + 0.7f * t;
        }
    }
    else if (LightFlags::roomEntered && !done)
    {
        timer += dt;
        if (timer > kTransitionTime)
        {
            timer = 0.f;
            scale = 0.5f;
            setAlpha(kLowAlpha);
            LightFlags::roomEntered = false;
        }
        else
        {
            const float t = 2.f * timer;
            setAlpha(kHighAlpha + (kLowAlpha - kHighAlpha) * t);
            scale = 1.2f - 0.7f * t;
        }
    }
}

void PlayerLight::draw(sf::RenderTarget& target)
{
    drawScaled(target, scale);
}
