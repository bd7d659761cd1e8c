#include "run/TradeWindow.h"

#include "core/Artefact.h"
#include "core/Inventory.h"
#include "core/Item.h"
#include "core/ItemRegistry.h"
#include "creatures/ItemEntity.h"
#include "creatures/Trader.h"
#include "run/InventoryScreen.h"
#include "support/FakeWorld.h"

#include <SFML/Window/Event.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>

namespace
{
sf::Event key(sf::Keyboard::Key code)
{
    sf::Event e{};
    e.type = sf::Event::KeyPressed;
    e.key.code = code;
    return e;
}

class Trading : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ItemRegistry::clear();
        ItemRegistry::registerItems();
        coin = ItemRegistry::find("Gold Coin");
        leaf = ItemRegistry::find("Leaf");
    }
    std::shared_ptr<Item> coin, leaf;
    FakeWorld world;
};
} // namespace

TEST_F(Trading, SellingThreeLeavesGivesThirtyThreeGold)
{
    Inventory player, trader;
    player.addItem(leaf, 3);
    trader.addItem(coin, 500);
    EXPECT_EQ(TradeWindow::sell(player, trader, leaf, 3), TradeWindow::Outcome::Done);
    EXPECT_EQ(player.countOf(*coin), 33);
    EXPECT_EQ(player.countOf(*leaf), 0);
    EXPECT_EQ(trader.countOf(*coin), 467);
    EXPECT_EQ(trader.countOf(*leaf), 3);
    EXPECT_EQ(TradeWindow::sell(player, trader, coin, 10), TradeWindow::Outcome::Refused) << "gold was traded";
}

TEST_F(Trading, ASoulPurchaseMayNotSpendPastTheDemonicEnd)
{
    struct Case
    {
        float karma;
        std::int32_t amount; // of a value-50 item: 25 souls each
        bool bought;
        float after;
    };
    const auto blood = ItemRegistry::find("Demon Blood");
    for (const Case& c : {Case{-160.f, 1, false, -160.f}, Case{-135.f, 1, true, -160.f}, Case{-140.f, 1, false, -140.f},
                          Case{0.f, 6, true, -150.f}, Case{0.f, 7, false, 0.f}, Case{160.f, 1, true, 135.f},
                          Case{150.f, 1, true, 125.f}})
    {
        Inventory player, trader;
        trader.addItem(blood, 10);
        world.karmaValue = c.karma;
        const auto outcome = TradeWindow::buyForSouls(player, trader, blood, c.amount, world);
        EXPECT_EQ(outcome == TradeWindow::Outcome::Done, c.bought) << "karma " << c.karma << " x" << c.amount;
        EXPECT_FLOAT_EQ(world.karmaValue, c.after) << "karma " << c.karma;
        EXPECT_EQ(player.countOf(*blood), c.bought ? c.amount : 0);
        EXPECT_EQ(trader.countOf(*blood) + player.countOf(*blood), 10);
    }
    // A value-1 item would cost half a soul: it costs one.
    Item pebble("Pebble", Item::MATERIAL, 10, 1);
    EXPECT_EQ(TradeWindow::soulPrice(pebble, 3), 3);
}

TEST_F(Trading, APurchaseThatDoesNotFitTakesNoPayment)
{
    Inventory player, trader;
    for (int i = 0; i < 19; ++i)
        player.addItem(std::make_shared<Item>("filler" + std::to_string(i), Item::MATERIAL, 5, 1), 1);
    player.addItem(coin, 200); // the last slot, full
    trader.addItem(leaf, 30);
    EXPECT_EQ(TradeWindow::buyForGold(player, trader, leaf, 2), TradeWindow::Outcome::NoRoom);
    EXPECT_EQ(TradeWindow::buyForSouls(player, trader, leaf, 2, world), TradeWindow::Outcome::NoRoom);
    EXPECT_EQ(player.countOf(*coin), 200);
    EXPECT_EQ(trader.countOf(*leaf), 30);
    EXPECT_FLOAT_EQ(world.karmaValue, 0.f);
    // Paying exactly all the gold frees its slot for the goods.
    Inventory rich = player;
    rich.removeItem(*coin, 200 - 22);
    EXPECT_EQ(TradeWindow::buyForGold(rich, trader, leaf, 2), TradeWindow::Outcome::Done);
    EXPECT_EQ(rich.countOf(*leaf), 2);
    EXPECT_EQ(rich.countOf(*coin), 0);
    EXPECT_EQ(TradeWindow::buyForGold(player, trader, leaf, 18), TradeWindow::Outcome::NoRoom)
        << "2 coins stay in their slot";
}

TEST_F(Trading, TheWindowBuysTheArtefactUnderTheCursorForGold)
{
    std::srand(5);
    Trader trader;
    Inventory bag;
    bag.addItem(coin, 200);
    bag.addItem(coin, 200);
    InventoryScreen screen(bag);
    TradeWindow window;
    window.begin(screen, trader, world);
    EXPECT_TRUE(screen.isOpen);
    EXPECT_EQ(screen.home, sf::Vector2f(1440.f, 540.f));
    EXPECT_TRUE(screen.focused);
    EXPECT_FALSE(window.traderScreen()->focused);

    window.handleEvent(key(sf::Keyboard::Left)); // from the first column to the trader's last
    ASSERT_TRUE(window.traderScreen()->focused);
    EXPECT_FALSE(screen.focused);
    window.traderScreen()->select(1);
    const std::shared_ptr<Item> wanted = trader.stock.slot(1).item;
    const std::shared_ptr<Item> other = trader.stock.slot(0).item;
    window.handleEvent(key(sf::Keyboard::Enter));
    ASSERT_TRUE(window.amountDialog);
    window.handleEvent(key(sf::Keyboard::Up));
    EXPECT_EQ(window.amount, 1) << "an artefact is one unit";
    window.handleEvent(key(sf::Keyboard::E));
    ASSERT_TRUE(window.choosingPayment);
    EXPECT_STREQ(window.choiceMarker(), Trader::kChoiceBoth);
    window.handleEvent(key(sf::Keyboard::Right));
    EXPECT_FALSE(window.choosingPayment);
    EXPECT_EQ(bag.countOf(*wanted), 1);
    EXPECT_EQ(trader.stock.countOf(*wanted), 0);
    EXPECT_EQ(trader.stock.countOf(*other), 1) << "another artefact left the stock";
    EXPECT_EQ(bag.countOf(*coin), 400 - wanted->value);

    window.handleEvent(key(sf::Keyboard::Escape));
    EXPECT_FALSE(window.active());
    EXPECT_FALSE(screen.isOpen);
    EXPECT_EQ(screen.home, sf::Vector2f(960.f, 590.f));
    EXPECT_EQ(screen.scale, 1.f);
}

TEST_F(Trading, EscapeEndsTradingFromAnyStepAndGoldCannotBeChosen)
{
    std::srand(9);
    Trader trader;
    Inventory bag;
    bag.addItem(coin, 50);
    bag.addItem(leaf, 4);
    InventoryScreen screen(bag);
    TradeWindow window;
    window.begin(screen, trader, world);
    window.handleEvent(key(sf::Keyboard::Enter));
    EXPECT_FALSE(window.amountDialog) << "gold was chosen for trade";
    screen.select(1);
    window.handleEvent(key(sf::Keyboard::Enter));
    ASSERT_TRUE(window.amountDialog);
    for (int i = 0; i < 5; ++i)
        window.handleEvent(key(sf::Keyboard::Up));
    EXPECT_EQ(window.amount, 4) << "held at the stack's count";
    EXPECT_TRUE(window.handleEvent(key(sf::Keyboard::Escape)));
    EXPECT_FALSE(window.active());
    EXPECT_EQ(bag.countOf(*leaf), 4);
}

// Over random sequences of pick-ups, drops, deletes, equips, purchases and sales,
// every unit is accounted for: gold and materials only move (or are deleted, which
// is counted), souls pay exactly the price, and each artefact has one holder.
TEST_F(Trading, NothingIsLostDuplicatedOrFreeOverRandomSequences)
{
    for (unsigned seed = 1; seed <= 60; ++seed)
    {
        std::srand(seed);
        FakeWorld room;
        room.karmaValue = static_cast<float>(std::rand() % 321 - 160);
        Trader trader;
        Inventory bag;
        std::vector<std::shared_ptr<Artefact>> equipped;
        InventoryScreen screen(bag);
        InventoryScreen::Owner owner{&equipped, &room, {0.f, 0.f}};

        std::map<std::string, long long> deleted;
        std::set<const Item*> deletedArtefacts;
        std::vector<std::shared_ptr<Item>> everything; // every item ever seen, for the census
        const auto census = [&](std::map<std::string, long long>& units, std::map<const Item*, int>& holders)
        {
            const auto count = [&](const std::shared_ptr<Item>& item, long long n)
            {
                if (!item || n <= 0)
                    return;
                if (item->getKind() == Item::ARTEFACT)
                    ++holders[item.get()];
                else
                    units[item->name] += n;
            };
            for (int i = 0; i < Inventory::kSlotCount; ++i)
            {
                count(bag.slot(i).item, bag.slot(i).count);
                count(trader.stock.slot(i).item, trader.stock.slot(i).count);
            }
            for (const auto& a : equipped)
                count(a, 1);
            room.entities.settle();
            for (Entity* e : room.entities.members())
                if (auto* d = dynamic_cast<ItemEntity*>(e); d && !d->isLeaving())
                    count(d->item, d->count);
        };
        // Loot lying in the room to begin with.
        for (int i = 0; i < 6; ++i)
        {
            auto a = std::make_shared<Artefact>();
            Artefact::rollArtefact(*a);
            room.addEntity(std::make_unique<ItemEntity>(a, 1, &room));
        }
        for (const char* name : {"Leaf", "Gold Coin", "Bell", "Tooth", "Demon Blood"})
            room.addEntity(std::make_unique<ItemEntity>(ItemRegistry::find(name), std::rand() % 60 + 1, &room));
        room.entities.settle();

        std::map<std::string, long long> before;
        std::map<const Item*, int> holdersBefore;
        census(before, holdersBefore);
        float soulsSpent = 0.f;
        const float karmaBefore = room.karmaValue;

        for (int step = 0; step < 150; ++step)
        {
            const int action = std::rand() % 6;
            if (action == 0)
            {
                // Pick up one lying stack, what fits.
                for (Entity* e : room.entities.members())
                    if (auto* d = dynamic_cast<ItemEntity*>(e); d && !d->isLeaving() && d->count > 0)
                    {
                        const std::int32_t left = bag.addStack(d->item, d->count);
                        d->count = left;
                        if (left == 0)
                        {
                            d->take();
                            room.removeEntity(d);
                        }
                        break;
                    }
                room.entities.settle();
            }
            else if (action <= 3)
            {
                // The bag's menu on a random slot: equip, drop or delete some units.
                screen.open();
                screen.target = std::rand() % Inventory::kSlotCount;
                const Inventory::Stack& s = bag.slot(screen.target);
                if (s.empty())
                    continue;
                screen.amount = std::rand() % (s.count + 2);
                const std::shared_ptr<Item> item = s.item;
                const std::int32_t amount = screen.amount;
                if (action == 1)
                    screen.equip(owner);
                else if (action == 2)
                    screen.drop(owner);
                else
                {
                    const std::int32_t had = item->getKind() == Item::ARTEFACT ? 1 : bag.countOf(*item);
                    if (screen.deleteUnits())
                    {
                        if (item->getKind() == Item::ARTEFACT)
                            deletedArtefacts.insert(item.get());
                        else
                            deleted[item->name] += had - bag.countOf(*item);
                    }
                    (void)amount;
                }
                room.entities.settle();
            }
            else
            {
                const bool buying = action == 4;
                Inventory& from = buying ? trader.stock : bag;
                const int index = std::rand() % Inventory::kSlotCount;
                const Inventory::Stack& s = from.slot(index);
                if (s.empty())
                    continue;
                const std::shared_ptr<Item> item = s.item;
                const std::int32_t amount = std::rand() % (s.count + 1) + 1;
                if (!buying)
                    TradeWindow::sell(bag, trader.stock, item, amount);
                else if (std::rand() % 2)
                    TradeWindow::buyForGold(bag, trader.stock, item, amount);
                else
                {
                    const float k = room.karmaValue;
                    if (TradeWindow::buyForSouls(bag, trader.stock, item, amount, room) == TradeWindow::Outcome::Done)
                    {
                        soulsSpent += static_cast<float>(TradeWindow::soulPrice(*item, amount));
                        EXPECT_GE(room.karmaValue, -160.f);
                    }
                    else
                        EXPECT_EQ(room.karmaValue, k) << "a refused purchase cost souls";
                }
            }
        }

        std::map<std::string, long long> after;
        std::map<const Item*, int> holdersAfter;
        census(after, holdersAfter);
        for (const auto& [name, n] : before)
            EXPECT_EQ(after[name] + deleted[name], n) << name << ", seed " << seed;
        for (const auto& [name, n] : after)
            EXPECT_TRUE(before.count(name)) << "a new kind appeared: " << name;
        for (const auto& [artefact, holders] : holdersBefore)
        {
            if (deletedArtefacts.count(artefact))
                EXPECT_EQ(holdersAfter.count(artefact), 0u);
            else
                EXPECT_EQ(holdersAfter[artefact], 1)
                    << "an artefact has " << holdersAfter[artefact] << " holders, seed " << seed;
        }
        EXPECT_EQ(holdersAfter.size() + deletedArtefacts.size(), holdersBefore.size());
        EXPECT_FLOAT_EQ(karmaBefore - room.karmaValue, soulsSpent) << "seed " << seed;
    }
}
