#pragma once

#include "core/Item.h"

// An item rolled at random when it drops, equipped from the bag for a bonus.
class Artefact : public Item
{
public:
    enum ArtefactKind : std::int32_t
    {
        STAT = 0,
        GOLD_ON_HIT = 1,
        LOOT_ON_HIT = 2,
        SPEED = 3,
    };

    Artefact();

    // The gems the five artefacts show: reach, damage, gold, loot and speed.
    static constexpr const char* kIconKeys[5] = {"white_gem", "black_gem", "eye_gem", "hand_gem", "leaf_gem"};

    // Draws the kind, texts, icon, bonuses and value; the order of rand() calls is fixed.
    static void rollArtefact(Artefact& artefact);

    std::int32_t artefactKind = STAT;
    float goldChance = 0.f;
    std::int32_t goldAmount = 0;
    float lootChance = 0.f;
    float speedBonus = 0.f;
    float damageBonus = 0.f;
    float reachBonus = 0.f;
};
