#include "core/Artefact.h"

#include "core/Random.h"

#include <cmath>
#include <cstdlib>

namespace
{
std::int32_t expValue(double exponent, std::int32_t base)
{
    return static_cast<std::int32_t>(std::trunc(std::exp(exponent))) + base;
}
} // namespace

Artefact::Artefact() : Item("NilItem", ARTEFACT, 1, 0) {}

void Artefact::rollArtefact(Artefact& a)
{
    a.kind = ARTEFACT;
    a.stackLimit = 1;
    a.artefactKind = std::rand() % 4;
    switch (a.artefactKind)
    {
    case STAT:
        if (uniformDraw() >= 0.5f)
        {
            a.name = "Reach Artefact";
            a.description = "This artefact will increase your reach";
            a.iconKey = "white_gem";
            const int r = std::rand() % 19 + 1;
            a.reachBonus = static_cast<float>(r) / 100.f;
            a.value = expValue(r / 10.0, 80);
        }
        else
        {
            a.name = "Damage Artefact";
            a.description = "This artefact will strengthen your weapon";
            a.iconKey = "black_gem";
            const int r = std::rand() % 45 + 5;
            a.damageBonus = static_cast<float>(r) / 100.f;
            a.value = expValue(r / 10.0, 50);
        }
        break;
    case GOLD_ON_HIT:
        a.name = "Gold Artefact";
        a.description = "This artefact will spawn gold on hit";
        a.iconKey = "eye_gem";
        a.goldChance = static_cast<float>(std::rand() % 2750 + 500) / 10000.f;
        a.goldAmount = std::rand() % 4 + 1;
        a.value = expValue(a.goldAmount / 10.0, 100);
        break;
    case LOOT_ON_HIT:
    {
        a.name = "Loot Artefact";
        a.description = "This artefact will drop loot on hit";
        a.iconKey = "hand_gem";
        const int x = std::rand() % 2750 + 500;
        a.lootChance = static_cast<float>(x) / 10000.f;
        a.value = expValue(x / 1000.0, 100);
        break;
    }
    default:
    {
        a.name = "Speed Artefact";
        a.description = "This artefact will make you move faster";
        a.iconKey = "leaf_gem";
        const int r = std::rand() % 45 + 5;
        a.speedBonus = static_cast<float>(r) / 100.f;
        a.value = expValue(r / 10.0, 90);
        break;
    }
    }
}
