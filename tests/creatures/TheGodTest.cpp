#include "creatures/TheGod.h"
#include "support/EnemyWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

namespace
{
constexpr float kFrame = 1.f / 60.f;
const sf::Vector2f kCentre(TheGod::kCentreX, TheGod::kCentreY);

struct TheGodFixture : ::testing::Test
{
    void SetUp() override
    {
        std::srand(7);
        loadGameEnemyData();
    }
    void TearDown() override { SoulChoice::reset(); }
    static void tune(const std::function<void(TheGodRecord&)>& change)
    {
        EnemyRecords records = EnemyDatabase::records();
        change(records.theGod);
        EnemyDatabase::setRecords(records);
    }
    static bool stepUntil(FakeWorld& world, const std::function<bool()>& done, float seconds)
    {
        for (int i = 0; i < static_cast<int>(seconds * 60.f); ++i)
        {
            world.step(1, kFrame);
            if (done())
                return true;
        }
        return false;
    }
};

TEST(TheGodDraw, GoodChancesCountTheirBoundAndBadOnesStopShortOfIt)
{
    TheGodRecord r;
    r.attack1.goodProb = 50, r.attack2.goodProb = 30;
    r.attack1.badProb = 50, r.attack2.badProb = 30;
    struct Case
    {
        int draw;
        bool leaning;
        unsigned attack;
    };
    const Case cases[] = {
        {0, true, TheGod::DEER},
        {50, true, TheGod::DEER},
        {51, true, TheGod::WOLF},
        {80, true, TheGod::WOLF},
        {81, true, 0},
        {0, false, TheGod::DEER},
        {49, false, TheGod::DEER},
        {50, false, TheGod::WOLF},
        {79, false, TheGod::WOLF},
        {80, false, 0},
        {100, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TheGod::attackFor(c.draw, c.leaning, r), c.attack)
            << "draw " << c.draw << (c.leaning ? " with good chances" : " with bad chances");
    r.attack1.goodProb = 0;
    EXPECT_EQ(TheGod::attackFor(0, true, r), TheGod::WOLF) << "a chance of 0 never selects";
}

TEST_F(TheGodFixture, ItLeansByTheKarmaItMeets)
{
    for (const auto& [karma, leaning] : {std::pair{0.f, true}, std::pair{30.f, true}, std::pair{-0.5f, false}})
    {
        FakeWorld world;
        world.karmaValue = karma;
        TheGod god(world, kCentre);
        EXPECT_EQ(god.leaning(), leaning) << "karma " << karma;
    }
}

TEST_F(TheGodFixture, ThreeHitsAreUndoneByVanishesAndTheFourthSticksUntilTheNextAttackEnds)
{
    tune([](TheGodRecord& r) { r.attackDelay = 1000.f; });
    FakeWorld world;
    auto* god = static_cast<TheGod*>(world.entities.add(std::make_unique<TheGod>(world, kCentre)));
    const float full = god->health;
    for (int hit = 1; hit <= 3; ++hit)
    {
        world.step(30);
        god->takeDamage(50);
        ASSERT_EQ(god->health, full - 50.f) << "hit " << hit;
        ASSERT_TRUE(stepUntil(
            world, [&] { return god->currentKey() == "TheGod_Idle" && god->step() == 0; }, 5.f));
        EXPECT_EQ(god->health, full) << "hit " << hit << " was not undone";
        EXPECT_EQ(god->vanishCount(), static_cast<unsigned>(hit));
        const sf::Vector2f d = god->getPosition() - kCentre;
        EXPECT_GE(std::hypot(d.x, d.y), 199.f);
        EXPECT_LT(std::hypot(d.x, d.y), 500.f);
    }
    world.step(30);
    god->takeDamage(50);
    world.step(120);
    EXPECT_EQ(god->health, full - 50.f) << "the fourth hit was undone";
    EXPECT_EQ(god->vanishCount(), 3u);
}

TEST_F(TheGodFixture, TheWolfBitesAPlayerStandingInEachCornerOfTheArena)
{
    tune(
        [](TheGodRecord& r)
        {
            r.attack1.goodProb = r.attack1.badProb = 0;
            r.attack2.goodProb = r.attack2.badProb = 100;
            r.attackDelay = 0.2f;
        });
    RoomWorld probe("tf_boss");
    sf::Vector2f low = probe.room.boundaries.front(), high = low;
    for (const sf::Vector2f v : probe.room.boundaries)
        low = {std::min(low.x, v.x), std::min(low.y, v.y)}, high = {std::max(high.x, v.x), std::max(high.y, v.y)};
    // The ground nearest each corner of the room's bounds.
    for (const sf::Vector2f corner : {low, sf::Vector2f(high.x, low.y), high, sf::Vector2f(low.x, high.y)})
    {
        sf::Vector2f stand = corner;
        float best = 1e12f;
        for (float x = low.x; x <= high.x; x += 10.f)
            for (float y = low.y; y <= high.y; y += 10.f)
                if (probe.onGround({x, y}))
                {
                    const float d = (x - corner.x) * (x - corner.x) + (y - corner.y) * (y - corner.y);
                    if (d < best)
                        best = d, stand = {x + 0.f, y + 0.f};
                }
        for (unsigned seed = 1; seed <= 5; ++seed)
        {
            std::srand(seed);
            RoomWorld world("tf_boss");
            world.movePlayer(stand);
            auto* god = static_cast<TheGod*>(world.entities.add(std::make_unique<TheGod>(world, kCentre)));
            ASSERT_TRUE(stepUntil(
                world, [&] { return god->state() == TheGod::WOLF && god->step() == 2; }, 10.f));
            const sf::Vector2f d = god->getPosition() - stand;
            EXPECT_LE(std::abs(d.x) + std::abs(d.y), 113.f) << "the wolf stands away from the player";
            ASSERT_TRUE(stepUntil(
                world, [&] { return god->state() == TheGod::IDLE; }, 10.f));
            EXPECT_FALSE(world.blows.empty()) << "a player at " << stand.x << "," << stand.y << " was never bitten";
        }
    }
}

TEST_F(TheGodFixture, AWolfWithNoRoomOnAnySideStillComesAndGoes)
{
    tune([](TheGodRecord& r) { r.attack1.goodProb = 0, r.attack2.goodProb = 100, r.attackDelay = 0.2f; });
    FakeWorld world;
    // A strip one pace wide: no side of the player has room for the wolf.
    world.walkable = [](const Entity*, sf::Vector2f p)
    { return std::abs(p.x - kCentre.x) < 20.f && std::abs(p.y - kCentre.y) < 20.f; };
    world.movePlayer(kCentre);
    auto* god = static_cast<TheGod*>(world.entities.add(std::make_unique<TheGod>(world, kCentre)));
    EXPECT_TRUE(stepUntil(
        world, [&] { return god->state() == TheGod::WOLF && god->step() == 3; }, 10.f));
    EXPECT_TRUE(stepUntil(
        world, [&] { return god->state() == TheGod::IDLE; }, 10.f));
}

TEST_F(TheGodFixture, ADeerChargesTowardThePlayerAndPassesIt)
{
    tune([](TheGodRecord& r) { r.attack1.goodProb = 100, r.attack2.goodProb = 0, r.attackDelay = 0.2f; });
    FakeWorld world;
    world.movePlayer(kCentre + sf::Vector2f(-400.f, 10.f));
    auto* god = static_cast<TheGod*>(world.entities.add(std::make_unique<TheGod>(world, kCentre)));
    ASSERT_TRUE(stepUntil(
        world, [&] { return god->state() == TheGod::DEER && god->step() == 2; }, 10.f));
    EXPECT_EQ(god->deerDirection(), "Left");
    EXPECT_FALSE(god->isVulnerable());
    ASSERT_TRUE(stepUntil(
        world, [&] { return god->step() == 3; }, 5.f));
    EXPECT_LT(god->getPosition().x, world.playerPosition().x - 200.f);
    EXPECT_FALSE(world.blows.empty());
    ASSERT_TRUE(stepUntil(
        world, [&] { return god->state() == TheGod::IDLE; }, 5.f));
    EXPECT_TRUE(god->isVulnerable());
}

TEST_F(TheGodFixture, ItsDeathLeavesNoSoulDrawsNothingAndStaysADeadEnemy)
{
    FakeWorld world;
    auto* god = static_cast<TheGod*>(world.entities.add(std::make_unique<TheGod>(world, kCentre)));
    EXPECT_TRUE(world.bossBarShown);
    god->health = 0.f;
    ASSERT_TRUE(stepUntil(
        world, [&] { return god->soulShown(); }, 10.f));
    EXPECT_FALSE(world.bossBarShown);
    world.step(60);
    EXPECT_EQ(SoulChoice::pending(world), nullptr);
    EXPECT_TRUE(world.entities.any(isDeadEnemy));
    EXPECT_EQ(SoulChoice::resolve(world, true), SoulChoice::Outcome::Opened);
    EXPECT_EQ(SoulChoice::resolve(world, false), SoulChoice::Outcome::Closed);
    EXPECT_TRUE(world.holds(god));
}
} // namespace
