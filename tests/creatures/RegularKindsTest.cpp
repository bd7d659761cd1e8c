#include "core/AnimationData.h"
#include "creatures/DarkHulantFeather.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/EnemyFactory.h"
#include "creatures/EnemyKinds.h"
#include "creatures/Kahiyu.h"
#include "creatures/KahiyuProj.h"
#include "creatures/Nazar.h"
#include "creatures/NazarBrambles.h"
#include "creatures/NazarZaune.h"
#include "creatures/SoulChoice.h"
#include "creatures/ToaKaipupuhi.h"
#include "creatures/ToaKaipupuhiProj.h"
#include "creatures/ToaMangere.h"
#include "creatures/ToaMangereSlaam.h"
#include "creatures/ToaTao.h"
#include "creatures/Zeyn.h"
#include "support/EnemyWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace
{
constexpr float kFrame = 1.f / 60.f;
const char* const kKinds[] = {"Kahiyu", "Zeyn", "Nazar", "ToaTao", "ToaMangere", "ToaKaipupuhi"};

template <typename T> int countOf(const FakeWorld& world)
{
    int n = 0;
    for (Entity* e : world.entities.members())
        if (dynamic_cast<T*>(e) && !e->isLeaving())
            ++n;
    return n;
}

struct Kinds : ::testing::Test
{
    void SetUp() override
    {
        std::srand(11);
        loadGameEnemyData();
        EnemyFactory::reset();
        registerEnemyKinds();
    }
    void TearDown() override
    {
        EnemyFactory::reset();
        SoulChoice::reset();
    }
    template <typename T> T& add(sf::Vector2f at)
    {
        return *static_cast<T*>(world.entities.add(std::make_unique<T>(world, at)));
    }
    FakeWorld world;
};

TEST_F(Kinds, EveryKindHasHandlersAndReachesItsSoulFromZeroHealth)
{
    for (const char* kind : kKinds)
    {
        FakeWorld local;
        local.movePlayer({0.f, 600.f});
        auto made = EnemyFactory::create(kind, local, {0.f, 0.f});
        ASSERT_NE(made, nullptr) << kind;
        auto* enemy = static_cast<Enemy*>(local.entities.add(std::move(made)));
        EXPECT_GT(enemy->handlerCount(), 0u) << kind;
        EXPECT_NE(enemy->currentAnimation, nullptr) << kind << " shows nothing when built";
        enemy->health = 0.f;
        for (int i = 0; i < 600 && !enemy->soulShown(); ++i)
            local.step(1);
        EXPECT_TRUE(enemy->soulShown()) << kind << " never showed its soul";
        EXPECT_EQ(SoulChoice::pending(local), enemy) << kind;
        SoulChoice::reset();
    }
}

TEST_F(Kinds, ZeynSweepsItsBladeInDegreesPerSecondAndHits)
{
    // "rotateSpeed" is written in degrees per second like the angles.
    const ZeynRecord& r = EnemyDatabase::records().zeyn;
    EXPECT_NEAR(r.attack.rotateSpeed, 280.f * 3.1415927f / 180.f, 1e-4f);
    world.movePlayer({0.f, 0.f});
    Zeyn& zeyn = add<Zeyn>({150.f, 0.f});
    bool swept = false;
    for (int i = 0; i < 60 * 6 && world.blows.empty(); ++i)
    {
        world.step(1);
        swept = swept || zeyn.step() == 2;
    }
    EXPECT_TRUE(swept);
    ASSERT_FALSE(world.blows.empty()) << "the sweep never touched a player standing at the blade";
    EXPECT_EQ(world.blows.front(), r.attack.damage);
    EXPECT_TRUE(zeyn.attacksLeftward());
}

TEST_F(Kinds, AShortAttackSheetNeverFreezesAKind)
{
    // A data file whose attack sheets are shorter than the frames the handlers wait on.
    const std::string path = ::testing::TempDir() + "ShortSheets.json";
    {
        std::ofstream out(path);
        out << R"({"name":"ToaMangere","animData":[
            {"textureName":"Idle","frameCount":2,"time":0.1,"isLoop":true,"frameWidth":32,"frameHeight":32},
            {"textureName":"Attack","frameCount":3,"time":0.05,"isLoop":false,"frameWidth":32,"frameHeight":32},
            {"textureName":"Death","frameCount":2,"time":0.05,"isLoop":false,"frameWidth":32,"frameHeight":32}]})";
    }
    EnemyRecords records = EnemyDatabase::records();
    records.toaMangere.dataPath = path;
    EnemyDatabase::setRecords(records);
    world.movePlayer({0.f, 60.f});
    ToaMangere& heavy = add<ToaMangere>({0.f, 0.f});
    bool slammed = false;
    for (int i = 0; i < 60 * 6; ++i)
    {
        world.step(1);
        slammed = slammed || heavy.state() == ToaMangere::SLAM;
        if (slammed && heavy.state() == ToaMangere::APPROACH)
            break;
    }
    EXPECT_TRUE(slammed);
    EXPECT_EQ(heavy.state(), ToaMangere::APPROACH) << "stuck in its slam on a three-frame sheet";
    EXPECT_TRUE(heavy.isVulnerable());
}

TEST_F(Kinds, KahiyuThrowsAtReachAndReleasesBehindItsShoulder)
{
    const KahiyuRecord& r = EnemyDatabase::records().kahiyu;
    struct Case
    {
        float playerX;
        float releaseX;
    } cases[] = {{-static_cast<float>(r.attackReach), 80.f}, {static_cast<float>(r.attackReach), -80.f}};
    for (const Case& c : cases)
    {
        FakeWorld local;
        local.movePlayer({c.playerX, 0.f});
        // Rooted, so it waits out its delay exactly at its reach.
        local.walkable = [](const Entity*, sf::Vector2f) { return false; };
        auto* kahiyu = static_cast<Kahiyu*>(local.entities.add(std::make_unique<Kahiyu>(local, sf::Vector2f())));
        local.step(static_cast<int>(r.attackDelay / kFrame) + 2);
        EXPECT_EQ(kahiyu->state(), Kahiyu::THROW) << "at exactly the reach it should throw, not walk";
        EXPECT_EQ(kahiyu->getPosition(), sf::Vector2f()) << "it walked instead of throwing";
        KahiyuProj* rock = nullptr;
        for (int i = 0; i < 120 && !rock; ++i)
        {
            local.step(1);
            for (Entity* e : local.entities.members())
                if (auto* p = dynamic_cast<KahiyuProj*>(e))
                    rock = p;
        }
        ASSERT_NE(rock, nullptr);
        EXPECT_NEAR(rock->apex().x, c.releaseX + (c.playerX - c.releaseX) * 0.5f, 25.f);
        EXPECT_EQ(countOf<KahiyuProj>(local), 1);
    }
}

TEST_F(Kinds, RockArcPeaksAboveTheHigherEnd)
{
    const float apogee = static_cast<float>(KahiyuProj::parameters().apogeeDelta);
    const struct
    {
        sf::Vector2f start, target, apex;
    } cases[] = {
        {{0.f, 0.f}, {400.f, 0.f}, {200.f, -apogee}},
        {{0.f, 0.f}, {400.f, 300.f}, {200.f, -apogee}},
        {{0.f, 300.f}, {400.f, 0.f}, {200.f, -apogee}},
    };
    for (const auto& c : cases)
    {
        KahiyuProj rock(world, c.start, c.target);
        EXPECT_EQ(rock.apex(), c.apex);
    }
    // Mid-flight a level throw stands half the apogee above its ends (the curve's top).
    auto* rock = static_cast<KahiyuProj*>(
        world.entities.add(std::make_unique<KahiyuProj>(world, sf::Vector2f(0.f, 0.f), sf::Vector2f(400.f, 0.f))));
    world.step(30);
    EXPECT_NEAR(rock->getPosition().y, -apogee * 0.5f, 4.f);
}

TEST_F(Kinds, TheBurstHurtsOnlyOnItsFirstLandedFrame)
{
    const KahiyuProjParameters& p = KahiyuProj::parameters();
    const float reach = static_cast<float>(p.attackReach);
    for (bool within : {true, false})
    {
        FakeWorld local;
        local.movePlayer({400.f + (within ? reach - 5.f : reach + 5.f), 0.f});
        local.entities.add(std::make_unique<KahiyuProj>(local, sf::Vector2f(0.f, 0.f), sf::Vector2f(400.f, 0.f)));
        local.step(62);
        EXPECT_EQ(local.blows.size(), within ? 1u : 0u);
        // Walking into the burst later is harmless, and the rock goes when it has burst.
        local.movePlayer({400.f, 0.f});
        local.step(120);
        EXPECT_EQ(local.blows.size(), within ? 1u : 0u);
        EXPECT_EQ(countOf<KahiyuProj>(local), 0);
    }
}

TEST_F(Kinds, AShotOutsideTheFloorGoesAtOnceAndOneOnThePlayerHurts)
{
    world.walkable = [](const Entity*, sf::Vector2f p) { return p.x > 0.f; };
    world.entities.add(std::make_unique<ToaKaipupuhiProj>(world, sf::Vector2f(-50.f, 0.f), 0.f));
    world.step(1);
    EXPECT_EQ(countOf<ToaKaipupuhiProj>(world), 0);
    EXPECT_TRUE(world.blows.empty());

    world.movePlayer({300.f, -20.f});
    world.entities.add(std::make_unique<ToaKaipupuhiProj>(world, sf::Vector2f(10.f, -40.f), 0.f));
    world.step(60);
    EXPECT_EQ(world.blows, std::vector<int>{EnemyDatabase::records().toaKaipupuhiProj.damage});
    EXPECT_EQ(countOf<ToaKaipupuhiProj>(world), 0);
}

TEST_F(Kinds, AFeatherThatHitsNothingEndsAfterItsLifetime)
{
    const DarkHulantFeatherRecord& r = EnemyDatabase::records().darkHulantFeather;
    ASSERT_GT(r.lifeTime, 0.f);
    world.movePlayer({0.f, 5000.f});
    for (const char* variant : {"Angel_", "Demon_"})
    {
        auto* feather = static_cast<DarkHulantFeather*>(
            world.entities.add(std::make_unique<DarkHulantFeather>(world, sf::Vector2f(), 0.f, variant)));
        // Walls and the floor's edge do not stop it.
        world.walkable = [](const Entity*, sf::Vector2f) { return false; };
        const int frames = static_cast<int>(r.lifeTime / kFrame);
        world.step(frames - 2);
        EXPECT_TRUE(world.holds(feather)) << variant;
        world.step(4);
        EXPECT_FALSE(world.holds(feather)) << variant;
    }
    EXPECT_TRUE(world.blows.empty());
}

TEST(ToaTaoDraw, ChoosesItsAttackByTheTable)
{
    const struct
    {
        int draw, spear, dash, attack;
    } cases[] = {
        {0, 30, 30, 1}, {30, 30, 30, 1}, {31, 30, 30, 2}, {60, 30, 30, 2}, {61, 30, 30, 0},  {100, 30, 30, 0},
        {0, 0, 30, 2},  {0, 0, 0, 0},    {0, 30, 0, 1},   {31, 30, 0, 0},  {100, 100, 0, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToaTao::attackFor(c.draw, c.spear, c.dash), c.attack)
            << "draw " << c.draw << " with probs " << c.spear << "/" << c.dash;
}

TEST(ToaTaoSpear, StrikesWithinReachAndItsAngle)
{
    const float start = -200.f * 3.1415927f / 180.f; // spear bearing 20 degrees
    const float down = -270.f * 3.1415927f / 180.f;  // spear bearing 90: straight down
    EXPECT_TRUE(ToaTao::spearStrikes(down, {0.f, 100.f}, 105, 25));
    EXPECT_FALSE(ToaTao::spearStrikes(down, {0.f, 110.f}, 105, 25)) << "beyond reach";
    EXPECT_FALSE(ToaTao::spearStrikes(start, {0.f, 100.f}, 105, 25)) << "outside the spear's angle";
}

TEST_F(Kinds, ToaTaoBlockedAboveThePlayerSwitchesToItsDash)
{
    EnemyRecords records = EnemyDatabase::records();
    records.toaTao.attack1.prob = 100;
    records.toaTao.attack2.prob = 0;
    EnemyDatabase::setRecords(records);
    world.movePlayer({0.f, 0.f});
    ToaTao& tao = add<ToaTao>({0.f, 50.f});
    // Nothing above y = 40 is ground: the point above the player cannot be reached.
    world.walkable = [](const Entity*, sf::Vector2f p) { return p.y > 40.f; };
    bool speared = false;
    for (int i = 0; i < 60 * 4 && tao.state() != ToaTao::DASH; ++i)
    {
        world.step(1);
        speared = speared || tao.state() == ToaTao::SPEAR;
    }
    EXPECT_EQ(tao.state(), ToaTao::DASH);
}

TEST_F(Kinds, ToaMangereCannotBeHurtThroughItsSlam)
{
    world.movePlayer({0.f, 120.f});
    ToaMangere& heavy = add<ToaMangere>({0.f, 0.f});
    for (int i = 0; i < 60 * 5 && heavy.state() != ToaMangere::SLAM; ++i)
        world.step(1);
    ASSERT_EQ(heavy.state(), ToaMangere::SLAM);
    const float full = heavy.health;
    int frames = 0;
    bool decal = false;
    while (heavy.state() == ToaMangere::SLAM && frames++ < 600)
    {
        heavy.takeDamage(10);
        EXPECT_FLOAT_EQ(heavy.health, full) << "hurt during its slam, step " << heavy.step();
        world.step(1);
        decal = decal || countOf<ToaMangereSlaam>(world) == 1;
    }
    EXPECT_TRUE(decal);
    EXPECT_FALSE(world.blows.empty()) << "the slam missed a player at its feet";
    heavy.takeDamage(10);
    EXPECT_FLOAT_EQ(heavy.health, full - 10.f);
}

TEST_F(Kinds, TheSlamDecalPlaysOnAfterItsOwnerIsSettled)
{
    world.movePlayer({0.f, 120.f});
    ToaMangere& heavy = add<ToaMangere>({0.f, 0.f});
    for (int i = 0; i < 60 * 6 && !heavy.shockWave(); ++i)
        world.step(1);
    ASSERT_NE(heavy.shockWave(), nullptr);
    world.removeEntity(&heavy);
    world.step(1);
    EXPECT_EQ(countOf<ToaMangereSlaam>(world), 1);
    world.step(120);
    EXPECT_EQ(countOf<ToaMangereSlaam>(world), 0);
}

TEST_F(Kinds, ToaKaipupuhiNeverCastsWhileThePlayerIsLevelOrAbove)
{
    for (float playerY : {0.f, -10.f, -400.f})
    {
        FakeWorld local;
        local.movePlayer({0.f, playerY});
        // Rooted in place, so it cannot climb above the player.
        local.walkable = [](const Entity*, sf::Vector2f) { return false; };
        auto* caster =
            static_cast<ToaKaipupuhi*>(local.entities.add(std::make_unique<ToaKaipupuhi>(local, sf::Vector2f())));
        for (int i = 0; i < 60 * 8; ++i)
        {
            local.step(1);
            ASSERT_EQ(caster->state(), ToaKaipupuhi::APPROACH) << "cast at a player at y " << playerY;
        }
        EXPECT_EQ(countOf<ToaKaipupuhiProj>(local), 0);
    }
    // Standing at its height above the player, it casts once its delay is over.
    world.movePlayer({0.f, 300.f});
    const float height = static_cast<float>(EnemyDatabase::records().toaKaipupuhi.idle.deltaY);
    ToaKaipupuhi& caster = add<ToaKaipupuhi>({0.f, 300.f + height});
    int shots = 0;
    for (int i = 0; i < 60 * 8 && shots == 0; ++i)
    {
        world.step(1);
        shots = countOf<ToaKaipupuhiProj>(world);
    }
    EXPECT_EQ(shots, 1);
    EXPECT_TRUE(caster.shockWavePlaying());
}

TEST_F(Kinds, NazarRaisesOneFenceAndOneBramblesAtATime)
{
    world.movePlayer({0.f, 300.f});
    Nazar& nazar = add<Nazar>({0.f, 0.f});
    int mostFences = 0, mostBrambles = 0, brambles = 0;
    bool hadBrambles = false;
    for (int i = 0; i < 60 * 14; ++i)
    {
        world.step(1);
        mostFences = std::max(mostFences, countOf<NazarZaune>(world));
        const int now = countOf<NazarBrambles>(world);
        mostBrambles = std::max(mostBrambles, now);
        if (now && !hadBrambles)
            ++brambles;
        hadBrambles = now > 0;
    }
    EXPECT_EQ(mostFences, 1);
    EXPECT_EQ(mostBrambles, 1);
    EXPECT_GE(brambles, 2) << "no second brambles after the first ended";
    EXPECT_FALSE(world.blows.empty()) << "brambles under the player never hurt it";
    (void)nazar;
}

TEST_F(Kinds, NazarsDeathRemovesItsFenceAndBrambles)
{
    world.movePlayer({0.f, 300.f});
    Nazar& nazar = add<Nazar>({0.f, 0.f});
    for (int i = 0; i < 60 * 10 && !(nazar.fence() && nazar.brambles()); ++i)
        world.step(1);
    ASSERT_NE(nazar.fence(), nullptr);
    ASSERT_NE(nazar.brambles(), nullptr);
    nazar.takeDamage(100000);
    world.step(1);
    EXPECT_EQ(countOf<NazarZaune>(world), 0);
    EXPECT_EQ(countOf<NazarBrambles>(world), 0);
    EXPECT_EQ(nazar.fence(), nullptr);
    EXPECT_EQ(nazar.brambles(), nullptr);
    world.step(60);
}

TEST_F(Kinds, AFenceOutlivingItsNazarEndsWithoutTouchingIt)
{
    world.movePlayer({0.f, 3000.f});
    Nazar& nazar = add<Nazar>({0.f, 0.f});
    for (int i = 0; i < 60 * 10 && !nazar.fence(); ++i)
        world.step(1);
    ASSERT_NE(nazar.fence(), nullptr);
    // The room lets Nazar go (its soul settled) while the fence stands.
    world.removeEntity(&nazar);
    world.step(60 * 12);
    EXPECT_EQ(countOf<NazarZaune>(world), 0);
}
} // namespace

namespace
{
// Tuning files that are missing or empty leave every record at its zero defaults:
// each kind is still built, steps without a crash or a hang, and dies to its soul.
TEST(KindsWithoutTuning, StepAndDieOnDefaultRecords)
{
    EnemyDatabase::setRecords(EnemyRecords{});
    KahiyuProj::setParameters(KahiyuProjParameters{});
    Enemy::clearAnimationCache();
    EnemyFactory::reset();
    registerEnemyKinds();
    for (const char* kind : kKinds)
    {
        FakeWorld local;
        local.movePlayer({40.f, 80.f});
        auto* enemy = static_cast<Enemy*>(local.entities.add(EnemyFactory::create(kind, local, {0.f, 0.f})));
        ASSERT_NE(enemy, nullptr) << kind;
        enemy->health = 10.f;
        local.step(600);
        enemy->takeDamage(100);
        local.step(60);
        EXPECT_TRUE(enemy->soulShown()) << kind;
        SoulChoice::reset();
    }
    EnemyFactory::reset();
    loadGameEnemyData();
}
} // namespace
