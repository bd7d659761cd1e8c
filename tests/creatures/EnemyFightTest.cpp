#include "creatures/EnemyFactory.h"
#include "creatures/EnemyKinds.h"
#include "creatures/SoulChoice.h"
#include "support/EnemyWorld.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace
{
constexpr float kFrame = 1.f / 60.f;
constexpr int kSeconds = 30;

// Each kind in a first-floor room template, placed at one of its spawners, against
// a stand-in player in the middle of the room (who walks up to it when it fights back).
struct FightCase
{
    const char* kind;
    const char* room;
};
const FightCase kFights[] = {
    {"Zeyn", "ff_norm1"},   {"Kahiyu", "ff_norm2"},     {"Nazar", "ff_norm3"},
    {"ToaTao", "sf_norm1"}, {"ToaMangere", "sf_norm2"}, {"ToaKaipupuhi", "sf_norm3"},
};

struct Outcome
{
    int blows = 0;
    bool died = false;
    bool soul = false;
    bool cleared = false;
    std::string where; // how the fight ended, for the failure message
};

Outcome fight(const FightCase& c, unsigned seed, bool fightsBack)
{
    std::srand(seed);
    SoulChoice::reset();
    RoomWorld world(c.room);
    world.fightsBack = fightsBack;
    const sf::Vector2f stand = world.middle();
    world.movePlayer(stand);
    // The spawner farthest from the player, so the kind has to come.
    sf::Vector2f at = stand;
    float best = -1.f;
    for (const SpawnerRecord& s : world.room.spawners)
    {
        const sf::Vector2f d = s.position - stand;
        if (world.onGround(s.position) && d.x * d.x + d.y * d.y > best)
            best = d.x * d.x + d.y * d.y, at = s.position;
    }
    auto* enemy = static_cast<Enemy*>(world.entities.add(EnemyFactory::create(c.kind, world, at)));
    Outcome out;
    for (int i = 0; i < kSeconds * 60; ++i)
    {
        world.frame(kFrame);
        if (!enemy->soulShown())
            continue;
        out.soul = true;
        // Walk up to the soul and settle it, pointing right (kill).
        world.movePlayer(enemy->soulPoint() + sf::Vector2f(40.f, 0.f));
        world.frame(kFrame);
        SoulChoice::setPointerSource([] { return SoulChoice::Pointer{false, 0.f, 1900.f}; });
        SoulChoice::resolve(world, true);
        SoulChoice::resolve(world, false);
        world.frame(kFrame);
        out.cleared = !world.entities.any([](const Entity& e) { return dynamic_cast<const Enemy*>(&e) != nullptr; });
        break;
    }
    out.blows = world.landed;
    if (!out.soul)
    {
        const sf::Vector2f e = enemy->getPosition(), p = world.playerPosition();
        out.where = "enemy at " + std::to_string(e.x) + "," + std::to_string(e.y) + " state " +
                    std::to_string(enemy->state()) + "/" + std::to_string(enemy->step()) + " health " +
                    std::to_string(enemy->health) + ", player at " + std::to_string(p.x) + "," + std::to_string(p.y) +
                    ", calls " + std::to_string(world.blows.size());
    }
    out.died = enemy && (out.soul || enemy->health <= 0.f);
    SoulChoice::setPointerSource(nullptr);
    return out;
}

struct EnemyFight : ::testing::TestWithParam<FightCase>
{
    void SetUp() override
    {
        loadGameEnemyData();
        EnemyFactory::reset();
        registerEnemyKinds();
    }
    void TearDown() override
    {
        EnemyFactory::reset();
        SoulChoice::reset();
    }
};

TEST_P(EnemyFight, ReachesAndHurtsAPlayerWhoStandsStill)
{
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        const Outcome out = fight(GetParam(), seed, false);
        EXPECT_GT(out.blows, 0) << GetParam().kind << " never hurt a still player in " << kSeconds << " s, seed "
                                << seed << ": " << out.where;
        EXPECT_FALSE(out.soul) << GetParam().kind << " died without being struck, seed " << seed;
    }
}

TEST_P(EnemyFight, DiesToAPlayerWhoFightsBackAndItsSoulClearsTheRoom)
{
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        const Outcome out = fight(GetParam(), seed, true);
        EXPECT_TRUE(out.soul) << GetParam().kind << " did not die within " << kSeconds << " s, seed " << seed << ": "
                              << out.where;
        EXPECT_TRUE(out.cleared) << GetParam().kind << "'s room not cleared after its soul was settled, seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(EachKind, EnemyFight, ::testing::ValuesIn(kFights),
                         [](const ::testing::TestParamInfo<FightCase>& info) { return std::string(info.param.kind); });
} // namespace
