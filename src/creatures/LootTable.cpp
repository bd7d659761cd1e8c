#include "creatures/LootTable.h"

#include "core/Artefact.h"
#include "core/ItemRegistry.h"
#include "core/JsonReader.h"
#include "core/Logger.h"
#include "core/Random.h"
#include "creatures/CreatureWorld.h"
#include "creatures/Entity.h"
#include "creatures/ItemEntity.h"

#include <json/value.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace
{
// A JSON integer within int, or the fallback; `ok` tells which.
int intOf(const Json::Value& v, bool& ok)
{
    ok = v.isInt() || (v.isNumeric() && !v.isBool() && v.isConvertibleTo(Json::intValue));
    return ok ? v.asInt() : 0;
}

// "roll" and "amount": an integer or {"min", "max"}; false for any other form.
bool readRange(const Json::Value& v, LootTable::Range& out)
{
    bool ok = false;
    if (v.isObject())
    {
        bool minOk = false, maxOk = false;
        out.min = intOf(v["min"], minOk);
        out.max = intOf(v["max"], maxOk);
        out.drawn = true;
        return minOk && maxOk;
    }
    out.min = out.max = intOf(v, ok);
    out.drawn = false;
    return ok && !v.isBool();
}

// One draw against a chance; a chance of 1 always passes (the draw may reach 1 itself).
bool passes(float chance)
{
    const float u = uniformDraw();
    return u < chance || chance >= 1.f;
}

std::map<std::string, std::unique_ptr<LootTable>>& cache()
{
    static auto* tables = new std::map<std::string, std::unique_ptr<LootTable>>();
    return *tables;
}
} // namespace

int LootTable::Range::draw() const
{
    if (!drawn || max <= min)
        return min;
    // In 64 bits: max - min may not fit an int.
    const long long span = static_cast<long long>(max) - static_cast<long long>(min);
    return static_cast<int>(static_cast<long long>(std::rand()) % span + min);
}

bool LootTable::parse(const std::string& text, const std::string& file, LootTable& out)
{
    out.pools.clear();
    Json::Value root;
    std::string errors;
    if (!JsonReader::parseText(text, root, &errors) || !root.isObject() || !root["pools"].isArray())
    {
        Logger::Error("Failed to parse loot table file " + file);
        return false;
    }
    const Json::Value& pools = root["pools"];
    for (Json::ArrayIndex p = 0; p < pools.size(); ++p)
    {
        const Json::Value& poolValue = pools[p];
        const std::string where = file + ": pools[" + std::to_string(p) + "]";
        Pool pool;
        if (!poolValue.isObject() || !readRange(poolValue["roll"], pool.roll) || !poolValue["entries"].isArray())
        {
            Logger::Warning(where + " needs a \"roll\" (an integer or {\"min\", \"max\"}) and \"entries\"; skipped");
            continue;
        }
        const Json::Value& entries = poolValue["entries"];
        for (Json::ArrayIndex e = 0; e < entries.size(); ++e)
        {
            const Json::Value& entryValue = entries[e];
            const std::string at = where + ".entries[" + std::to_string(e) + "]";
            if (!entryValue.isObject() || !entryValue["type"].isString())
            {
                Logger::Warning(at + " has no \"type\"; skipped");
                continue;
            }
            Entry entry;
            const std::string type = entryValue["type"].asString();
            if (type == "item")
                entry.type = Entry::ITEM;
            else if (type == "artefact")
                entry.type = Entry::ARTEFACT;
            else
                continue;
            const Json::Value& chance = entryValue["chance"];
            if (!chance.isNull())
            {
                if (!chance.isNumeric() || chance.isBool() || !std::isfinite(chance.asDouble()))
                {
                    Logger::Warning(at + ": \"chance\" should be a number; skipped");
                    continue;
                }
                entry.chance = static_cast<float>(std::clamp(chance.asDouble(), 0.0, 1.0));
            }
            if (entry.type == Entry::ITEM)
            {
                if (!entryValue["name"].isString())
                {
                    Logger::Warning(at + ": an item needs a \"name\"; skipped");
                    continue;
                }
                entry.name = entryValue["name"].asString();
                if (!entryValue["amount"].isNull() && !readRange(entryValue["amount"], entry.amount))
                    entry.amount = Range{};
            }
            pool.entries.push_back(std::move(entry));
        }
        out.pools.push_back(std::move(pool));
    }
    return true;
}

const LootTable* LootTable::find(const std::string& name)
{
    auto& tables = cache();
    if (auto it = tables.find(name); it != tables.end())
        return it->second.get();
    const std::string file = fileOf(name);
    std::ifstream in(file, std::ios::binary);
    std::unique_ptr<LootTable> table;
    if (!in)
        Logger::Error("Failed to parse loot table file " + file);
    else
    {
        std::stringstream text;
        text << in.rdbuf();
        table = std::make_unique<LootTable>();
        if (!parse(text.str(), file, *table))
            table.reset();
    }
    // A broken table is remembered as broken, so it is reported once, not at every hit.
    return (tables[name] = std::move(table)).get();
}

void LootTable::clearCache()
{
    cache().clear();
}

void LootTable::install(const std::string& name, LootTable table)
{
    cache()[name] = std::make_unique<LootTable>(std::move(table));
}

sf::Vector2f LootTable::dropPoint(sf::Vector2f origin)
{
    const float theta = 360.f * uniformDraw();
    const float u2 = uniformDraw();
    const float u3 = uniformDraw();
    return origin + sf::Vector2f(u2 * std::cos(theta) * kScatter, u3 * std::sin(theta) * kScatter);
}

int LootTable::roll(CreatureWorld& world, sf::Vector2f origin, bool onHit) const
{
    int dropped = 0;
    for (const Pool& pool : pools)
    {
        const int rolls = std::clamp(pool.roll.draw(), 0, kMaxRolls);
        for (int r = 0; r < rolls; ++r)
            for (const Entry& entry : pool.entries)
            {
                if (dropped >= kMaxDrops)
                    return dropped;
                if (entry.type == Entry::ITEM)
                {
                    const int amount = std::min(entry.amount.draw(), kMaxAmount);
                    if (!passes(entry.chance) || amount <= 0)
                        continue;
                    std::shared_ptr<Item> item = ItemRegistry::find(entry.name);
                    if (!item)
                        continue;
                    Logger::Info("Dropped " + std::to_string(amount) + " " + item->name);
                    auto drop = std::make_unique<ItemEntity>(std::move(item), amount, &world);
                    drop->setPosition(dropPoint(origin));
                    world.addEntity(std::move(drop));
                    ++dropped;
                }
                else if (!onHit)
                {
                    if (!passes(entry.chance))
                        continue;
                    auto artefact = std::make_shared<Artefact>();
                    Artefact::rollArtefact(*artefact);
                    Logger::Info("Dropped an artefact");
                    auto drop = std::make_unique<ItemEntity>(std::move(artefact), 1, &world);
                    drop->setPosition(dropPoint(origin));
                    world.addEntity(std::move(drop));
                    ++dropped;
                }
            }
    }
    return dropped;
}

void LootTable::dropLoot(CreatureWorld& world, const Entity& source, bool saved, bool onHit)
{
    if (!passes(saved ? kSavedChance : 1.f) || source.name.empty())
        return;
    if (const LootTable* table = find(source.name))
        table->roll(world, source.getPosition(), onHit);
}

void LootTable::applyOnHit(CreatureWorld& world, const std::vector<std::shared_ptr<Artefact>>& equipped,
                           const Entity& enemy)
{
    // Copied: a drop must not disturb the list it was rolled from.
    const std::vector<std::shared_ptr<Artefact>> artefacts = equipped;
    for (const auto& artefact : artefacts)
    {
        if (!artefact)
            continue;
        if (artefact->artefactKind == Artefact::GOLD_ON_HIT)
        {
            if (uniformDraw() < artefact->goldChance && artefact->goldAmount > 0)
                if (std::shared_ptr<Item> coin = ItemRegistry::find("Gold Coin"))
                {
                    auto drop = std::make_unique<ItemEntity>(std::move(coin), artefact->goldAmount, &world);
                    drop->setPosition(enemy.getPosition());
                    world.addEntity(std::move(drop));
                }
        }
        else if (artefact->artefactKind == Artefact::LOOT_ON_HIT)
        {
            if (uniformDraw() < artefact->lootChance)
                dropLoot(world, enemy, false, true);
        }
    }
}
