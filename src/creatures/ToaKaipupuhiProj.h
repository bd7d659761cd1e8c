#pragma once

#include "creatures/Projectile.h"

// ToaKaipupuhi's bolt: a straight shot that ends at the floor's edge or on the player.
class ToaKaipupuhiProj : public Projectile
{
public:
    ToaKaipupuhiProj(CreatureWorld& world, sf::Vector2f casterPosition, float angle);

    void update(float dt) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override { drawStraight(target, camera); }
};
