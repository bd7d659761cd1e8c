#include "creatures/Enemy.h"

#include "core/AnimationData.h"
#include "core/RoomNameRegistry.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/SoulChoice.h"
#include "creatures/Zeyn.h"
#include "support/EnemyWorld.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace
{
constexpr float kFrame = 1.f / 60.f;

struct EnemyBase : ::testing::Test
{
    void SetUp() override
    {
        std::srand(7);
        loadGameEnemyData();
    }
    void TearDown() override
    {
        SoulChoice::reset();
        SoulChoice::setPointerSource(nullptr);
    }
    // A Zeyn far from the player, standing still (its handlers do not run while the
    // test drives it by hand).
    Zeyn& addZeyn(sf::Vector2f at)
    {
        return *static_cast<Zeyn*>(world.entities.add(std::make_unique<Zeyn>(world, at)));
    }
    void kill(Enemy& enemy)
    {
        enemy.takeDamage(100000);
        // Past the death animation: the soul stands and registers.
        for (int i = 0; i < 200 && !enemy.soulShown(); ++i)
            world.step(1);
    }
    void pointAt(bool right)
    {
        SoulChoice::setPointerSource([right] { return SoulChoice::Pointer{false, 0.f, right ? 1900.f : 20.f}; });
    }
    FakeWorld world;
};

TEST_F(EnemyBase, TwoHitsWithinTheInvincibilityWindowTakeOffHealthOnce)
{
    Zeyn& zeyn = addZeyn({2000.f, 0.f});
    const float full = zeyn.health;
    const float window = EnemyDatabase::records().shared.invincibilityTime;
    zeyn.takeDamage(10);
    world.step(static_cast<int>(window / kFrame) - 2);
    zeyn.takeDamage(10);
    EXPECT_FLOAT_EQ(zeyn.health, full - 10.f) << "a second hit inside the window landed";
    world.step(3);
    zeyn.takeDamage(10);
    EXPECT_FLOAT_EQ(zeyn.health, full - 20.f) << "a hit after the window was refused";
    EXPECT_TRUE(zeyn.hitFlash());
}

TEST(EnemyProbe, VertexFollowsTheHeading)
{
    const struct
    {
        float degrees;
        std::size_t vertex;
    } cases[] = {{-90.f, 1}, {180.f, 7}, {-180.f, 7}, {-100.f, 0}, {-170.f, 0}, {-80.f, 1}, {-10.f, 2}, {0.f, 3},
                 {10.f, 3},  {45.f, 4},  {80.f, 4},   {90.f, 5},   {100.f, 5},  {135.f, 6}, {171.f, 7}};
    for (const auto& c : cases)
        EXPECT_EQ(Enemy::probeVertexFor(c.degrees), c.vertex) << "heading " << c.degrees;
}

TEST_F(EnemyBase, MovementIsRefusedWhenTheProbeVertexLeavesTheGround)
{
    Zeyn& zeyn = addZeyn({0.f, 0.f});
    zeyn.speed = 600.f;
    // Ground everywhere except below y = 70: heading down, the lower probe (y + 76) refuses.
    world.walkable = [](const Entity*, sf::Vector2f p) { return p.y < 70.f; };
    EXPECT_FALSE(zeyn.moveTowards({0.f, 500.f}, true, kFrame, true));
    EXPECT_EQ(zeyn.getPosition(), sf::Vector2f(0.f, 0.f));
    EXPECT_TRUE(zeyn.moveTowards({0.f, -500.f}, true, kFrame, true));
    EXPECT_FALSE(zeyn.moveTowards({0.f, 500.f}, true, kFrame, false) == false) << "unblocked moves always go";
}

TEST_F(EnemyBase, SnapLandsOnThePointOnlyWhenMovingTowardIt)
{
    Zeyn& zeyn = addZeyn({0.f, 0.f});
    zeyn.speed = 300.f; // snap radius 10
    ASSERT_TRUE(zeyn.moveTowards({8.f, 3.f}, true, kFrame, false));
    EXPECT_EQ(zeyn.getPosition(), sf::Vector2f(8.f, 3.f));

    zeyn.setPosition({0.f, 0.f});
    ASSERT_TRUE(zeyn.moveTowards({4.f, 0.f}, false, kFrame, false));
    EXPECT_LT(zeyn.getPosition().x, 0.f) << "walking away from a point within reach landed on it";
}

TEST_F(EnemyBase, ABrokenCollisionPolygonProbesTheCandidatePoint)
{
    EnemyRecords records = EnemyDatabase::records();
    records.zeyn.colisionBox = {{-10.f, 0.f}, {10.f, 0.f}, {0.f, 10.f}};
    EnemyDatabase::setRecords(records);
    Zeyn& zeyn = addZeyn({0.f, 0.f});
    zeyn.speed = 60.f;
    std::vector<sf::Vector2f> probed;
    world.walkable = [&](const Entity*, sf::Vector2f p)
    {
        probed.push_back(p);
        return true;
    };
    for (float heading : {0.f, 1.f, 2.f, 3.f, 4.f, 5.f})
        zeyn.moveTowards(zeyn.getPosition() + sf::Vector2f(std::cos(heading), std::sin(heading)) * 100.f, true, kFrame,
                         true);
    ASSERT_EQ(probed.size(), 6u);
    EXPECT_EQ(probed.back(), zeyn.getPosition());
}

TEST_F(EnemyBase, AnEmptyAttackShapeOrHitBoxTouchesNothing)
{
    Zeyn& zeyn = addZeyn({0.f, 0.f});
    EXPECT_FALSE(zeyn.attackHitsPlayer({}));
    EXPECT_TRUE(zeyn.attackHitsPlayer({{0.f, 0.f}, {10.f, 0.f}}));
    world.hasPlayer = false;
    EXPECT_FALSE(zeyn.attackHitsPlayer({{0.f, 0.f}, {10.f, 0.f}}));
}

TEST_F(EnemyBase, PendingSoulIsTheOneNearestThePlayer)
{
    Zeyn& far = addZeyn({300.f, 0.f});
    Zeyn& near = addZeyn({-150.f, 0.f});
    kill(far);
    kill(near);
    world.step(1);
    EXPECT_EQ(SoulChoice::pending(world), &near);
    // Walking over to the other soul makes it the pending one.
    world.movePlayer({290.f, 0.f});
    world.step(2);
    EXPECT_EQ(SoulChoice::pending(world), &far);
}

TEST_F(EnemyBase, KillRaisesKarmaClampedAt160AndTheEnemyLeaves)
{
    world.karmaValue = 150.f;
    Zeyn& zeyn = addZeyn({60.f, 0.f});
    kill(zeyn);
    pointAt(true);
    EXPECT_EQ(SoulChoice::resolve(world, true), SoulChoice::Outcome::Opened);
    EXPECT_EQ(SoulChoice::resolve(world, false), SoulChoice::Outcome::Killed);
    EXPECT_FLOAT_EQ(world.karmaValue, 160.f);
    EXPECT_FALSE(world.holds(&zeyn));
    EXPECT_EQ(SoulChoice::pending(world), nullptr);
    world.step(1);
    EXPECT_FALSE(world.entities.any([](const Entity& e) { return isDeadEnemy(e); }));
}

TEST_F(EnemyBase, SaveLowersKarmaAndAPadHatDecides)
{
    const float delta = EnemyDatabase::records().shared.demonicBarDelta;
    struct Case
    {
        SoulChoice::Pointer pointer;
        SoulChoice::Outcome outcome;
        float karma;
    } cases[] = {
        {{false, 0.f, 20.f}, SoulChoice::Outcome::Saved, -delta},
        {{true, 100.f, 20.f}, SoulChoice::Outcome::Killed, delta},
        {{true, -100.f, 1900.f}, SoulChoice::Outcome::Saved, -delta},
        {{true, 0.f, 1900.f}, SoulChoice::Outcome::Closed, 0.f},
    };
    for (const Case& c : cases)
    {
        FakeWorld local;
        auto* zeyn = static_cast<Zeyn*>(local.entities.add(std::make_unique<Zeyn>(local, sf::Vector2f(60.f, 0.f))));
        zeyn->takeDamage(100000);
        for (int i = 0; i < 200 && !zeyn->soulShown(); ++i)
            local.step(1);
        SoulChoice::setPointerSource([p = c.pointer] { return p; });
        SoulChoice::resolve(local, true);
        EXPECT_EQ(SoulChoice::resolve(local, false), c.outcome);
        EXPECT_FLOAT_EQ(local.karmaValue, c.karma);
        // A centred hat leaves the soul waiting for another try.
        EXPECT_EQ(local.holds(zeyn), c.outcome == SoulChoice::Outcome::Closed);
        SoulChoice::reset();
    }
}

TEST_F(EnemyBase, ASoulTooFarAwayIsNotSettled)
{
    Zeyn& zeyn = addZeyn({60.f, 0.f});
    kill(zeyn);
    world.movePlayer({1000.f, 0.f});
    pointAt(true);
    SoulChoice::resolve(world, true);
    EXPECT_EQ(SoulChoice::resolve(world, false), SoulChoice::Outcome::Closed);
    EXPECT_TRUE(world.holds(&zeyn));
    EXPECT_FALSE(SoulChoice::isOpen());
}

TEST_F(EnemyBase, TheChoiceNeverOpensInAHealRoom)
{
    world.type = ROOM_HEAL;
    Zeyn& zeyn = addZeyn({60.f, 0.f});
    kill(zeyn);
    EXPECT_EQ(SoulChoice::resolve(world, true), SoulChoice::Outcome::StayedOpen);
    EXPECT_FALSE(SoulChoice::isOpen()) << "E in a heal room opened a choice it can never close";
}

TEST_F(EnemyBase, APendingSoulIsForgottenWhenItsEnemyGoesOrTheRecordIsReset)
{
    Zeyn& zeyn = addZeyn({60.f, 0.f});
    kill(zeyn);
    ASSERT_EQ(SoulChoice::pending(world), &zeyn);
    SoulChoice::reset();
    EXPECT_EQ(SoulChoice::pending(world), nullptr);
    world.step(1);
    ASSERT_EQ(SoulChoice::pending(world), &zeyn);

    // The room lets the enemy go (a room change): a later E settles nothing.
    world.removeEntity(&zeyn);
    world.step(1);
    pointAt(true);
    SoulChoice::resolve(world, true);
    EXPECT_EQ(SoulChoice::resolve(world, false), SoulChoice::Outcome::Closed);
    EXPECT_FLOAT_EQ(world.karmaValue, 0.f);
}

TEST_F(EnemyBase, DeathPlaysTheSideFacingThePlayerThenShowsTheSoul)
{
    // Standing exactly on the player's x counts as facing left.
    Zeyn& zeyn = addZeyn({0.f, 200.f});
    zeyn.takeDamage(100000);
    world.step(1);
    EXPECT_EQ(zeyn.currentKey(), "Zeyn_Death_Left");
    EXPECT_FALSE(zeyn.isVulnerable());
    for (int i = 0; i < 200 && !zeyn.soulShown(); ++i)
        world.step(1);
    EXPECT_TRUE(zeyn.soulShown());
    EXPECT_EQ(SoulChoice::pending(world), &zeyn);
}
} // namespace
