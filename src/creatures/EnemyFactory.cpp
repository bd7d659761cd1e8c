#include "creatures/EnemyFactory.h"

#include "creatures/EnemyDatabase.h"
#include "creatures/LivingEntity.h"

#include <algorithm>
#include <map>

namespace
{
std::map<std::string, EnemyFactory::Builder>& builders()
{
    static std::map<std::string, EnemyFactory::Builder> table;
    return table;
}
} // namespace

bool EnemyFactory::isPlaceable(const std::string& name)
{
    // Every kind but the owls, which come only with their boss.
    const auto& kinds = EnemyDatabase::kKindNames;
    return name != "LittleOwl" && std::find(kinds.begin(), kinds.end(), name) != kinds.end();
}

std::unique_ptr<LivingEntity> EnemyFactory::create(const std::string& name, CreatureWorld& world, sf::Vector2f position)
{
    if (!isPlaceable(name))
        return nullptr;
    auto it = builders().find(name);
    if (it == builders().end() || !it->second)
        return nullptr;
    return it->second(world, position);
}

void EnemyFactory::registerKind(const std::string& name, Builder builder)
{
    builders()[name] = std::move(builder);
}

void EnemyFactory::reset()
{
    builders().clear();
}
