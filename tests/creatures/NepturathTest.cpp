#include "creatures/Nepturath.h"
#include "support/EnemyWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>

namespace
{
constexpr float kFrame = 1.f / 60.f;
const sf::Vector2f kCentre(Nepturath::kCentreX, Nepturath::kCentreY);

struct NepturathFixture : ::testing::Test
{
    void SetUp() override
    {
        std::srand(5);
        loadGameEnemyData();
    }
    void TearDown() override { SoulChoice::reset(); }

    // The game's tuning with `change` applied.
    static void tune(const std::function<void(NepturathRecord&)>& change)
    {
        EnemyRecords records = EnemyDatabase::records();
        change(records.nepturath);
        EnemyDatabase::setRecords(records);
    }
    Nepturath& spawn(sf::Vector2f at = kCentre)
    {
        return *static_cast<Nepturath*>(world.entities.add(std::make_unique<Nepturath>(world, at)));
    }
    // Steps until `done` or `seconds` have passed; true when `done` came.
    bool stepUntil(const std::function<bool()>& done, float seconds)
    {
        for (int i = 0; i < static_cast<int>(seconds * 60.f); ++i)
        {
            world.step(1, kFrame);
            if (done())
                return true;
        }
        return false;
    }
    FakeWorld world;
};

TEST(NepturathDraw, TheDiveIsNeverChosenForAPlayerFarFromTheCentre)
{
    NepturathRecord r;
    r.attack1.prob = 50;
    r.attack1.startPlayerCenterDist = 700;
    r.attack2.prob = 30;
    struct Case
    {
        int draw;
        float playerDistance;
        unsigned attack;
    };
    const Case cases[] = {
        {0, 700.f, Nepturath::DIVE},
        {50, 0.f, Nepturath::DIVE},
        {51, 0.f, Nepturath::CHARGE},
        {80, 700.f, Nepturath::CHARGE},
        {81, 0.f, 0},
        {0, 700.5f, Nepturath::CHARGE},
        {50, 2000.f, Nepturath::CHARGE},
        {81, 2000.f, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Nepturath::attackFor(c.draw, c.playerDistance, r), c.attack)
            << "draw " << c.draw << " with the player " << c.playerDistance << " px from the centre";
    r.attack2.prob = 0;
    for (int draw = 0; draw <= 100; ++draw)
        EXPECT_EQ(Nepturath::attackFor(draw, 701.f, r), 0u) << draw;
}

TEST_F(NepturathFixture, CirclesTheCentreAndNeverDivesAtAFarPlayer)
{
    world.movePlayer(kCentre + sf::Vector2f(0.f, 1200.f));
    Nepturath& boss = spawn();
    std::set<unsigned> states;
    float least = 1e9f, most = 0.f;
    for (int i = 0; i < 90 * 60; ++i)
    {
        world.step(1, kFrame);
        states.insert(boss.state());
        if (boss.state() == Nepturath::CIRCLING && boss.step() == 1)
        {
            const sf::Vector2f d = boss.getPosition() - kCentre;
            least = std::min(least, std::hypot(d.x, d.y)), most = std::max(most, std::hypot(d.x, d.y));
        }
    }
    EXPECT_FALSE(states.count(Nepturath::DIVE)) << "dived at a player 1200 px from the centre";
    EXPECT_TRUE(states.count(Nepturath::CHARGE)) << "never charged in 90 s";
    const float ring = static_cast<float>(EnemyDatabase::records().nepturath.idle.moveCenterDist);
    EXPECT_NEAR(least, ring, 15.f);
    EXPECT_NEAR(most, ring, 15.f);
}

TEST_F(NepturathFixture, ADiveThatDriftsBeyondItsReachEndsWithoutSurfacing)
{
    tune([](NepturathRecord& r)
         { r.attack1.prob = 100, r.attack2.prob = 0, r.attack1.startPlayerCenterDist = 100000, r.attackDelay = 0.5f; });
    // The player waits far out, beyond the dive's reach from the centre.
    world.movePlayer(kCentre + sf::Vector2f(2000.f, 0.f));
    Nepturath& boss = spawn();
    ASSERT_TRUE(stepUntil([&] { return boss.state() == Nepturath::DIVE && boss.step() == 1; }, 30.f));
    ASSERT_TRUE(stepUntil([&] { return boss.state() == Nepturath::CIRCLING; }, 20.f));
    EXPECT_TRUE(world.blows.empty());
    const sf::Vector2f d = boss.getPosition() - kCentre;
    EXPECT_LE(std::hypot(d.x, d.y), EnemyDatabase::records().nepturath.attack1.maxCenterDist + 20.f);
    EXPECT_NE(boss.currentKey(), "Nepturath_Exit_Water");
}

TEST_F(NepturathFixture, OnlyItsStunAndItsSardinesCanBeHurtAndElseItsHitBoxIsEmpty)
{
    world.movePlayer(kCentre + sf::Vector2f(100.f, 100.f));
    Nepturath& boss = spawn();
    bool stunned = false, sardines = false;
    for (int i = 0; i < 150 * 60; ++i)
    {
        world.step(1, kFrame);
        const float before = boss.health;
        boss.takeDamage(1);
        if (!boss.isVulnerable())
        {
            ASSERT_EQ(boss.health, before) << "hurt in state " << boss.state() << "/" << boss.step();
            ASSERT_EQ(boss.hitPolygon.vertexCount(), 0u) << "a hit box outside its exposed phases";
        }
        else
        {
            ASSERT_GT(boss.hitPolygon.vertexCount(), 2u);
            stunned = stunned || boss.state() == Nepturath::DIVE;
            sardines = sardines || (boss.state() == Nepturath::CHARGE && boss.sardines());
        }
    }
    EXPECT_TRUE(stunned) << "never lay stunned";
    EXPECT_TRUE(sardines) << "never showed its sardines";
    EXPECT_LT(boss.health, EnemyDatabase::records().nepturath.hp);
}

TEST_F(NepturathFixture, AChargeAtAPlayerLevelWithItRunsStraightAcross)
{
    tune([](NepturathRecord& r) { r.attack1.prob = 0, r.attack2.prob = 100, r.attackDelay = 0.5f; });
    // A pool 1400 px wide: the charge ends on its right shore.
    world.walkable = [](const Entity*, sf::Vector2f p)
    { return std::abs(p.x - kCentre.x) < 700.f && std::abs(p.y - kCentre.y) < 700.f; };
    world.movePlayer(kCentre + sf::Vector2f(450.f, 0.f));
    Nepturath& boss = spawn();
    ASSERT_TRUE(stepUntil([&] { return boss.currentKey() == "Nepturath_Charge_Right"; }, 30.f));
    const float y = boss.getPosition().y;
    EXPECT_FLOAT_EQ(y, kCentre.y);
    const float startX = boss.getPosition().x;
    ASSERT_TRUE(stepUntil([&] { return boss.currentKey() != "Nepturath_Charge_Right"; }, 10.f));
    EXPECT_FLOAT_EQ(boss.getPosition().y, y) << "a level charge drifted off its line";
    EXPECT_GT(boss.getPosition().x, startX + 300.f);
    EXPECT_EQ(boss.currentKey(), "Nepturath_Chock_Wall_Right");
    EXPECT_FALSE(world.blows.empty()) << "charged through the player without hurting it";
}

TEST_F(NepturathFixture, AGoalItCannotReachStillLetsItAttack)
{
    // Its circle lies beyond a shore 300 px out: the room stops every swim there.
    tune([](NepturathRecord& r) { r.attackDelay = 0.5f; });
    world.walkable = [](const Entity*, sf::Vector2f p)
    {
        const sf::Vector2f d = p - kCentre;
        return d.x * d.x + d.y * d.y < 300.f * 300.f;
    };
    world.movePlayer(kCentre + sf::Vector2f(50.f, 0.f));
    Nepturath& boss = spawn();
    EXPECT_TRUE(stepUntil([&] { return boss.state() == Nepturath::DIVE || boss.state() == Nepturath::CHARGE; }, 30.f))
        << "stuck in state " << boss.state() << "/" << boss.step();
    EXPECT_TRUE(stepUntil([&] { return boss.isVulnerable(); }, 60.f)) << "never exposed itself";
}

TEST_F(NepturathFixture, ItsBarFollowsItsHealthAndItsDeathPlaysThreePartsBeforeTheSoul)
{
    Nepturath& boss = spawn();
    EXPECT_TRUE(world.bossBarShown);
    EXPECT_EQ(world.bossBarMaximum, EnemyDatabase::records().nepturath.hp);
    boss.health = 100.f;
    world.step(1);
    EXPECT_EQ(world.bossBarHealth, 100.f);
    boss.health = 0.f;
    std::set<std::string> parts;
    ASSERT_TRUE(stepUntil(
        [&]
        {
            parts.insert(boss.currentKey());
            return boss.soulShown();
        },
        20.f));
    EXPECT_FALSE(world.bossBarShown);
    for (const char* part : {"Nepturath_Death_P01", "Nepturath_Death_P02", "Nepturath_Death_P03"})
        EXPECT_TRUE(parts.count(part)) << part << " never played";
    world.step(1);
    EXPECT_EQ(SoulChoice::pending(world), &boss);
}
} // namespace
