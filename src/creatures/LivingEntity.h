#pragma once

#include "creatures/Entity.h"

// An entity that can be hurt and walks: the player, the trader and every enemy.
// It adds data only; behaviour belongs to the kinds.
class LivingEntity : public Entity
{
public:
    bool isDead() const { return health <= 0.f; }

    float health = 0.f;
    // Movement speed in pixels per second.
    float speed = 0.f;
};
