#pragma once

#include "core/Polygon.h"
#include "creatures/LivingEntity.h"

// Base of every hostile creature. The enemy kinds bring their behaviour later; for
// now this holds what the room and the player ask of any enemy: its health (a room
// is cleared when none is above 0), the polygon a scythe swing must touch, and the
// damage it takes.
class Enemy : public LivingEntity
{
public:
    Enemy() { health = 1.f; }

    // Lowers health by the amount; a dead enemy takes no more.
    virtual void takeDamage(int amount)
    {
        if (health > 0.f)
            health -= static_cast<float>(amount);
    }

    // Where the player's attacks land, in world coordinates.
    Polygon hitPolygon;
};

// True for an enemy above 0 health: a room is cleared when it holds none.
bool isLivingEnemy(const Entity& entity);
// True for an enemy at 0 health or below (its body and soul may still stand there).
bool isDeadEnemy(const Entity& entity);
