#include "creatures/EnemyFactory.h"

#include "creatures/LivingEntity.h"

#include <algorithm>
#include <array>
#include <map>

namespace
{
constexpr std::array<const char*, 9> kPlaceableKinds = {
    "Kahiyu", "Zeyn", "Nazar", "ToaTao", "ToaMangere", "ToaKaipupuhi", "Nepturath", "DarkHulant", "TheGod"};

std::map<std::string, EnemyFactory::Builder>& builders()
{
    static std::map<std::string, EnemyFactory::Builder> table;
    return table;
}
} // namespace

bool EnemyFactory::isPlaceable(const std::string& name)
{
    return std::find(kPlaceableKinds.begin(), kPlaceableKinds.end(), name) != kPlaceableKinds.end();
}

LivingEntity* EnemyFactory::create(const std::string& name, sf::Vector2f position, std::vector<Entity*>& entities)
{
    if (!isPlaceable(name))
        return nullptr;
    auto it = builders().find(name);
    if (it == builders().end() || !it->second)
        return nullptr;
    std::unique_ptr<LivingEntity> enemy = it->second(position);
    if (!enemy)
        return nullptr;
    entities.push_back(enemy.get());
    return enemy.release();
}

void EnemyFactory::registerKind(const std::string& name, Builder builder)
{
    builders()[name] = std::move(builder);
}

void EnemyFactory::reset()
{
    builders().clear();
}
