#pragma once

class CreatureWorld;
class Entity;

// What a creature leaves behind: its loot table, named after it, rolled into the
// room when its soul is settled or when an artefact makes a hit drop loot.
// No table is read yet, so nothing drops.
class LootTable
{
public:
    // Rolls `source`'s table into the world's room at the source's position.
    static void dropLoot(CreatureWorld& world, const Entity& source, bool saved, bool onHit);
};
