#include "run/BagTexts.h"

#include "core/Artefact.h"
#include "core/Item.h"

#include <cmath>
#include <cstdio>

std::string BagTexts::percent(float fraction)
{
    const long long hundredths = static_cast<long long>(std::floor(static_cast<double>(fraction) * 10000.0 + 1e-3));
    const long long whole = hundredths / 100;
    const long long part = std::llabs(hundredths % 100);
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", hundredths < 0 && whole == 0 ? "-" : "", whole, part);
    return text;
}

std::string BagTexts::wrap(const std::string& text)
{
    std::string out = text;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        if (out[i] == '\n')
            lineStart = i + 1;
        else if (out[i] == ' ' && i - lineStart >= 21)
        {
            out[i] = '\n';
            lineStart = i + 1;
        }
    }
    return out;
}

std::string BagTexts::tooltip(const Item& item, std::int32_t count)
{
    std::string text = wrap(item.name);
    if (count > 1)
        text += "    Nb: " + std::to_string(count);
    text += "\n\n" + wrap(item.description);
    const std::int32_t v = item.value;
    if (v > 0)
    {
        text += "\n" + std::to_string(v) + " Gold / Unit" + "  //  " + std::to_string(soulPrice(v)) + " Soul / Unit";
        if (count > 1)
            text += "\nTotal " + std::to_string(static_cast<long long>(count) * v) + " Gold" + "  //  " +
                    std::to_string(static_cast<long long>(count) * soulPrice(v)) + " Soul";
    }
    if (const auto* a = dynamic_cast<const Artefact*>(&item))
    {
        if (a->damageBonus > 0.f)
            text += "\n" + percent(a->damageBonus) + "% Damage";
        if (a->reachBonus > 0.f)
            text += "\n" + percent(a->reachBonus) + "% Reach";
        if (a->artefactKind == Artefact::GOLD_ON_HIT)
            text +=
                "\n" + percent(a->goldChance) + "% Chance of " + std::to_string(a->goldAmount) + " Gold spawing on hit";
        if (a->artefactKind == Artefact::LOOT_ON_HIT)
            text += "\n" + percent(a->lootChance) + "% Chance of looting on hit";
        if (a->speedBonus > 0.f)
            text += "\n" + percent(a->speedBonus) + "% Speed";
    }
    return text;
}

std::string BagTexts::summary(float damage, float reach, const std::vector<std::shared_ptr<Artefact>>& equipped)
{
    float damageBonus = 0.f, reachBonus = 0.f, speedBonus = 0.f;
    for (const auto& a : equipped)
        if (a)
        {
            damageBonus += a->damageBonus;
            reachBonus += a->reachBonus;
            if (a->artefactKind == Artefact::SPEED)
                speedBonus += a->speedBonus;
        }
    const int effectiveDamage = static_cast<int>(std::trunc(damage * (1.f + damageBonus)));
    char reachText[32];
    std::snprintf(reachText, sizeof reachText, "%.2f", static_cast<double>(reach * (1.f + reachBonus)));

    std::string text = "Damage: " + std::to_string(effectiveDamage) + "   (+" + percent(damageBonus) + "% Damage)";
    text += "\nReach: " + std::string(reachText) + "   (+" + percent(reachBonus) + "% Reach)";
    text += "\n+" + percent(speedBonus) + "% speed";
    for (const auto& a : equipped)
        if (a && a->artefactKind == Artefact::GOLD_ON_HIT)
            text += "\n+ " + percent(a->goldChance) + "% " + std::to_string(a->goldAmount) + " G on hit";
    for (const auto& a : equipped)
        if (a && a->artefactKind == Artefact::LOOT_ON_HIT)
            text += "\n+ " + percent(a->lootChance) + "% loot on hit";
    return text;
}
