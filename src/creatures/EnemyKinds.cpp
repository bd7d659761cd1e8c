#include "creatures/EnemyKinds.h"

#include "creatures/DarkHulant.h"
#include "creatures/EnemyFactory.h"
#include "creatures/Kahiyu.h"
#include "creatures/Nazar.h"
#include "creatures/Nepturath.h"
#include "creatures/TheGod.h"
#include "creatures/ToaKaipupuhi.h"
#include "creatures/ToaMangere.h"
#include "creatures/ToaTao.h"
#include "creatures/Zeyn.h"

namespace
{
template <typename Kind> EnemyFactory::Builder builderOf()
{
    return [](CreatureWorld& world, sf::Vector2f position) { return std::make_unique<Kind>(world, position); };
}
} // namespace

void registerEnemyKinds()
{
    EnemyFactory::registerKind("Kahiyu", builderOf<Kahiyu>());
    EnemyFactory::registerKind("Zeyn", builderOf<Zeyn>());
    EnemyFactory::registerKind("Nazar", builderOf<Nazar>());
    EnemyFactory::registerKind("ToaTao", builderOf<ToaTao>());
    EnemyFactory::registerKind("ToaMangere", builderOf<ToaMangere>());
    EnemyFactory::registerKind("ToaKaipupuhi", builderOf<ToaKaipupuhi>());
    EnemyFactory::registerKind("Nepturath", builderOf<Nepturath>());
    EnemyFactory::registerKind("DarkHulant", builderOf<DarkHulant>());
    EnemyFactory::registerKind("TheGod", builderOf<TheGod>());
}
