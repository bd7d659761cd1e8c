#include "core/Item.h"
#include "core/Artefact.h"
#include "core/ItemRegistry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>

TEST(ItemRegistryContents, EighteenItemsWithTheirValuesAndLimits)
{
    ItemRegistry::clear();
    ItemRegistry::registerItems();
    EXPECT_EQ(ItemRegistry::names().size(), 18u);
    struct Row
    {
        const char* name;
        int stack;
        int value;
        Item::Kind kind;
        const char* icon;
    };
    for (const Row& row :
         {Row{"Gold Coin", 200, 0, Item::GOLD, "gold_coin"}, Row{"Leaf", 26, 11, Item::MATERIAL, "leaf"},
          Row{"Angel Blood", 16, 50, Item::MATERIAL, "angel_blood_vial"},
          Row{"Blue Feather", 4, 20, Item::MATERIAL, "blue_feather"},
          Row{"Thorns Crown", 4, 8, Item::MATERIAL, "thorns_crown"}})
    {
        const auto item = ItemRegistry::find(row.name);
        ASSERT_TRUE(item) << row.name;
        EXPECT_EQ(item->stackLimit, row.stack) << row.name;
        EXPECT_EQ(item->value, row.value) << row.name;
        EXPECT_EQ(item->getKind(), row.kind) << row.name;
        EXPECT_EQ(item->iconKey, row.icon) << row.name;
        EXPECT_FALSE(item->description.empty()) << row.name;
    }
    EXPECT_FALSE(ItemRegistry::find("NilItem"));
    EXPECT_EQ(ItemRegistry::iconKeys().size(), 23u);
}

TEST(ArtefactRoll, EveryKindStaysWithinItsRangesOverManySeeds)
{
    std::map<std::string, int> seen;
    for (unsigned seed = 1; seed <= 4000; ++seed)
    {
        std::srand(seed);
        Artefact a;
        Artefact::rollArtefact(a);
        ++seen[a.name];
        EXPECT_EQ(a.getKind(), Item::ARTEFACT);
        EXPECT_EQ(a.stackLimit, 1);
        EXPECT_GT(a.value, 0);
        if (a.name == "Reach Artefact")
        {
            EXPECT_GE(a.reachBonus, 0.01f - 1e-6f);
            EXPECT_LE(a.reachBonus, 0.19f + 1e-6f);
            EXPECT_EQ(a.iconKey, "white_gem");
        }
        else if (a.name == "Damage Artefact")
        {
            EXPECT_GE(a.damageBonus, 0.05f - 1e-6f);
            EXPECT_LE(a.damageBonus, 0.49f + 1e-6f);
        }
        else if (a.name == "Gold Artefact")
        {
            EXPECT_GE(a.goldChance, 0.05f - 1e-6f);
            EXPECT_LE(a.goldChance, 0.3249f + 1e-6f);
            EXPECT_GE(a.goldAmount, 1);
            EXPECT_LE(a.goldAmount, 4);
        }
        else if (a.name == "Loot Artefact")
        {
            EXPECT_GE(a.lootChance, 0.05f - 1e-6f);
            EXPECT_LE(a.lootChance, 0.3249f + 1e-6f);
        }
        else
        {
            EXPECT_EQ(a.name, "Speed Artefact");
            EXPECT_GE(a.speedBonus, 0.05f - 1e-6f);
            EXPECT_LE(a.speedBonus, 0.49f + 1e-6f);
        }
    }
    EXPECT_EQ(seen.size(), 5u) << "some kind never rolled";
}
