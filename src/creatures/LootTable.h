#pragma once

#include <SFML/System/Vector2.hpp>

#include <memory>
#include <string>
#include <vector>

class Artefact;
class CreatureWorld;
class Entity;
class Item;

// What a creature leaves behind: its loot table, a JSON file named after it under
// "Assets/Data/Loot/", rolled into the room when its soul is settled or when an
// artefact makes a hit drop loot. A table is a list of pools; each pool offers its
// entries (an item of the registry with an amount, or a freshly rolled artefact),
// each with its own chance, a number of times. Tables are read once and kept.
//
// A table that is missing or broken never ends the game from inside a soul choice
// or a hit: it is logged once as an error and drops nothing. Values out of sense
// are held within bounds (see the limits below) so no table can flood a room.
class LootTable
{
public:
    // A count that is either fixed or drawn as rand() % (max - min) + min, so max
    // itself is never drawn; a range whose max is not above its min gives min.
    struct Range
    {
        int min = 1;
        int max = 1;
        bool drawn = false;
        int draw() const;
    };

    struct Entry
    {
        enum Type
        {
            ITEM,
            ARTEFACT
        };
        Type type = ITEM;
        float chance = 1.f;
        Range amount;
        std::string name;
    };

    struct Pool
    {
        Range roll;
        std::vector<Entry> entries;
    };

    // A pool is offered at most this many times per drop, a stack holds at most
    // this many units, and one drop puts at most this many entities in the room.
    static constexpr int kMaxRolls = 20;
    static constexpr int kMaxAmount = 999;
    static constexpr int kMaxDrops = 64;
    // A saved soul leaves its loot this often; a killed one always does.
    static constexpr float kSavedChance = 0.35f;
    // Loot falls within this many pixels of its source.
    static constexpr float kScatter = 75.f;

    static std::string fileOf(const std::string& name) { return "Assets/Data/Loot/" + name + ".json"; }

    // Reads a table from JSON text; `file` names it in the log. False (the table
    // left empty) for text that is no table at all; entries and pools that make no
    // sense are logged as warnings and left out.
    static bool parse(const std::string& text, const std::string& file, LootTable& out);
    // The table of that name, read at its first use; null for a missing or broken one.
    static const LootTable* find(const std::string& name);
    // Forgets every table read (tests, and a new run after content changed).
    static void clearCache();
    // Puts a table under a name as if read from its file (tests).
    static void install(const std::string& name, LootTable table);

    // Rolls this table into the world around `origin`; entities are appended through
    // the world. Loot on hit never rolls artefacts. Returns how many entities dropped.
    int roll(CreatureWorld& world, sf::Vector2f origin, bool onHit) const;

    // Rolls `source`'s table (named by its name) into the world's room at the
    // source's position: always for a killed soul, with a chance of 0.35 for a saved one.
    static void dropLoot(CreatureWorld& world, const Entity& source, bool saved, bool onHit);
    // The gold-on-hit and loot-on-hit effects of the equipped artefacts, in equip
    // order, for one enemy the player's swing has just hurt.
    static void applyOnHit(CreatureWorld& world, const std::vector<std::shared_ptr<Artefact>>& equipped,
                           const Entity& enemy);
    // A random point within the scatter radius around `origin` (three draws).
    static sf::Vector2f dropPoint(sf::Vector2f origin);

    std::vector<Pool> pools;
};
