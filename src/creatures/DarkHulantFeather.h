#pragma once

#include "creatures/Projectile.h"

#include <string>

// A feather the second boss fires, angelic or demonic: it flies straight over
// walls and everything, and ends on the player or when its life is spent.
class DarkHulantFeather : public Projectile
{
public:
    // `variant` is "Angel_" or "Demon_".
    DarkHulantFeather(CreatureWorld& world, sf::Vector2f start, float angle, const std::string& variant);

    void update(float dt) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override { drawStraight(target, camera); }

    float age() const { return lifeClock_; }

private:
    float lifeClock_ = 0.f;
};
