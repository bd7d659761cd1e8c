#include "core/JsonReader.h"
#include "creatures/DarkHulant.h"
#include "creatures/EnemyFactory.h"
#include "creatures/EnemyKinds.h"
#include "creatures/Nepturath.h"
#include "creatures/SoulChoice.h"
#include "creatures/TheGod.h"
#include "support/EnemyWorld.h"

#include <json/json.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace
{
constexpr float kFrame = 1.f / 60.f;
constexpr int kFiveMinutes = 5 * 60 * 60;

// Each boss in its own room, against a stand-in player that dodges nothing: it
// either stands where it entered or walks up to the nearest living enemy and swings
// at whatever is in reach twice a second (the boss takes the blow only while it can
// be hurt).
struct BossCase
{
    const char* kind;
    const char* room;
};
const BossCase kBosses[] = {{"Nepturath", "ff_boss"}, {"DarkHulant", "sf_boss"}, {"TheGod", "tf_boss"}};

struct Outcome
{
    bool bossDown = false;
    bool playerDown = false;
    int frames = 0;
    int blows = 0;
    std::string where;
};

Outcome fight(const BossCase& c, unsigned seed, bool fightsBack, float karma = 0.f)
{
    std::srand(seed);
    SoulChoice::reset();
    RoomWorld world(c.room);
    world.karmaValue = karma;
    world.fightsBack = fightsBack;
    // The one who fights back shows that the boss can always be finished (no
    // soft-lock), so it outlasts every blow; the one who stands still has a player's health.
    if (fightsBack)
        world.playerHealth = 1e9f;
    world.movePlayer(world.entrance());
    auto* boss = static_cast<Enemy*>(
        world.entities.add(EnemyFactory::create(c.kind, world, world.room.spawners.front().position)));
    Outcome out;
    for (; out.frames < kFiveMinutes; ++out.frames)
    {
        world.frame(kFrame);
        if (boss->health <= 0.f)
        {
            out.bossDown = true;
            break;
        }
        if (world.playerHealth <= 0.f)
        {
            out.playerDown = true;
            break;
        }
    }
    out.blows = world.landed;
    const sf::Vector2f e = boss->getPosition(), p = world.playerPosition();
    out.where = std::string(c.kind) + " at " + std::to_string(e.x) + "," + std::to_string(e.y) + " state " +
                std::to_string(boss->state()) + "/" + std::to_string(boss->step()) + " health " +
                std::to_string(boss->health) + ", player at " + std::to_string(p.x) + "," + std::to_string(p.y) +
                " health " + std::to_string(world.playerHealth) + ", seed " + std::to_string(seed);
    return out;
}

struct BossFight : ::testing::TestWithParam<BossCase>
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

TEST_P(BossFight, APlayerWhoAttacksWhenItCanKillsTheBossWithinFiveMinutes)
{
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        const Outcome out = fight(GetParam(), seed, true, seed % 2 ? 40.f : -40.f);
        EXPECT_TRUE(out.bossDown) << "not dead after five minutes (a soft-lock?): " << out.where;
        if (std::getenv("UMBRAVALE_FIGHT_TIMES"))
            std::printf("%s seed %u: %.1f s, %d blows taken\n", GetParam().kind, seed, out.frames / 60.f, out.blows);
    }
}

TEST_P(BossFight, APlayerWhoStandsStillIsKilled)
{
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        const Outcome out = fight(GetParam(), seed, false, seed % 2 ? 40.f : -40.f);
        EXPECT_TRUE(out.playerDown) << "a still player survived five minutes: " << out.where;
        EXPECT_FALSE(out.bossDown) << out.where;
    }
}

// A boss's data file that is missing, empty, cut short or of the wrong types still
// gives a boss that can be fought to the end.
struct BrokenFile
{
    const char* what;
    const char* text; // null: the file cannot be read
};
const BrokenFile kBrokenFiles[] = {
    {"missing", nullptr},
    {"empty", ""},
    {"truncated", R"({"name": "X", "data": {"hp": 600.0, "idle": {"moveSp)"},
    {"wrong types",
     R"({"data": {"hp": "lots", "scale": [1], "attackDelay": {}, "idle": 3, "attack1": "no", "attack2": [],
        "deathEmergeDelay": true}, "colisionBoxPoints": 7, "hitBoxPoints": {"x": 1}, "stunnedHitBoxPoints": "box",
        "sardineHitBoxPoints": [1, 2], "attack1UpBoxPoints": null, "attackBoxPoints": [[]]})"},
    {"zero health", R"({"data": {"hp": 0, "attack1": {"prob": 0}, "attack2": {"prob": 0}}})"},
};

TEST_P(BossFight, ABrokenDataFileStillGivesAFightThatCanBeFinished)
{
    const std::string kind = GetParam().kind;
    for (const BrokenFile& file : kBrokenFiles)
    {
        EnemyRecords records = EnemyDatabase::records();
        Json::Value document(Json::objectValue);
        if (file.text)
        {
            Json::Value parsed;
            if (JsonReader::parseText(file.text, parsed) && parsed.isObject())
                document = parsed;
        }
        const std::string path = "Assets/Data/Enemy/Broken" + kind + ".json";
        EnemyDatabase::loadKind(records, kind, document, path);
        // The owls of the second boss are read from the same broken text.
        if (kind == "DarkHulant")
            EnemyDatabase::loadKind(records, "LittleOwl", document, "Assets/Data/Enemy/BrokenLittleOwl.json");
        EnemyDatabase::setRecords(records);
        Enemy::clearAnimationCache();
        for (unsigned seed = 1; seed <= 3; ++seed)
        {
            const Outcome out = fight(GetParam(), seed, true);
            EXPECT_TRUE(out.bossDown) << file.what << " data file: " << out.where;
            EXPECT_GT(out.frames, 60) << file.what << " data file: the boss died at once";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachBoss, BossFight, ::testing::ValuesIn(kBosses),
                         [](const ::testing::TestParamInfo<BossCase>& info) { return std::string(info.param.kind); });
} // namespace
