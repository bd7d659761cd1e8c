#include "world/RoomFile.h"
#include "core/JsonReader.h"
#include "support/TestSupport.h"
#include "world/RoomTemplate.h"

#include <json/value.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
const std::vector<std::string> kEnemies{"Kahiyu", "Zeyn", "Nazar"};

class RoomFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // One folder per test: ctest runs tests in parallel processes.
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::path(::testing::TempDir()) / (std::string("umbravale_rooms_") + info->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string write(const std::string& name, const std::string& text)
    {
        const std::string path = (dir / (name + ".json")).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::string directory() const { return dir.string() + "/"; }
    std::string read(const std::string& name) const
    {
        std::ifstream in(dir / (name + ".json"));
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::filesystem::path dir;
    LogCapture log;
};

RoomTemplate fullTemplate()
{
    RoomTemplate t;
    t.name = "round_trip";
    t.type = 3;
    t.texture = "ff_elite";
    t.karmaDependent = true;
    t.evilTexture = "ff_elite_bad";
    t.goodTexture = "ff_elite_good";
    t.minEnemies = 5; // edited the wrong way round
    t.maxEnemies = 2;
    t.boundary = Polygon({{0.f, 0.f}, {100.5f, 0.f}, {100.5f, 80.25f}});
    t.doors.push_back({{10.f, 20.f}, 1, true, false, {-3.5f, 4.f}});
    t.staticProps.push_back({{1.f, 2.f}, "firefly", true, false, false, false});
    RoomTemplate::PropCollection c;
    c.chance = 0.25f;
    c.pickOne = true;
    c.neutral = false;
    c.evil = true;
    c.items.push_back({{5.f, 6.f}, "mushroom_01", 30, false});
    c.items.push_back({{7.f, 8.f}, "mushroom_02", 70, false});
    t.collections.push_back(c);
    RoomTemplate::Spawner s = RoomTemplate::makeSpawner({300.f, 400.f}, kEnemies);
    s.chance = 60;
    s.enemies[1].second = true;
    s.enemies[2].second = true;
    t.spawners.push_back(s);
    t.waters.push_back({{50.f, 60.f}, "puddle_02"});
    RoomTemplate::Wall w;
    w.position = {500.f, 600.f};
    w.texture = "wall_03";
    w.outline = Polygon({{-10.f, -5.f}, {10.f, -5.f}, {10.f, 5.f}}, w.position);
    t.walls.push_back(w);
    t.restricted.push_back(Polygon({{20.f, 20.f}, {40.f, 20.f}, {40.f, 40.f}}));
    return t;
}
} // namespace

TEST_F(RoomFileTest, EditorWriterRoundTripsThroughBothReaders)
{
    const RoomTemplate original = fullTemplate();
    ASSERT_TRUE(original.save(directory()));
    const std::string path = directory() + "round_trip.json";

    const RoomFile built = RoomFile::load(path);
    EXPECT_EQ(built.name, "round_trip");
    EXPECT_EQ(built.type, 3);
    EXPECT_EQ(built.evilTexture, "ff_elite_bad");
    EXPECT_EQ(built.goodTexture, "ff_elite_good");
    EXPECT_EQ(built.minEnemies, 2) << "a swapped pair is saved in order";
    EXPECT_EQ(built.maxEnemies, 5);
    ASSERT_EQ(built.boundaries.size(), 3u);
    EXPECT_EQ(built.boundaries[2], sf::Vector2f(100.5f, 80.25f));
    ASSERT_EQ(built.doors.size(), 1u);
    EXPECT_EQ(built.doors[0].direction, 1);
    EXPECT_TRUE(built.doors[0].input);
    EXPECT_FALSE(built.doors[0].output);
    EXPECT_EQ(built.doors[0].spriteDelta, sf::Vector2f(-3.5f, 4.f));
    ASSERT_EQ(built.staticProps.size(), 1u);
    EXPECT_FALSE(built.staticProps[0].neutral);
    ASSERT_EQ(built.dynamicProps.size(), 1u);
    EXPECT_FLOAT_EQ(built.dynamicProps[0].chance, 0.25f);
    EXPECT_TRUE(built.dynamicProps[0].pickOne);
    ASSERT_EQ(built.dynamicProps[0].props.size(), 2u);
    EXPECT_EQ(built.dynamicProps[0].props[1].chance, 70);
    ASSERT_EQ(built.spawners.size(), 1u);
    EXPECT_EQ(built.spawners[0].enemies, (std::vector<std::string>{"Zeyn", "Nazar"}));
    ASSERT_EQ(built.walls.size(), 1u);
    EXPECT_EQ(built.walls[0].boundaries[0], sf::Vector2f(-10.f, -5.f))
        << "wall outlines are saved relative to the wall";
    ASSERT_EQ(built.restricted.size(), 1u);
    EXPECT_EQ(built.restricted[0][1], sf::Vector2f(40.f, 20.f));

    const RoomTemplate edited = RoomTemplate::load(path, kEnemies);
    EXPECT_TRUE(edited.karmaDependent);
    EXPECT_EQ(edited.goodTexture, "ff_elite_good");
    EXPECT_EQ(edited.minEnemies, 2);
    EXPECT_EQ(edited.maxEnemies, 5);
    EXPECT_EQ(edited.boundary.vertexCount(), 3u);
    EXPECT_EQ(edited.boundary.vertex(0).color, sf::Color::Red);
    EXPECT_EQ(edited.walls[0].outline.point(0), sf::Vector2f(490.f, 595.f));
    EXPECT_EQ(edited.spawners[0].enemies, original.spawners[0].enemies);
    EXPECT_EQ(edited.spawners[0].chance, 60);
    EXPECT_EQ(edited.collections[0].items[0].prop, "mushroom_01");

    // Saving what was read and reading it again gives the same document.
    ASSERT_TRUE(edited.save(directory()));
    RoomTemplate again = RoomTemplate::load(path, kEnemies);
    EXPECT_EQ(again.toJson(), edited.toJson());
}

TEST_F(RoomFileTest, EmptyListsAreWrittenAsNullAndReadAsEmpty)
{
    RoomTemplate t;
    t.name = "bare";
    t.texture = "ff_norm1";
    RoomTemplate::PropCollection emptyCollection;
    t.collections.push_back(emptyCollection);
    t.spawners.push_back(RoomTemplate::makeSpawner({1.f, 1.f}, kEnemies));
    RoomTemplate::Wall w;
    w.texture = "wall_01";
    t.walls.push_back(w);
    t.restricted.push_back(Polygon());
    ASSERT_TRUE(t.save(directory()));

    Json::Value root;
    ASSERT_TRUE(JsonReader::parseFile(directory() + "bare.json", root));
    for (const char* key : {"boundaries", "doors", "staticProps", "waters"})
        EXPECT_TRUE(root[key].isNull()) << key << " should be null";
    EXPECT_TRUE(root["dynamicProps"][0]["props"].isNull());
    EXPECT_TRUE(root["spawners"][0]["enemies"].isNull());
    EXPECT_TRUE(root["walls"][0]["boundaries"].isNull());
    EXPECT_TRUE(root["restricted"][0]["boundaries"].isNull());
    EXPECT_FALSE(root.isMember("evilTexture")) << "only karma-dependent rooms carry the variant keys";
    EXPECT_FALSE(root.isMember("goodTexture"));
    EXPECT_NE(read("bare").find("\"doors\" : null"), std::string::npos);

    const RoomFile built = RoomFile::load(directory() + "bare.json");
    EXPECT_TRUE(built.doors.empty());
    EXPECT_TRUE(built.dynamicProps[0].props.empty());
    EXPECT_TRUE(built.spawners[0].enemies.empty());
    EXPECT_EQ(built.evilTexture, "");
    EXPECT_EQ(built.goodTexture, "");
    EXPECT_EQ(built.texture, "ff_norm1");
}

TEST_F(RoomFileTest, AbsentMembersFollowEachReadersRules)
{
    const std::string path = write("absent", R"({
        "name": "absent",
        "evilTexture": "stray_bad",
        "staticProps": [ { "x": 1, "y": 2, "prop": "firefly", "good": true } ],
        "dynamicProps": [ { "chance": 0.5, "props": [ { "prop": "mushroom_01" } ] } ],
        "spawners": [ { "x": 3, "y": 4, "enemies": ["Zeyn", "Ghost"] } ]
    })");
    const RoomFile built = RoomFile::load(path);
    EXPECT_FALSE(built.staticProps[0].neutral) << "the builder reads an absent neutral as false";
    EXPECT_FALSE(built.dynamicProps[0].neutral);
    EXPECT_EQ(built.evilTexture, "stray_bad") << "the builder reads the variant whatever the flag";
    EXPECT_EQ(built.dynamicProps[0].props[0].position, sf::Vector2f(0.f, 0.f));
    EXPECT_TRUE(built.doors.empty());
    EXPECT_EQ(built.type, 0);

    const RoomTemplate edited = RoomTemplate::load(path, kEnemies);
    EXPECT_FALSE(edited.staticProps[0].neutral) << "the editor must show what the builder places";
    EXPECT_FALSE(edited.collections[0].neutral);
    EXPECT_FALSE(edited.karmaDependent);
    EXPECT_EQ(edited.evilTexture, "") << "variants are read only for a karma-dependent room";
    const std::vector<std::pair<std::string, bool>> expected{
        {"Kahiyu", false}, {"Zeyn", true}, {"Nazar", false}, {"Ghost", true}};
    EXPECT_EQ(edited.spawners[0].enemies, expected) << "an unknown enemy name survives the editor";
}

TEST_F(RoomFileTest, ShippedSampleParsesInBothReaders)
{
    const std::string path = std::string(UMBRAVALE_SOURCE_DIR) + "/tests/world/data/sample_room.json";
    const RoomFile built = RoomFile::load(path);
    EXPECT_EQ(built.name, "sample_room");
    EXPECT_EQ(built.doors.size(), 2u);
    const RoomTemplate edited = RoomTemplate::load(path, kEnemies);
    EXPECT_EQ(edited.walls.size(), 1u);
}

TEST_F(RoomFileTest, UnreadableFilesRaiseTheParseError)
{
    const std::vector<std::pair<const char*, std::string>> cases{
        {"missing", directory() + "nothing_here.json"},
        {"empty", write("empty", "")},
        {"truncated", write("truncated", R"({"name": "x", "doors": [)")},
        {"not json", write("garbage", "\x01\x02\xff room")},
        {"array root", write("array", "[1, 2, 3]")},
        {"number root", write("number", "42")},
        {"deep nesting", write("deep", std::string(50000, '[') + std::string(50000, ']'))},
    };
    for (const auto& [what, path] : cases)
    {
        for (int reader = 0; reader < 2; ++reader)
        {
            try
            {
                if (reader == 0)
                    RoomFile::load(path);
                else
                    RoomTemplate::load(path, kEnemies);
                ADD_FAILURE() << what << ": no error raised";
            }
            catch (const JsonTypeError& e)
            {
                ADD_FAILURE() << what << ": a type error instead of the parse error: " << e.what();
            }
            catch (const std::runtime_error& e)
            {
                EXPECT_STREQ(e.what(), "Failed to parse room file") << what;
            }
        }
    }
}

TEST_F(RoomFileTest, WrongTypesNameTheFileAndKey)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {R"({"type": "boss"})", "\"type\""},
        {R"({"doors": {"x": 1}})", "\"doors\""},
        {R"({"doors": [ {"direction": "up"} ]})", "\"doors[0].direction\""},
        {R"({"walls": [ {"boundaries": [ 5 ]} ]})", "\"walls[0].boundaries[0]\""},
        {R"({"spawners": [ {"enemies": [ "Zeyn", 4 ]} ]})", "\"spawners[0].enemies[1]\""},
        {R"({"karmaDependent": true, "goodTexture": 3})", "\"goodTexture\""},
        {R"({"boundaries": [ {"x": 1e60, "y": 0} ]})", "\"boundaries[0].x\""},
        {R"({"staticProps": [ {"neutral": "yes"} ]})", "\"staticProps[0].neutral\""},
    };
    for (const auto& [text, key] : cases)
    {
        const std::string path = write("typed", text);
        for (int reader = 0; reader < 2; ++reader)
        {
            try
            {
                if (reader == 0)
                    RoomFile::load(path);
                else
                    RoomTemplate::load(path, kEnemies);
                ADD_FAILURE() << text << ": no error raised";
            }
            catch (const JsonTypeError& e)
            {
                const std::string message = e.what();
                EXPECT_NE(message.find(path), std::string::npos) << message;
                EXPECT_NE(message.find(key), std::string::npos) << text << " gave " << message;
            }
        }
    }
}

TEST_F(RoomFileTest, BuilderPutsEnemyBoundsInOrder)
{
    const RoomFile crossed = RoomFile::load(write("crossed", R"({"minEnemies": 4, "maxEnemies": 1})"));
    EXPECT_EQ(crossed.minEnemies, 1);
    EXPECT_EQ(crossed.maxEnemies, 4);
    const RoomFile negative = RoomFile::load(write("negative", R"({"minEnemies": -3, "maxEnemies": -1})"));
    EXPECT_EQ(negative.minEnemies, 0);
    EXPECT_EQ(negative.maxEnemies, 0);
}

TEST_F(RoomFileTest, SaveRefusesNamesOutsideTheRoomFolder)
{
    for (const char* name : {"", "..", "../escape", "a/b", "a\\b"})
    {
        RoomTemplate t;
        t.name = name;
        EXPECT_FALSE(t.save(directory())) << "\"" << name << "\"";
    }
    RoomTemplate t;
    t.name = "fine";
    EXPECT_FALSE(t.save(directory() + "no_such_folder/")) << "a file that cannot be opened is a failure";
    EXPECT_GE(log.count("Cannot"), 6);
}
