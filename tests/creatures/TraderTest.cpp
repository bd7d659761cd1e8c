#include "creatures/Trader.h"

#include "core/AnimationData.h"
#include "core/Item.h"
#include "core/ItemRegistry.h"
#include "creatures/ItemEntity.h"
#include "support/FakeWorld.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(TraderStock, ThreeArtefactsAndFiveHundredToNineHundredNinetyNineGold)
{
    ItemRegistry::clear();
    ItemRegistry::registerItems();
    const auto coin = ItemRegistry::find("Gold Coin");
    for (unsigned seed = 1; seed <= 200; ++seed)
    {
        std::srand(seed);
        Trader trader;
        for (int i = 0; i < 3; ++i)
        {
            ASSERT_FALSE(trader.stock.slot(i).empty()) << seed;
            EXPECT_EQ(trader.stock.slot(i).item->getKind(), Item::ARTEFACT);
            EXPECT_EQ(trader.stock.slot(i).item.use_count(), 1) << "an artefact of the stock is shared";
        }
        const int gold = trader.stock.countOf(*coin);
        EXPECT_GE(gold, 500);
        EXPECT_LE(gold, 999);
        EXPECT_EQ(trader.getPosition(), sf::Vector2f(1840.f, 950.f));
    }
}

TEST(TraderLook, SwaysThroughSixFramesOfPointFourSeconds)
{
    Trader trader;
    EXPECT_EQ(trader.animation().frameCount, 6u);
    EXPECT_EQ(trader.animation().frameSize, sf::Vector2u(239, 308));
    for (int i = 0; i < 6; ++i)
        trader.update(0.4f);
    EXPECT_EQ(trader.animation().currentFrame, 0) << "the sway loops";
    trader.update(0.4f);
    EXPECT_EQ(trader.animation().currentFrame, 1);
}

TEST(ItemEntityReach, ItTurnsAndHopsOnlyWithinThePickUpReach)
{
    FakeWorld world;
    auto leaf = std::make_shared<Item>("Leaf", Item::MATERIAL, 26, 11);
    auto* near = static_cast<ItemEntity*>(world.entities.add(std::make_unique<ItemEntity>(leaf, 2, &world)));
    auto* far = static_cast<ItemEntity*>(world.entities.add(std::make_unique<ItemEntity>(leaf, 2, &world)));
    near->setPosition({60.f, 60.f});
    far->setPosition({80.f, 80.f});
    world.step(1);
    EXPECT_TRUE(near->inReach());
    EXPECT_FALSE(far->inReach()) << "113 px away is out of reach at zoom 1";
    world.view.zoom = 1.66f;
    world.step(1);
    EXPECT_TRUE(far->inReach()) << "the reach grows with the zoom, as the pick-up's does";
    EXPECT_GT(far->age, 0.f);
}
