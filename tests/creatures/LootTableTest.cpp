#include "creatures/LootTable.h"

#include "core/Artefact.h"
#include "core/Item.h"
#include "core/ItemRegistry.h"
#include "creatures/ItemEntity.h"
#include "support/FakeWorld.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace
{
class LootRolls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ItemRegistry::clear();
        ItemRegistry::registerItems();
        LootTable::clearCache();
        source.name = "testkind";
        source.setPosition({500.f, 300.f});
    }
    void TearDown() override { LootTable::clearCache(); }

    void install(const std::string& json)
    {
        LootTable table;
        ASSERT_TRUE(LootTable::parse(json, "test.json", table)) << json;
        LootTable::install(source.name, std::move(table));
    }

    // The drops now lying in the world, settled.
    std::vector<ItemEntity*> drops()
    {
        world.entities.settle();
        std::vector<ItemEntity*> out;
        for (Entity* e : world.entities.members())
            if (auto* drop = dynamic_cast<ItemEntity*>(e); drop && !drop->isLeaving())
                out.push_back(drop);
        return out;
    }
    void clearDrops()
    {
        for (ItemEntity* drop : drops())
            world.entities.remove(drop);
        world.entities.settle();
    }

    FakeWorld world;
    Entity source;
};
} // namespace

TEST_F(LootRolls, ASavedSoulDropsAboutAThirdOfTheTimeAKilledOneAlways)
{
    install(R"({"pools": [{"roll": 1, "entries": [{"type": "item", "name": "Leaf"}]}]})");
    int saved = 0, killed = 0;
    const int trials = 4000;
    std::srand(7);
    for (int i = 0; i < trials; ++i)
    {
        LootTable::dropLoot(world, source, true, false);
        saved += static_cast<int>(drops().size());
        clearDrops();
        LootTable::dropLoot(world, source, false, false);
        killed += static_cast<int>(drops().size());
        clearDrops();
    }
    EXPECT_NEAR(saved / double(trials), 0.35, 0.03);
    EXPECT_EQ(killed, trials);
}

TEST_F(LootRolls, AmountsChancesAndDropPoints)
{
    install(R"({"pools": [{"roll": 1, "entries": [
        {"type": "item", "name": "Leaf", "amount": {"min": 1, "max": 3}},
        {"type": "item", "name": "Bell", "chance": 0},
        {"type": "item", "name": "Tooth", "chance": 0.5},
        {"type": "item", "name": "Unknown Thing"}]}]})");
    std::map<int, int> leafAmounts;
    int teeth = 0;
    const int trials = 3000;
    for (unsigned seed = 1; seed <= trials; ++seed)
    {
        std::srand(seed);
        LootTable::dropLoot(world, source, false, false);
        for (ItemEntity* drop : drops())
        {
            ASSERT_TRUE(drop->item);
            EXPECT_NE(drop->item->name, "Bell") << "a chance of 0 dropped";
            if (drop->item->name == "Leaf")
                ++leafAmounts[drop->count];
            if (drop->item->name == "Tooth")
                ++teeth;
            const sf::Vector2f d = drop->getPosition() - source.getPosition();
            EXPECT_LE(std::hypot(d.x, d.y), 75.f * std::sqrt(2.f) + 0.01f);
        }
        clearDrops();
    }
    EXPECT_EQ(leafAmounts.size(), 2u) << "1..3 gives 1 or 2";
    EXPECT_GT(leafAmounts[1], 0);
    EXPECT_GT(leafAmounts[2], 0);
    EXPECT_EQ(leafAmounts[1] + leafAmounts[2], trials) << "an entry without a chance always drops";
    EXPECT_NEAR(teeth / double(trials), 0.5, 0.04);
}

TEST_F(LootRolls, LootOnHitNeverGivesArtefacts)
{
    install(R"({"pools": [{"roll": 3, "entries": [{"type": "artefact"}, {"type": "item", "name": "Leaf"}]}]})");
    std::srand(3);
    LootTable::dropLoot(world, source, false, true);
    auto onHit = drops();
    ASSERT_EQ(onHit.size(), 3u) << "a pool with roll 3 offers each entry three times";
    for (ItemEntity* drop : onHit)
        EXPECT_EQ(drop->item->name, "Leaf");
    clearDrops();
    LootTable::dropLoot(world, source, false, false);
    int artefacts = 0;
    for (ItemEntity* drop : drops())
        artefacts += drop->item->getKind() == Item::ARTEFACT;
    EXPECT_EQ(artefacts, 3);
}

TEST_F(LootRolls, BadRangesDrawTheirMinimumAndRollsAreCapped)
{
    struct Case
    {
        const char* json;
        std::size_t drops;
        int amount;
    };
    const std::vector<Case> cases = {
        {R"({"pools": [{"roll": {"min": 2, "max": 2}, "entries": [{"type": "item", "name": "Leaf"}]}]})", 2, 1},
        {R"({"pools": [{"roll": {"min": 3, "max": 1}, "entries": [{"type": "item", "name": "Leaf"}]}]})", 3, 1},
        {R"({"pools": [{"roll": 1, "entries": [{"type": "item", "name": "Leaf", "amount": {"min": 4, "max": 4}}]}]})",
         1, 4},
        {R"({"pools": [{"roll": -5, "entries": [{"type": "item", "name": "Leaf"}]}]})", 0, 0},
        {R"({"pools": [{"roll": 1, "entries": [{"type": "item", "name": "Leaf", "amount": -3}]}]})", 0, 0},
        {R"({"pools": [{"roll": 2000000000, "entries": [{"type": "item", "name": "Leaf"}]}]})", 20, 1},
        {R"({"pools": [{"roll": {"min": -2147483648, "max": 2147483647}, "entries": [{"type": "item", "name": "Leaf"}]}]})",
         0, 0},
        {R"({"pools": [{"roll": 1, "entries": [{"type": "item", "name": "Leaf", "amount": 99999999}]}]})", 1, 999},
        {R"({"pools": [{"roll": 20, "entries": [{"type": "item", "name": "Leaf"}, {"type": "item", "name": "Bell"},
            {"type": "item", "name": "Tooth"}, {"type": "item", "name": "Tentacle"}]}]})",
         LootTable::kMaxDrops, 1},
        {R"({"pools": [{"roll": "three", "entries": [{"type": "item", "name": "Leaf"}]}]})", 0, 0},
        {R"({"pools": [{"roll": 1, "entries": [{"type": "item", "name": "Leaf", "amount": "x"}]}]})", 1, 1},
        {R"({"pools": [{"roll": 1, "entries": [{"type": "item", "name": "Leaf", "chance": "always"}]}]})", 0, 0},
        {R"({"pools": [{"roll": 1, "entries": [{"type": "spell"}, {"type": "item", "name": 7}, 5]}]})", 0, 0},
    };
    LogCapture log;
    for (const Case& c : cases)
    {
        LootTable::clearCache();
        install(c.json);
        std::srand(11);
        LootTable::dropLoot(world, source, false, false);
        const auto dropped = drops();
        EXPECT_EQ(dropped.size(), c.drops) << c.json;
        if (!dropped.empty() && c.amount > 0)
        {
            EXPECT_EQ(dropped.front()->count, c.amount) << c.json;
        }
        clearDrops();
    }
}

TEST_F(LootRolls, AMissingOrBrokenTableIsLoggedOnceAndDropsNothing)
{
    LogCapture log;
    source.name = "no_such_enemy_kind";
    LootTable::dropLoot(world, source, false, false);
    LootTable::dropLoot(world, source, false, false);
    EXPECT_TRUE(drops().empty());
    EXPECT_EQ(log.count("Failed to parse loot table file Assets/Data/Loot/no_such_enemy_kind.json"), 1) << log.text();

    for (const char* text : {"", "{", "[]", "{\"pools\": 3}", "{\"pools\": [1, 2", "null", "\"pools\""})
    {
        LootTable table;
        EXPECT_FALSE(LootTable::parse(text, "broken.json", table)) << text;
        EXPECT_TRUE(table.pools.empty());
    }
    EXPECT_GE(log.count("Failed to parse loot table file broken.json"), 7);
}

TEST_F(LootRolls, EveryShippedTableParsesAndNamesOnlyRegisteredItems)
{
    LogCapture log;
    const std::filesystem::path folder = std::filesystem::path(UMBRAVALE_SOURCE_DIR) / "Assets/Data/Loot";
    int tables = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder))
    {
        std::ifstream in(file.path());
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        LootTable table;
        ASSERT_TRUE(LootTable::parse(text, file.path().string(), table)) << file.path();
        EXPECT_FALSE(table.pools.empty()) << file.path();
        for (const auto& pool : table.pools)
            for (const auto& entry : pool.entries)
                if (entry.type == LootTable::Entry::ITEM)
                {
                    EXPECT_TRUE(ItemRegistry::find(entry.name)) << file.path() << ": " << entry.name;
                }
        ++tables;
    }
    EXPECT_EQ(tables, 8);
    EXPECT_EQ(log.count("Warning"), 0) << log.text();
}

// A first floor: about eighteen regular enemies and its boss, half of the souls
// saved, and about a dozen pots. It should leave a handful of materials, some gold
// and about one artefact.
TEST_F(LootRolls, AFirstFloorYieldsAHandfulOfMaterialsSomeGoldAndAboutOneArtefact)
{
    const std::filesystem::path root(UMBRAVALE_SOURCE_DIR);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(root);
    const int floors = 400;
    double materials = 0, gold = 0, artefacts = 0;
    const char* regular[] = {"zeyn", "kahiyu", "nazar"};
    for (int f = 0; f < floors; ++f)
    {
        std::srand(1000 + f);
        for (int kill = 0; kill < 19; ++kill)
        {
            source.name = kill == 18 ? "nepturath" : regular[kill % 3];
            LootTable::dropLoot(world, source, kill % 2 == 0, false);
        }
        for (ItemEntity* drop : drops())
        {
            if (drop->item->getKind() == Item::ARTEFACT)
                artefacts += 1;
            else if (drop->item->getKind() == Item::GOLD)
                gold += drop->count;
            else
                materials += drop->count;
        }
        clearDrops();
    }
    std::filesystem::current_path(previous);
    materials /= floors, gold /= floors, artefacts /= floors;
    EXPECT_GE(materials, 4.0);
    EXPECT_LE(materials, 14.0);
    EXPECT_GE(gold, 30.0);
    EXPECT_LE(gold, 150.0);
    EXPECT_GE(artefacts, 0.6);
    EXPECT_LE(artefacts, 1.5);
}

TEST_F(LootRolls, OnHitEffectsFollowTheEquippedArtefacts)
{
    install(R"({"pools": [{"roll": 1, "entries": [{"type": "item", "name": "Leaf"}, {"type": "artefact"}]}]})");
    auto midas = std::make_shared<Artefact>();
    midas->artefactKind = Artefact::GOLD_ON_HIT;
    midas->goldChance = 1.f;
    midas->goldAmount = 3;
    auto thief = std::make_shared<Artefact>();
    thief->artefactKind = Artefact::LOOT_ON_HIT;
    thief->lootChance = 1.f;
    auto blade = std::make_shared<Artefact>();
    blade->damageBonus = 0.3f;
    LootTable::applyOnHit(world, {midas, thief, blade, nullptr}, source);
    const auto dropped = drops();
    ASSERT_EQ(dropped.size(), 2u);
    EXPECT_EQ(dropped[0]->item->name, "Gold Coin");
    EXPECT_EQ(dropped[0]->count, 3);
    EXPECT_EQ(dropped[0]->getPosition(), source.getPosition());
    EXPECT_EQ(dropped[1]->item->name, "Leaf") << "loot on hit rolled an artefact";
}
