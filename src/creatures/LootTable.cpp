#include "creatures/LootTable.h"

void LootTable::dropLoot(CreatureWorld& world, const Entity& source, bool saved, bool onHit)
{
    (void)world, (void)source, (void)saved, (void)onHit;
}
