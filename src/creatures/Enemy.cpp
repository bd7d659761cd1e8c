#include "creatures/Enemy.h"

bool isLivingEnemy(const Entity& entity)
{
    const auto* enemy = dynamic_cast<const Enemy*>(&entity);
    return enemy && enemy->health > 0.f;
}

bool isDeadEnemy(const Entity& entity)
{
    const auto* enemy = dynamic_cast<const Enemy*>(&entity);
    return enemy && enemy->health <= 0.f;
}
