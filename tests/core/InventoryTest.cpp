#include "core/Inventory.h"

#include "core/Artefact.h"
#include "core/Item.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
std::shared_ptr<Item> material(const std::string& name, int stack = 10, int value = 3)
{
    return std::make_shared<Item>(name, Item::MATERIAL, stack, value);
}

std::shared_ptr<Artefact> artefact(float damage)
{
    auto a = std::make_shared<Artefact>();
    a->name = "Damage Artefact";
    a->damageBonus = damage;
    a->value = 60;
    return a;
}

std::vector<std::int32_t> counts(const Inventory& bag)
{
    std::vector<std::int32_t> out;
    for (int i = 0; i < Inventory::kSlotCount; ++i)
        out.push_back(bag.slot(i).count);
    return out;
}
} // namespace

TEST(InventoryBag, TwentyKindsFillItAndATwentyFirstFindsNoSlot)
{
    Inventory bag;
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(bag.addItem(material("kind" + std::to_string(i), 5), 3)) << i;
    const auto extra = material("kind20", 5);
    EXPECT_EQ(bag.findSlot(*extra), -1);
    EXPECT_FALSE(bag.addItem(extra, 1));
    EXPECT_FALSE(bag.fits(*extra, 1));
    // More of a held kind still goes in, up to its stack limit.
    const auto same = material("kind7", 5);
    EXPECT_EQ(bag.roomFor(*same), 2);
    EXPECT_EQ(bag.addStack(same, 4), 2) << "two units had no room";
    EXPECT_EQ(bag.countOf(*same), 5);
}

TEST(InventoryBag, OperationsAsATable)
{
    struct Case
    {
        const char* what;
        int stack;
        std::vector<std::int32_t> adds; // each added in turn
        std::int32_t remove;
        bool removed;
        std::vector<std::int32_t> slotsAfter; // the first slots' counts
    };
    const std::vector<Case> cases = {
        {"fifteen into stacks of ten", 10, {15}, 0, false, {10, 5, 0}},
        {"a removal takes from the last slot first", 10, {15}, 3, true, {10, 2, 0}},
        {"a shortfall carries to the slot before", 10, {15}, 7, true, {8, 0, 0}},
        {"more than held changes nothing", 10, {15}, 16, false, {10, 5, 0}},
        {"everything empties the bag", 10, {15}, 15, true, {0, 0, 0}},
        {"additions top up the unfinished stack", 10, {4, 4, 4}, 0, false, {10, 2, 0}},
        {"a stack limit below one still fills slots", 0, {3}, 0, false, {1, 1, 1}},
    };
    for (const Case& c : cases)
    {
        Inventory bag;
        const auto leaf = material("Leaf", c.stack);
        for (std::int32_t n : c.adds)
            bag.addItem(leaf, n);
        EXPECT_EQ(bag.removeItem(*leaf, c.remove), c.removed) << c.what;
        const auto after = counts(bag);
        for (std::size_t i = 0; i < c.slotsAfter.size(); ++i)
            EXPECT_EQ(after[i], c.slotsAfter[i]) << c.what << ", slot " << i;
    }
}

TEST(InventoryBag, UnitsLeaveFromSlotNineBeforeSlotTwo)
{
    Inventory bag;
    const auto leaf = material("Leaf", 26, 11);
    bag.addItem(material("Bell"), 1);
    bag.addItem(material("Tooth"), 1);
    bag.addItem(leaf, 26); // slot 2
    for (int i = 0; i < 6; ++i)
        bag.addItem(material("filler" + std::to_string(i)), 1);
    bag.addItem(leaf, 5); // slot 9
    ASSERT_EQ(bag.slot(9).item->name, "Leaf");
    ASSERT_TRUE(bag.removeItem(*leaf, 3));
    EXPECT_EQ(bag.slot(2).count, 26);
    EXPECT_EQ(bag.slot(9).count, 2);
    ASSERT_TRUE(bag.removeItem(*leaf, 4));
    EXPECT_EQ(bag.slot(2).count, 24) << "the shortfall comes from slot 2 once slot 9 is empty";
    EXPECT_EQ(bag.countOf(*leaf), 24);
}

TEST(InventoryBag, ArtefactsOfOneNameAreToldApart)
{
    Inventory bag;
    const auto weak = artefact(0.05f);
    const auto strong = artefact(0.45f);
    bag.addItem(weak, 1);
    bag.addItem(strong, 1);
    EXPECT_EQ(bag.countOf(*strong), 1) << "another artefact of the same name was counted";
    EXPECT_FALSE(bag.addItem(strong, 1)) << "one artefact took two slots";
    ASSERT_TRUE(bag.removeItem(*weak, 1));
    ASSERT_FALSE(bag.slot(0).empty());
    EXPECT_EQ(bag.slot(0).item, strong) << "removing one artefact took the other";
    EXPECT_EQ(weak.use_count(), 1) << "the bag still holds the removed artefact";
    Inventory::Stack taken = bag.takeSlot(0);
    EXPECT_EQ(taken.item, strong);
    EXPECT_TRUE(bag.slot(0).empty());
    EXPECT_EQ(strong.use_count(), 2) << "the artefact lives in the taken stack and here only";
}

TEST(InventoryBag, TransfersAreAllOrNothing)
{
    Inventory from, to;
    const auto leaf = material("Leaf", 26);
    from.addItem(leaf, 30);
    for (int i = 0; i < 19; ++i)
        to.addItem(material("filler" + std::to_string(i)), 1);
    EXPECT_FALSE(Inventory::transfer(from, to, leaf, 30)) << "30 leaves do not fit one slot";
    EXPECT_EQ(from.countOf(*leaf), 30);
    EXPECT_EQ(to.countOf(*leaf), 0);
    EXPECT_TRUE(Inventory::transfer(from, to, leaf, 26));
    EXPECT_EQ(from.countOf(*leaf), 4);
    EXPECT_EQ(to.countOf(*leaf), 26);
    EXPECT_FALSE(Inventory::transfer(from, to, leaf, 5)) << "more than held";
}

TEST(InventoryBag, LacksRoomCountsWhatLeavesFirst)
{
    Inventory bag;
    const auto gold = std::make_shared<Item>("Gold Coin", Item::GOLD, 200, 0);
    const auto leaf = material("Leaf", 26);
    for (int i = 0; i < 19; ++i)
        bag.addItem(material("filler" + std::to_string(i)), 1);
    bag.addItem(leaf, 3);
    // Full: gold finds no slot, unless the leaves leave first.
    EXPECT_TRUE(Inventory::lacksRoom(bag, gold, 33, nullptr, 0));
    EXPECT_TRUE(Inventory::lacksRoom(bag, gold, 33, leaf.get(), 2));
    EXPECT_FALSE(Inventory::lacksRoom(bag, gold, 33, leaf.get(), 3));
    EXPECT_EQ(bag.countOf(*leaf), 3) << "the check changed the bag";
}
