#pragma once

#include "core/AnimationData.h"
#include "creatures/Entity.h"

#include <memory>

class CreatureWorld;

// Base of the missiles enemies fire: it lives in the room's entity list, hurts only
// the player and asks the room to let it go on impact or expiry (touching nothing
// of itself afterwards).
class Projectile : public Entity
{
public:
    explicit Projectile(CreatureWorld& world) : world_(world) {}

    float direction = 0.f; // radians, screen angle (y downward)
    float scale = 1.f;

protected:
    // The straight kinds' look: the current frame turned along the direction.
    void drawStraight(sf::RenderTarget& target, const Camera& camera);
    // Removes the projectile from the room; the caller returns at once.
    void destroy();

    CreatureWorld& world_;
    std::unique_ptr<AnimationData> animation_;
};
