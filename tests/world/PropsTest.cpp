#include "world/Props.h"

#include "core/AnimationData.h"
#include "core/Artefact.h"
#include "core/Camera.h"
#include "core/Inventory.h"
#include "core/ItemRegistry.h"
#include "core/Polygon.h"
#include "creatures/ItemEntity.h"
#include "support/FakeRun.h"
#include "support/TestSupport.h"
#include "support/TextureFixture.h"
#include "world/Moss.h"
#include "world/Pentagram.h"
#include "world/Vase.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// The gold coin the pots hold; the rest of the items are not needed here.
class ItemsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ItemRegistry::clear();
        ItemRegistry::registerItems();
    }
    void TearDown() override { ItemRegistry::clear(); }

    static int goldIn(const Props& pot)
    {
        return pot.loot() ? pot.loot()->countOf(*ItemRegistry::find("Gold Coin")) : -1;
    }
};

using VaseTest = ItemsFixture;
} // namespace

TEST_F(VaseTest, EveryClonedPotDrawsItsOwnOneToTenCoins)
{
    const Vase prototype("pot_02");
    EXPECT_EQ(prototype.loot(), nullptr) << "the prototype itself holds nothing";
    std::set<int> seen;
    bool differed = false;
    for (unsigned seed = 1; seed <= 300; ++seed)
    {
        std::srand(seed);
        auto a = prototype.clone();
        auto b = prototype.clone();
        ASSERT_NE(a->loot(), b->loot());
        const int ga = goldIn(*a), gb = goldIn(*b);
        ASSERT_GE(ga, 1) << "seed " << seed;
        ASSERT_LE(ga, 10) << "seed " << seed;
        ASSERT_GE(gb, 1) << "seed " << seed;
        ASSERT_LE(gb, 10) << "seed " << seed;
        seen.insert(ga);
        differed = differed || ga != gb;
    }
    EXPECT_EQ(seen.size(), 10u) << "every amount from 1 to 10 should come up";
    EXPECT_TRUE(differed) << "two pots never drew different loot";
}

TEST_F(VaseTest, RarelyHidesAnArtefact)
{
    const Vase prototype("pot_01");
    int withArtefact = 0;
    for (unsigned seed = 1; seed <= 3000; ++seed)
    {
        std::srand(seed);
        auto pot = prototype.clone();
        const Inventory::Stack& second = pot->loot()->slot(1);
        if (second.empty())
            continue;
        ++withArtefact;
        ASSERT_EQ(second.item->getKind(), Item::ARTEFACT) << "seed " << seed;
        EXPECT_NE(second.item->name, "NilItem") << "the artefact was not rolled";
    }
    // About 0.9 % of the pots.
    EXPECT_GT(withArtefact, 5);
    EXPECT_LT(withArtefact, 70);
}

TEST_F(VaseTest, ABrokenPotHandsItsArtefactToTheDropAlone)
{
    const Vase prototype("pot_01");
    for (unsigned seed = 1; seed <= 3000; ++seed)
    {
        std::srand(seed);
        auto pot = prototype.clone();
        if (pot->loot()->slot(1).empty())
            continue;
        const std::weak_ptr<Item> artefact = pot->loot()->slot(1).item;
        FakeRun run;
        ASSERT_TRUE(pot->interact(run.player(), &run, true));
        ASSERT_EQ(run.added().size(), 2u);
        const auto* drop = dynamic_cast<const ItemEntity*>(run.added()[1]);
        ASSERT_NE(drop, nullptr);
        EXPECT_EQ(drop->item, artefact.lock());
        EXPECT_EQ(artefact.use_count(), 1) << "the pot and the drop both hold the artefact";
        EXPECT_TRUE(pot->loot()->slot(0).empty()) << "the loot stayed in the broken pot";
        return;
    }
    FAIL() << "no pot held an artefact";
}

TEST_F(VaseTest, StrikeBreaksThePotOnceAndScattersItsLootAroundIt)
{
    FakeRun run;
    std::srand(7);
    auto pot = Vase("pot_03").clone();
    pot->setPosition({400.f, 300.f});
    const int gold = goldIn(*pot);

    EXPECT_FALSE(pot->interact(run.player(), &run, false)) << "the interaction key does not break pots";
    EXPECT_TRUE(run.added().empty());
    EXPECT_FALSE(pot->used());

    EXPECT_TRUE(pot->interact(run.player(), &run, true));
    EXPECT_TRUE(pot->used());
    ASSERT_EQ(run.added().size(), 1u);
    const auto* drop = dynamic_cast<const ItemEntity*>(run.added()[0]);
    ASSERT_NE(drop, nullptr);
    EXPECT_EQ(drop->item->name, "Gold Coin");
    EXPECT_EQ(drop->count, gold);
    const sf::Vector2f offset = drop->getPosition() - sf::Vector2f(400.f, 300.f);
    EXPECT_GE(offset.x, -50.f);
    EXPECT_LT(offset.x, 50.f);
    EXPECT_GE(offset.y, -50.f);
    EXPECT_LT(offset.y, 50.f);

    EXPECT_FALSE(pot->interact(run.player(), &run, true)) << "a broken pot drops nothing more";
    EXPECT_EQ(run.added().size(), 1u);
}

TEST_F(VaseTest, OutlineBlocksTheFootOfThePotUntilItBreaks)
{
    FakeRun run;
    auto pot = Vase("pot_01").clone();
    // Placed by the room and asked about before its first update.
    pot->setPosition({100.f, 100.f});
    struct Case
    {
        sf::Vector2f point;
        bool blocked;
    };
    const Case cases[] = {
        {{100.f, 120.f}, true},  // inside the foot
        {{140.f, 140.f}, true},  // near the corner
        {{100.f, 90.f}, false},  // above: the pot's top half can be walked behind
        {{150.f, 120.f}, false}, // beside it
        {{100.f, 150.f}, false}, // below it
    };
    for (const Case& c : cases)
        EXPECT_EQ(pot->standsInTheWay(run.player(), c.point, &run), c.blocked)
            << "at " << c.point.x << ", " << c.point.y;
    pot->update(0.016f);
    EXPECT_TRUE(pot->standsInTheWay(run.player(), {100.f, 120.f}, &run));
    pot->interact(run.player(), &run, true);
    EXPECT_FALSE(pot->standsInTheWay(run.player(), {100.f, 120.f}, &run)) << "a broken pot no longer blocks";
    // A plain prop has no outline and never blocks.
    Props grave("single_grave");
    grave.setPosition({100.f, 100.f});
    EXPECT_FALSE(grave.standsInTheWay(run.player(), {100.f, 100.f}, &run));
}

TEST(PropsClone, CopyHasItsOwnOutlineAndAnimationState)
{
    Props original("statue");
    original.setOutline(
        std::make_unique<Polygon>(std::vector<sf::Vector2f>{{-10.f, -10.f}, {10.f, -10.f}, {10.f, 10.f}}));
    original.setStrip({8, 8}, 4, 0.1f);
    original.createAnimation();
    original.animation()->step(0.1f);
    original.animation()->step(0.05f);
    original.animation()->once = true;

    auto copy = original.clone();
    ASSERT_NE(copy->animation(), original.animation());
    EXPECT_EQ(copy->animation()->currentFrame, 1);
    EXPECT_FLOAT_EQ(copy->animation()->elapsed, 0.05f);
    EXPECT_TRUE(copy->animation()->once);
    ASSERT_NE(copy->outline(), original.outline());
    copy->setPosition({500.f, 0.f});
    EXPECT_TRUE(copy->outline()->contains({500.f, -2.f}));
    EXPECT_FALSE(original.outline()->contains({500.f, -2.f})) << "moving the copy moved the prototype's outline";
    EXPECT_EQ(copy->name(), "statue");
}

TEST(PropsAnimation, MossPlaysItsStripTwiceAsFastAsAPlainProp)
{
    Moss moss("moss_13");
    Props plain("bush_01");
    for (Props* p : {static_cast<Props*>(&moss), &plain})
    {
        p->setStrip({8, 8}, 8, 0.21f);
        p->createAnimation();
    }
    for (int i = 0; i < 3; ++i)
    {
        moss.update(0.21f);
        plain.update(0.21f);
    }
    EXPECT_EQ(plain.animation()->currentFrame, 3);
    EXPECT_EQ(moss.animation()->currentFrame, 6);
    // A copy keeps the pace.
    auto copy = moss.clone();
    copy->update(0.21f);
    EXPECT_EQ(copy->animation()->currentFrame, 0) << "eight frames wrap back to the first";
}

TEST(PentagramTest, WatchesThePlayerOnlyInHealRooms)
{
    LogCapture quiet; // no fonts loaded
    Pentagram circle;
    circle.setPosition({1000.f, 1000.f});
    {
        FakeRun heal(4);
        heal.movePlayer({1000.f, 1100.f});
        circle.update(0.016f);
        EXPECT_TRUE(circle.playerInRange()) << "exactly 100 px away is in reach";
        heal.movePlayer({1060.f, 1081.f});
        circle.update(0.016f);
        EXPECT_FALSE(circle.playerInRange());
        heal.movePlayer({1010.f, 990.f});
        circle.update(0.016f);
        EXPECT_TRUE(circle.playerInRange());
    }
    {
        FakeRun normal(0);
        normal.movePlayer({5000.f, 5000.f});
        circle.update(0.016f);
        EXPECT_TRUE(circle.playerInRange()) << "outside a Heal room the flag is left alone";
    }
    auto copy = circle.clone();
    auto* copied = dynamic_cast<Pentagram*>(copy.get());
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->playerInRange());
    EXPECT_EQ(copied->prompt().getString().toAnsiString(), "Press E to consume your soul and heal");
    EXPECT_EQ(copied->prompt().getCharacterSize(), 40u);
    EXPECT_EQ(copied->prompt().getOutlineColor(), sf::Color(142, 25, 28, 255));
    EXPECT_EQ(copied->getLayer(), -1);
}

// Drawn for real: a strip of four flat-coloured frames, the prop centred on its
// position through the camera, showing its current frame, and nothing once broken.
class PropDrawTest : public TextureFixture
{
};

TEST_F(PropDrawTest, ShowsItsCurrentFrameAtItsPlaceAndNothingOnceBroken)
{
    const sf::Color colours[] = {sf::Color(255, 0, 0), sf::Color(0, 255, 0), sf::Color(0, 0, 255),
                                 sf::Color(255, 255, 0)};
    sf::Image strip;
    strip.create(40, 10);
    for (unsigned f = 0; f < 4; ++f)
        for (unsigned y = 0; y < 10; ++y)
            for (unsigned x = 0; x < 10; ++x)
                strip.setPixel(f * 10 + x, y, colours[f]);
    const std::string file = picture("pot_strip", 1, 1);
    ASSERT_TRUE(strip.saveToFile(file));
    TextureManager::loadTexture("pot_01", file);

    Vase pot("pot_01");
    pot.setStrip({10, 10}, 4, 0.1f);
    pot.createAnimation();
    pot.setPosition({50.f, 50.f});
    pot.update(0.1f);
    pot.update(0.1f);
    Camera camera;
    camera.centre = {50.f, 50.f};
    camera.zoom = 2.f;
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1920, 1080));
    auto draw = [&]
    {
        target.clear(sf::Color::Black);
        pot.draw(target, camera);
        target.display();
        return target.getTexture().copyToImage();
    };
    sf::Image shot = draw();
    EXPECT_EQ(shot.getPixel(960, 540), colours[2]) << "the third frame should show";
    EXPECT_EQ(shot.getPixel(960 - 9, 540 - 9), colours[2]) << "scaled by the zoom around its centre";
    EXPECT_EQ(shot.getPixel(960 - 11, 540), sf::Color::Black);

    FakeRun run;
    ASSERT_TRUE(pot.interact(run.player(), &run, true));
    EXPECT_EQ(draw().getPixel(960, 540), sf::Color::Black) << "a broken pot is no longer drawn";
}
