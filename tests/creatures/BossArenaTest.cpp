#include "creatures/DarkHulant.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/Nepturath.h"
#include "creatures/TheGod.h"
#include "support/EnemyWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// Each boss moves through fixed points of its arena; its room template must give it
// the ground there.
namespace
{
constexpr float kPi = 3.1415927f;

struct BossArena : ::testing::Test
{
    void SetUp() override { loadGameEnemyData(); }
};

TEST_F(BossArena, NepturathsCircleRoundTheLakeIsGroundAllTheWayRound)
{
    RoomWorld world("ff_boss");
    const float radius = static_cast<float>(EnemyDatabase::records().nepturath.idle.moveCenterDist);
    const sf::Vector2f centre(Nepturath::kCentreX, Nepturath::kCentreY);
    ASSERT_GT(radius, 0.f);
    // The circle and a body's width either side of it, where its collision box probes.
    for (const float r : {radius - 80.f, radius, radius + 80.f})
        for (int degrees = 0; degrees < 360; degrees += 5)
        {
            const float a = static_cast<float>(degrees) * kPi / 180.f;
            const sf::Vector2f p = centre + sf::Vector2f(std::cos(a), std::sin(a)) * r;
            EXPECT_TRUE(world.onGround(p)) << "no ground at " << degrees << " degrees, " << r << " px from the centre";
        }
    EXPECT_TRUE(world.onGround(world.room.spawners.front().position));
}

TEST_F(BossArena, DarkHulantsPerchItsApproachAndTheArenaCentreAreGround)
{
    RoomWorld world("sf_boss");
    const float below = static_cast<float>(EnemyDatabase::records().darkHulant.idle.step1DeltaY);
    const sf::Vector2f perch(DarkHulant::kPerchX, DarkHulant::kPerchY);
    const sf::Vector2f centre(DarkHulant::kCentreX, DarkHulant::kCentreY);
    for (const sf::Vector2f p : {perch, perch + sf::Vector2f(0.f, below), centre})
        EXPECT_TRUE(world.onGround(p)) << "no ground at " << p.x << "," << p.y;
    // The dive ends above the player and strikes at its feet: the centre's
    // neighbourhood, where a player fights it, is open floor.
    for (int degrees = 0; degrees < 360; degrees += 15)
    {
        const float a = static_cast<float>(degrees) * kPi / 180.f;
        EXPECT_TRUE(world.onGround(centre + sf::Vector2f(std::cos(a), std::sin(a)) * 400.f)) << degrees;
    }
}

TEST_F(BossArena, TheGodReappearsOnGroundAndItsWolfFindsRoomBesideThePlayerAnywhere)
{
    RoomWorld world("tf_boss");
    const sf::Vector2f centre(TheGod::kCentreX, TheGod::kCentreY);
    // Every spot a vanish may bring it back to: 200 to 499 px from the centre, any bearing.
    for (const float r : {200.f, 350.f, 499.f})
        for (int degrees = -180; degrees < 180; degrees += 5)
        {
            const float a = static_cast<float>(degrees) * kPi / 180.f;
            EXPECT_TRUE(world.onGround(centre + sf::Vector2f(std::cos(a), std::sin(a)) * r))
                << "no ground at " << degrees << " degrees, " << r << " px";
        }
    // Wherever the player stands on the floor, one side of it has room for the wolf.
    const sf::Vector2u frame(224, 224);
    int checked = 0;
    for (float x = 0.f; x < 3000.f; x += 50.f)
        for (float y = 0.f; y < 2000.f; y += 50.f)
        {
            const sf::Vector2f p(x, y);
            if (!world.onGround(p))
                continue;
            ++checked;
            bool room = false;
            for (int side = 0; side < 4 && !room; ++side)
                room = world.isOnFloor(TheGod::wolfSpot(side, p, frame));
            EXPECT_TRUE(room) << "no side of a player at " << x << "," << y << " has room for the wolf";
        }
    EXPECT_GT(checked, 100);
}
} // namespace
