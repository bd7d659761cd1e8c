#include "creatures/DarkHulant.h"
#include "core/Logger.h"
#include "creatures/DarkHulantFeather.h"
#include "creatures/LittleOwl.h"
#include "support/EnemyWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <set>
#include <sstream>
#include <string>

namespace
{
constexpr float kFrame = 1.f / 60.f;
const sf::Vector2f kCentre(DarkHulant::kCentreX, DarkHulant::kCentreY);

int owlsIn(const FakeWorld& world)
{
    int n = 0;
    for (Entity* e : world.entities.members())
        if (dynamic_cast<LittleOwl*>(e) && !e->isLeaving())
            ++n;
    return n;
}

struct DarkHulantFixture : ::testing::Test
{
    void SetUp() override
    {
        std::srand(3);
        loadGameEnemyData();
        world.movePlayer(kCentre + sf::Vector2f(0.f, 200.f));
    }
    void TearDown() override
    {
        SoulChoice::reset();
        Logger::reset();
    }
    static void tune(const std::function<void(DarkHulantRecord&)>& change)
    {
        EnemyRecords records = EnemyDatabase::records();
        change(records.darkHulant);
        EnemyDatabase::setRecords(records);
    }
    DarkHulant& spawn()
    {
        return *static_cast<DarkHulant*>(world.entities.add(std::make_unique<DarkHulant>(world, kCentre)));
    }
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
    // Lets every owl of the barrage fall to one blow each.
    void killOwls()
    {
        for (Entity* e : world.entities.members())
            if (auto* owl = dynamic_cast<LittleOwl*>(e); owl && !owl->isLeaving())
                owl->health = 0.f;
    }
    FakeWorld world;
};

TEST_F(DarkHulantFixture, TheVariantFollowsTheKarmaWithNeutralAngelic)
{
    const std::pair<float, const char*> cases[] = {
        {0.f, "Angel_"}, {0.5f, "Angel_"}, {160.f, "Angel_"}, {-0.5f, "Demon_"}, {-160.f, "Demon_"}};
    for (const auto& [karma, variant] : cases)
    {
        FakeWorld local;
        local.karmaValue = karma;
        DarkHulant boss(local, kCentre);
        EXPECT_EQ(boss.variant(), variant) << "karma " << karma;
        EXPECT_EQ(boss.currentKey(), std::string("DarkHulant_") + variant + "Intro_P01");
    }
}

TEST_F(DarkHulantFixture, PlaysItsSevenPartIntroThenFliesToItsPerch)
{
    DarkHulant& boss = spawn();
    std::set<int> parts;
    ASSERT_TRUE(stepUntil(
        [&]
        {
            parts.insert(boss.introPart());
            return boss.state() == DarkHulant::PERCH;
        },
        20.f));
    EXPECT_EQ(parts.size(), 7u);
    EXPECT_FALSE(boss.isVulnerable());
    ASSERT_TRUE(stepUntil([&] { return boss.onPerch(); }, 30.f)) << "never landed on its perch";
    EXPECT_EQ(boss.getPosition(), sf::Vector2f(DarkHulant::kPerchX, DarkHulant::kPerchY));
}

TEST_F(DarkHulantFixture, TheDashDownDelayStaysWithinItsBoundsAndVaries)
{
    tune([](DarkHulantRecord& r) { r.attack1.prob = 100, r.attack2.prob = 0; });
    DarkHulant& boss = spawn();
    const DarkHulantRecord& r = EnemyDatabase::records().darkHulant;
    std::set<float> delays;
    for (int dive = 0; dive < 5; ++dive)
    {
        ASSERT_TRUE(stepUntil([&] { return boss.state() == DarkHulant::DIVE && boss.step() == 6; }, 60.f))
            << "dive " << dive << " never reached its hover";
        EXPECT_GE(boss.dashDownDelay(), r.attack1.dashDownDelayMin);
        EXPECT_LE(boss.dashDownDelay(), r.attack1.dashDownDelayMax);
        delays.insert(boss.dashDownDelay());
        ASSERT_TRUE(stepUntil([&] { return boss.isVulnerable(); }, 10.f)) << "never lay dizzy";
        ASSERT_TRUE(stepUntil([&] { return boss.state() == DarkHulant::PERCH; }, 10.f));
    }
    EXPECT_GT(delays.size(), 2u) << "the delay does not vary from dive to dive";
    EXPECT_FALSE(world.blows.empty()) << "five dives on a still player and not one hit";
}

TEST_F(DarkHulantFixture, FourFallenOwlsCostItFourTimesTheirToll)
{
    tune([](DarkHulantRecord& r) { r.attack1.prob = 0, r.attack2.prob = 100, r.hp = 1000.f; });
    DarkHulant& boss = spawn();
    ASSERT_TRUE(stepUntil([&] { return owlsIn(world) == 4; }, 60.f));
    for (int corner = 0; corner < 4; ++corner)
        EXPECT_NE(boss.owl(corner), nullptr) << corner;
    killOwls();
    ASSERT_TRUE(stepUntil([&] { return owlsIn(world) == 0; }, 10.f));
    EXPECT_EQ(boss.health, 1000.f - 4.f * static_cast<float>(EnemyDatabase::records().littleOwl.damageToBoss));
    EXPECT_TRUE(stepUntil([&] { return boss.state() == DarkHulant::PERCH; }, 5.f)) << "the barrage did not end";
}

TEST_F(DarkHulantFixture, OwlsThatBringItDownTakeItToItsDeathAndNoneOutlivesIt)
{
    const float toll = static_cast<float>(EnemyDatabase::records().littleOwl.damageToBoss);
    tune([toll](DarkHulantRecord& r) { r.attack1.prob = 0, r.attack2.prob = 100, r.hp = 3.5f * toll; });
    DarkHulant& boss = spawn();
    ASSERT_TRUE(stepUntil([&] { return owlsIn(world) == 4; }, 60.f));
    // Three owls fall; the fourth still flies when the boss is settled.
    for (int corner = 0; corner < 3; ++corner)
        boss.owl(corner)->health = 0.f;
    ASSERT_TRUE(stepUntil([&] { return owlsIn(world) == 1; }, 10.f));
    boss.owl(3)->health = 0.f;
    ASSERT_TRUE(stepUntil([&] { return boss.soulShown(); }, 60.f)) << "never reached its soul";
    EXPECT_EQ(owlsIn(world), 0);
    EXPECT_FALSE(world.bossBarShown);
}

TEST_F(DarkHulantFixture, OwlsLeaveWithABossThatLeavesTheRoom)
{
    tune([](DarkHulantRecord& r) { r.attack1.prob = 0, r.attack2.prob = 100; });
    DarkHulant& boss = spawn();
    ASSERT_TRUE(stepUntil([&] { return owlsIn(world) == 4; }, 60.f));
    // The boss goes (freed at the end of this frame) while its owls still fly: they
    // must neither touch it nor stay.
    world.removeEntity(&boss);
    world.step(2);
    EXPECT_EQ(owlsIn(world), 0);
}

TEST_F(DarkHulantFixture, AFleeingOwlDoesNotStickToThePlayer)
{
    DarkHulant& boss = spawn();
    const LittleOwlRecord& r = EnemyDatabase::records().littleOwl;
    const sf::Vector2f player = world.playerPosition();
    auto* owl = static_cast<LittleOwl*>(world.entities.add(
        std::make_unique<LittleOwl>(world, player + sf::Vector2f(r.followBackDist * 0.5f, 0.f), "Angel_", &boss, 0)));
    world.step(1);
    const float startDistance = std::hypot(owl->getPosition().x - player.x, owl->getPosition().y - player.y);
    world.step(20);
    const float later = std::hypot(owl->getPosition().x - player.x, owl->getPosition().y - player.y);
    EXPECT_GT(later, startDistance) << "an owl backing off closed in";
    EXPECT_NE(owl->getPosition(), player);
}

TEST_F(DarkHulantFixture, TheOwlsAttackDelaysStayWithinTheirBoundsAndVary)
{
    DarkHulant& boss = spawn();
    const LittleOwlRecord& r = EnemyDatabase::records().littleOwl;
    std::set<float> delays;
    for (int i = 0; i < 12; ++i)
    {
        FakeWorld local;
        LittleOwl owl(local, {0.f, 0.f}, "Demon_", &boss, 0);
        // Outside the boss's world the owl has no owner and would leave: step its handler alone.
        owl.Enemy::update(kFrame);
        EXPECT_GE(owl.attackDelay(), r.attackDelayMin);
        EXPECT_LE(owl.attackDelay(), r.attackDelayMax);
        delays.insert(owl.attackDelay());
    }
    EXPECT_GT(delays.size(), 3u);
}

TEST_F(DarkHulantFixture, ADrawThatStartsNothingIsDrawnAgainWithoutFloodingTheLog)
{
    // Past the loader (which refuses a boss with no attack): a one-in-fifty chance a draw.
    EnemyRecords records = EnemyDatabase::records();
    records.darkHulant.attack1.prob = 1;
    records.darkHulant.attack2.prob = 0;
    EnemyDatabase::setRecords(records);
    std::ostringstream log;
    Logger::setStream(log);
    DarkHulant& boss = spawn();
    ASSERT_TRUE(stepUntil([&] { return boss.onPerch(); }, 40.f));
    int frames = 0;
    stepUntil([&] { return ++frames, boss.state() == DarkHulant::DIVE; }, 60.f);
    ASSERT_EQ(boss.state(), DarkHulant::DIVE) << "no attack in 60 s of draws";
    EXPECT_GT(frames, 1) << "the first draw started it; nothing shows the repeat";
    std::size_t lines = 0;
    for (std::size_t at = log.str().find("Rand result -> "); at != std::string::npos;
         at = log.str().find("Rand result -> ", at + 1))
        ++lines;
    EXPECT_EQ(lines, 1u) << log.str().substr(0, 2000);
}
} // namespace
