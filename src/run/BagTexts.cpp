#include "run/BagTexts.h"

#include "core/Artefact.h"
#include "core/Item.h"
#include "core/UiText.h"

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
    std::string text = wrap(UiText::translate(item.name));
    if (count > 1)
        text += UiText::get(UiText::BAG_COUNT) + std::to_string(count);
    text += "\n\n" + wrap(UiText::translate(item.description));
    const std::int32_t v = item.value;
    if (v > 0)
    {
        text += "\n" + std::to_string(v) + UiText::get(UiText::BAG_GOLD_PER_UNIT) + "  //  " +
                std::to_string(soulPrice(v)) + UiText::get(UiText::BAG_SOUL_PER_UNIT);
        if (count > 1)
            text += UiText::get(UiText::BAG_TOTAL) + std::to_string(static_cast<long long>(count) * v) +
                    UiText::get(UiText::BAG_GOLD) + "  //  " +
                    std::to_string(static_cast<long long>(count) * soulPrice(v)) + UiText::get(UiText::BAG_SOUL);
    }
    if (const auto* a = dynamic_cast<const Artefact*>(&item))
    {
        if (a->damageBonus > 0.f)
            text += "\n" + percent(a->damageBonus) + UiText::get(UiText::BAG_DAMAGE_BONUS);
        if (a->reachBonus > 0.f)
            text += "\n" + percent(a->reachBonus) + UiText::get(UiText::BAG_REACH_BONUS);
        if (a->artefactKind == Artefact::GOLD_ON_HIT)
            text += "\n" + percent(a->goldChance) + UiText::get(UiText::BAG_GOLD_CHANCE) +
                    std::to_string(a->goldAmount) + UiText::get(UiText::BAG_GOLD_ON_HIT);
        if (a->artefactKind == Artefact::LOOT_ON_HIT)
            text += "\n" + percent(a->lootChance) + UiText::get(UiText::BAG_LOOT_CHANCE);
        if (a->speedBonus > 0.f)
            text += "\n" + percent(a->speedBonus) + UiText::get(UiText::BAG_SPEED_BONUS);
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

    std::string text = UiText::get(UiText::BAG_DAMAGE) + std::to_string(effectiveDamage) + "   (+" +
                       percent(damageBonus) + UiText::get(UiText::BAG_DAMAGE_BONUS) + ")";
    text += "\n" + UiText::get(UiText::BAG_REACH) + std::string(reachText) + "   (+" + percent(reachBonus) +
            UiText::get(UiText::BAG_REACH_BONUS) + ")";
    text += "\n+" + percent(speedBonus) + UiText::get(UiText::BAG_SPEED);
    for (const auto& a : equipped)
        if (a && a->artefactKind == Artefact::GOLD_ON_HIT)
            text += "\n+ " + percent(a->goldChance) + "% " + std::to_string(a->goldAmount) +
                    UiText::get(UiText::BAG_GOLD_ON_HIT_SHORT);
    for (const auto& a : equipped)
        if (a && a->artefactKind == Artefact::LOOT_ON_HIT)
            text += "\n+ " + percent(a->lootChance) + UiText::get(UiText::BAG_LOOT_ON_HIT);
    return text;
}
