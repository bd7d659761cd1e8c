#include "world/Room.h"

#include "RoomFixture.h"
#include "core/Polygon.h"
#include "support/TestSupport.h"
#include "world/Floor.h"
#include "world/Graph.h"
#include "world/OrientedNode.h"
#include "world/Props.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace
{
using RoomBuild = RoomFixture;

// A node with `n` children, owned by a graph so the links stay valid.
struct FakeNode
{
    explicit FakeNode(int n)
    {
        node = graph.createNode(0);
        for (int i = 0; i < n; ++i)
        {
            OrientedNode* child = graph.createNode(1);
            node->children.push_back(child);
            child->parents.push_back(node);
        }
    }
    Graph graph;
    OrientedNode* node = nullptr;
};

TEST_F(RoomBuild, EveryTemplateBuildsOnItsFloorAndEveryKeptChildHasADoor)
{
    FakeRun run;
    for (unsigned seed = 1; seed <= 6; ++seed)
        for (const auto& [type, floors] : RoomNameRegistry::table())
            for (const auto& [floorIndex, names] : floors)
                for (const std::string& name : names)
                {
                    // As many children as the room has exits: fewer exits are the redraw's cases below.
                    const RoomFile file = RoomFile::load(RoomFile::pathFor(name));
                    const int outputs = static_cast<int>(std::count_if(file.doors.begin(), file.doors.end(),
                                                                       [](const DoorRecord& d) { return d.output; }));
                    for (int children = 0; children <= outputs; ++children)
                    {
                        std::srand(seed * 31 + static_cast<unsigned>(children));
                        Floor floor(floorIndex);
                        FakeNode fake(children);
                        std::unique_ptr<Room> room;
                        ASSERT_NO_THROW(room = Room::buildRoom(run.player(), name, fake.node, floor)) << name;
                        ASSERT_TRUE(room);
                        EXPECT_EQ(room->player(), run.player());
                        EXPECT_EQ(room->floorIndex(), floorIndex);
                        for (const OrientedNode* child : fake.node->children)
                            EXPECT_TRUE(std::any_of(room->doors.begin(), room->doors.end(),
                                                    [&](const Door& d) { return d.target == child; }))
                                << name << " with " << children << " children";
                        // A kept child is linked both ways; a dropped one in neither.
                        for (const auto& owned : fake.graph.nodes)
                            if (owned.get() != fake.node)
                            {
                                const bool kept = std::count(fake.node->children.begin(), fake.node->children.end(),
                                                             owned.get()) == 1;
                                const bool linked =
                                    std::count(owned->parents.begin(), owned->parents.end(), fake.node) == 1;
                                EXPECT_EQ(kept, linked) << name;
                            }
                    }
                }
}

TEST_F(RoomBuild, AMissingTemplateIsAParseFailure)
{
    FakeRun run;
    Floor floor(0);
    try
    {
        Room::buildRoom(run.player(), "no_such_room", nullptr, floor);
        FAIL() << "expected a parse failure";
    }
    catch (const std::runtime_error& e)
    {
        EXPECT_STREQ(e.what(), "Failed to parse room file");
    }
}

struct DoorCase
{
    const char* label;
    std::vector<std::pair<int, bool>> doors; // direction, output
    int children;
    // Expected child index per door in file order; -1 for none.
    std::vector<int> expected;
};

TEST_F(RoomBuild, DoorsLeadToChildrenByDirection)
{
    const std::vector<DoorCase> cases = {
        {"one child, top door present", {{0, true}, {2, true}, {1, true}, {3, false}}, 1, {-1, 0, -1, -1}},
        {"one child, no top door: every output", {{0, true}, {1, true}, {3, false}}, 1, {0, 0, -1}},
        {"one child, no top door, bottom output", {{0, false}, {3, true}}, 1, {-1, 0}},
        {"two children, left and right", {{0, true}, {2, true}, {1, true}, {3, false}}, 2, {0, -1, 1, -1}},
        {"two children, only top: the later wins", {{2, true}, {3, false}}, 2, {1, -1}},
        {"two children, left and top", {{0, true}, {2, true}, {3, false}}, 2, {0, 1, -1}},
        {"three children", {{0, true}, {2, true}, {1, true}, {3, false}}, 3, {0, 1, 2, -1}},
        {"no child", {{0, true}, {2, true}, {1, true}, {3, false}}, 0, {-1, -1, -1, -1}},
    };
    FakeRun run;
    Floor floor(TUTORIAL_FLOOR); // keeps rooms short of exits, so each case builds its own room
    for (const DoorCase& c : cases)
    {
        std::string doors;
        for (const auto& [direction, output] : c.doors)
            doors += (doors.empty() ? "" : ",") + doorJson(direction, output, 100.f * direction, 500.f);
        writeTemplate("doors", roomJson("doors", 0, "\"doors\":[" + doors + "]"));
        FakeNode fake(c.children);
        auto room = Room::buildRoom(run.player(), "doors", fake.node, floor);
        ASSERT_EQ(room->doors.size(), c.expected.size()) << c.label;
        for (std::size_t i = 0; i < c.expected.size(); ++i)
        {
            const OrientedNode* want = c.expected[i] < 0 ? nullptr : fake.node->children[c.expected[i]];
            EXPECT_EQ(room->doors[i].target, want) << c.label << ", door " << i;
        }
    }
}

TEST_F(RoomBuild, TooFewExitsOnANormalRoomDrawsAnotherNormalRoom)
{
    const std::string three = doorJson(0, true, 60, 500) + "," + doorJson(2, true, 1000, 60) + "," +
                              doorJson(1, true, 1940, 500) + "," + doorJson(3, false, 1000, 940);
    writeTemplate("short", roomJson("short", 0, "\"doors\":[" + doorJson(2, true, 1000, 60) + "]"));
    writeTemplate("wide", roomJson("wide", 0, "\"doors\":[" + three + "]"));
    constexpr int kFloor = 7;
    RoomNameRegistry::mutableTable()[ROOM_NORMAL][kFloor] = {"short", "wide"};

    FakeRun run;
    for (unsigned seed = 0; seed < 20; ++seed)
    {
        std::srand(seed);
        LogCapture log;
        Floor floor(kFloor);
        FakeNode fake(3);
        fake.node->name = "short";
        auto room = Room::buildRoom(run.player(), "short", fake.node, floor);
        EXPECT_EQ(room->name, "wide");
        EXPECT_EQ(fake.node->name, "wide");
        EXPECT_EQ(fake.node->children.size(), 3u);
        EXPECT_GE(log.count("Changing the room being generated"), 1);
        EXPECT_EQ(log.count("Changing the room being generated"), log.count("Not enough outputs for the node"));
    }
}

TEST_F(RoomBuild, TooFewExitsEverywhereStopsRedrawingAndDropsAChild)
{
    writeTemplate("short", roomJson("short", 0, "\"doors\":[" + doorJson(2, true, 1000, 60) + "]"));
    writeTemplate("shorter", roomJson("shorter", 0, "\"doors\":[" + doorJson(0, true, 60, 500) + "]"));
    constexpr int kFloor = 7;
    RoomNameRegistry::mutableTable()[ROOM_NORMAL][kFloor] = {"short", "shorter"};

    FakeRun run;
    for (unsigned seed = 0; seed < 20; ++seed)
    {
        std::srand(seed);
        LogCapture log;
        Floor floor(kFloor);
        FakeNode fake(3);
        OrientedNode* last = fake.node->children.back();
        auto room = Room::buildRoom(run.player(), "short", fake.node, floor);
        ASSERT_TRUE(room);
        EXPECT_EQ(fake.node->children.size(), 2u);
        EXPECT_TRUE(last->parents.empty());
        EXPECT_EQ(log.count("Removing one the children, bugs might be expected"), 1);
    }
}

TEST_F(RoomBuild, TooFewExitsOnASpecialRoomDropsTheLastChild)
{
    writeTemplate("shop", roomJson("shop", ROOM_SHOP, "\"doors\":[" + doorJson(2, true, 1000, 60) + "]"));
    FakeRun run;
    LogCapture log;
    Floor floor(0);
    FakeNode fake(3);
    OrientedNode* first = fake.node->children[0];
    OrientedNode* second = fake.node->children[1];
    auto room = Room::buildRoom(run.player(), "shop", fake.node, floor);
    EXPECT_EQ(room->name, "shop");
    EXPECT_EQ(fake.node->children, (std::vector<OrientedNode*>{first, second}));
    EXPECT_EQ(log.count("Couldn't change the room being generated"), 1);
    EXPECT_EQ(log.count("Removing one the children, bugs might be expected"), 1);
}

TEST_F(RoomBuild, TooFewExitsOnTheTutorialFloorKeepsTheRoom)
{
    writeTemplate("tuto", roomJson("tuto", ROOM_NORMAL, "\"doors\":[" + doorJson(2, true, 1000, 60) + "]"));
    FakeRun run;
    LogCapture log;
    Floor floor(TUTORIAL_FLOOR);
    FakeNode fake(2);
    auto room = Room::buildRoom(run.player(), "tuto", fake.node, floor);
    EXPECT_EQ(room->name, "tuto");
    EXPECT_EQ(fake.node->children.size(), 2u);
    EXPECT_EQ(log.count("Not enough outputs for the node"), 1);
    EXPECT_EQ(log.count("Changing the room being generated"), 0);
}

TEST_F(RoomBuild, KarmaChoosesThePictureAndTheProps)
{
    const std::string props =
        "\"evilTexture\":\"pic_bad\",\"goodTexture\":\"pic_good\","
        "\"staticProps\":["
        "{\"prop\":\"skull_01\",\"x\":100,\"y\":100,\"evil\":true,\"good\":false,\"neutral\":false},"
        "{\"prop\":\"flowers\",\"x\":200,\"y\":100,\"evil\":false,\"good\":true,\"neutral\":false},"
        "{\"prop\":\"stone_01\",\"x\":300,\"y\":100,\"evil\":false,\"good\":false,\"neutral\":true}]";
    writeTemplate("karma", roomJson("karma", 0, props));
    writeTemplate("plain", roomJson("plain", 0, "\"goodTexture\":\"pic_good\""));

    struct Case
    {
        float karma;
        const char* room;
        const char* picture;
        std::vector<std::string> props;
    };
    const std::vector<Case> cases = {
        {0.f, "karma", "pic_bad", {"stone_01"}},
        {-3.f, "karma", "pic_bad", {"skull_01", "stone_01"}},
        {3.f, "karma", "pic_good", {"flowers", "stone_01"}},
        {-3.f, "plain", "plain", {}},
        {0.f, "plain", "pic_good", {}},
    };
    for (const Case& c : cases)
    {
        FakeRun run(0, c.karma);
        Floor floor(0);
        auto room = Room::buildRoom(run.player(), c.room, nullptr, floor);
        EXPECT_EQ(room->pictureKey(), c.picture) << c.room << " at karma " << c.karma;
        std::vector<std::string> placed;
        for (const auto& prop : room->props)
            placed.push_back(prop->name());
        EXPECT_EQ(placed, c.props) << c.room << " at karma " << c.karma;
    }
}

TEST_F(RoomBuild, WithoutARunTheKarmaIsZero)
{
    writeTemplate("karma", roomJson("karma", 0, "\"evilTexture\":\"pic_bad\",\"goodTexture\":\"pic_good\""));
    Entity player;
    Floor floor(0);
    auto room = Room::buildRoom(&player, "karma", nullptr, floor);
    EXPECT_EQ(room->pictureKey(), "pic_bad");
}

TEST_F(RoomBuild, PickOnePlacesExactlyOneItemWhateverTheirChances)
{
    writeTemplate("pick", roomJson("pick", 0,
                                   "\"dynamicProps\":[{\"chance\":1.0,\"pickOne\":true,\"neutral\":true,\"props\":["
                                   "{\"prop\":\"stone_01\",\"x\":1,\"y\":1,\"chance\":0},"
                                   "{\"prop\":\"stone_02\",\"x\":2,\"y\":2,\"chance\":0},"
                                   "{\"prop\":\"stone_03\",\"x\":3,\"y\":3,\"chance\":0}]}]"));
    FakeRun run;
    std::set<std::string> seen;
    for (unsigned seed = 0; seed < 200; ++seed)
    {
        std::srand(seed);
        Floor floor(0);
        auto room = Room::buildRoom(run.player(), "pick", nullptr, floor);
        ASSERT_EQ(room->props.size(), 1u);
        seen.insert(room->props[0]->name());
    }
    EXPECT_EQ(seen.size(), 3u);
}

TEST_F(RoomBuild, CollectionItemsAreDrawnIndependentlyByTheirShare)
{
    writeTemplate("share", roomJson("share", 0,
                                    "\"dynamicProps\":[{\"chance\":1.0,\"pickOne\":false,\"neutral\":true,\"props\":["
                                    "{\"prop\":\"stone_01\",\"x\":1,\"y\":1,\"chance\":1},"
                                    "{\"prop\":\"stone_02\",\"x\":2,\"y\":2,\"chance\":3}]}]"));
    FakeRun run;
    constexpr int kRuns = 4000;
    int first = 0, second = 0, both = 0, none = 0;
    for (int seed = 0; seed < kRuns; ++seed)
    {
        std::srand(static_cast<unsigned>(seed));
        Floor floor(0);
        auto room = Room::buildRoom(run.player(), "share", nullptr, floor);
        bool a = false, b = false;
        for (const auto& prop : room->props)
            (prop->name() == "stone_01" ? a : b) = true;
        first += a;
        second += b;
        both += a && b;
        none += !a && !b;
    }
    EXPECT_NEAR(first / double(kRuns), 0.25, 0.03);
    EXPECT_NEAR(second / double(kRuns), 0.75, 0.03);
    EXPECT_NEAR(both / double(kRuns), 0.25 * 0.75, 0.03);
    EXPECT_NEAR(none / double(kRuns), 0.75 * 0.25, 0.03);
}

TEST_F(RoomBuild, ACollectionThatNeverHappensPlacesNothingAndAFailedKarmaTestSkipsIt)
{
    writeTemplate("never", roomJson("never", 0,
                                    "\"dynamicProps\":["
                                    "{\"chance\":0.0,\"pickOne\":true,\"neutral\":true,\"props\":["
                                    "{\"prop\":\"stone_01\",\"x\":1,\"y\":1,\"chance\":5}]},"
                                    "{\"chance\":1.0,\"pickOne\":true,\"good\":true,\"props\":["
                                    "{\"prop\":\"stone_02\",\"x\":1,\"y\":1,\"chance\":5}]}]"));
    FakeRun run(0, -10.f);
    for (unsigned seed = 0; seed < 50; ++seed)
    {
        std::srand(seed);
        Floor floor(0);
        EXPECT_TRUE(Room::buildRoom(run.player(), "never", nullptr, floor)->props.empty());
    }
}

std::string spawners(int count, const std::string& enemies = "[\"Zeyn\"]")
{
    std::string list;
    for (int i = 0; i < count; ++i)
        list += (i ? "," : "") + std::string("{\"chance\":100,\"enemies\":") + enemies +
                ",\"x\":" + std::to_string(100 * (i + 1)) + ".5,\"y\":" + std::to_string(200 + i) + "}";
    return "\"spawners\":[" + list + "]";
}

TEST_F(RoomBuild, SpawnersGetDistinctEnemiesAndTheCountIsCappedAtTheSpawners)
{
    struct Case
    {
        int minEnemies, maxEnemies, spawnerCount;
        std::size_t expected;
    };
    const std::vector<Case> cases = {{2, 2, 3, 2}, {5, 5, 3, 3}, {1, 1, 1, 1}, {0, 0, 4, 0}};
    FakeRun run;
    for (const Case& c : cases)
    {
        writeTemplate("spawn", roomJson("spawn", 0,
                                        "\"minEnemies\":" + std::to_string(c.minEnemies) + ",\"maxEnemies\":" +
                                            std::to_string(c.maxEnemies) + "," + spawners(c.spawnerCount)));
        for (unsigned seed = 0; seed < 100; ++seed)
        {
            std::srand(seed);
            LogCapture log;
            Floor floor(0);
            auto room = Room::buildRoom(run.player(), "spawn", nullptr, floor);
            ASSERT_EQ(room->entities.members().size(), c.expected + 1) << c.minEnemies << ".." << c.maxEnemies;
            std::set<std::pair<float, float>> places;
            for (std::size_t i = 1; i < room->entities.members().size(); ++i)
                places.insert(
                    {room->entities.members()[i]->getPosition().x, room->entities.members()[i]->getPosition().y});
            EXPECT_EQ(places.size(), c.expected);
            EXPECT_EQ(log.count("Spawning Zeyn at "), static_cast<int>(c.expected));
        }
    }
}

TEST_F(RoomBuild, SpawnLinesPrintSixDecimalsAndSpawnersPickAmongTheirEnemies)
{
    writeTemplate("one", roomJson("one", 0, "\"minEnemies\":1,\"maxEnemies\":1," + spawners(1)));
    FakeRun run;
    {
        LogCapture log;
        Floor floor(0);
        auto room = Room::buildRoom(run.player(), "one", nullptr, floor);
        EXPECT_EQ(log.count("Spawning Zeyn at 100.500000, 200.000000"), 1);
    }
    writeTemplate(
        "mixed",
        roomJson("mixed", 0, "\"minEnemies\":1,\"maxEnemies\":1," + spawners(1, "[\"Zeyn\",\"Nazar\",\"Ghost\"]")));
    int zeyn = 0, nazar = 0, ghost = 0;
    for (unsigned seed = 0; seed < 300; ++seed)
    {
        std::srand(seed);
        LogCapture log;
        Floor floor(0);
        auto room = Room::buildRoom(run.player(), "mixed", nullptr, floor);
        zeyn += log.count("Spawning Zeyn");
        nazar += log.count("Spawning Nazar");
        ghost += log.count("Spawning Ghost");
        // A name no kind answers to is announced but makes nothing.
        EXPECT_EQ(room->entities.members().size(), log.count("Spawning Ghost") ? 1u : 2u);
    }
    EXPECT_EQ(zeyn + nazar + ghost, 300);
    EXPECT_GT(zeyn, 50);
    EXPECT_GT(nazar, 50);
    EXPECT_GT(ghost, 50);
}

TEST_F(RoomBuild, NoSpawnersIsLogged)
{
    writeTemplate("calm", roomJson("calm", 0, ""));
    FakeRun run;
    LogCapture log;
    Floor floor(0);
    auto room = Room::buildRoom(run.player(), "calm", nullptr, floor);
    EXPECT_EQ(log.count("No spawners in this room"), 1);
    EXPECT_EQ(room->entities.members().size(), 1u);
    EXPECT_TRUE(room->isCleared());
}

// A plank over water: it stands where walkers may not otherwise go.
class Plank : public Props
{
public:
    Plank() : Props("plank", -1) {}
    bool allowsStanding(const Entity*, const RunContext*) const override { return true; }
    std::unique_ptr<Props> clone() const override { return std::make_unique<Plank>(*this); }
};

TEST_F(RoomBuild, WalkabilityAsksPropsFirstThenZonesThenTheOutline)
{
    auto plank = std::make_unique<Plank>();
    plank->setOutline(std::make_unique<Polygon>(
        std::vector<sf::Vector2f>{{-50.f, -50.f}, {50.f, -50.f}, {50.f, 50.f}, {-50.f, 50.f}}));
    PropRegistry::add(std::move(plank));
    writeTemplate("walk", roomJson("walk", 0,
                                   "\"staticProps\":["
                                   "{\"prop\":\"plank\",\"x\":500,\"y\":500,\"neutral\":true},"
                                   "{\"prop\":\"pot_01\",\"x\":1500,\"y\":500,\"neutral\":true}],"
                                   "\"restricted\":[{\"boundaries\":[{\"x\":400,\"y\":400},{\"x\":700,\"y\":400},"
                                   "{\"x\":700,\"y\":700},{\"x\":400,\"y\":700}]}]"));
    FakeRun run;
    Floor floor(0);
    auto room = Room::buildRoom(run.player(), "walk", nullptr, floor);
    const Entity* walker = run.player();
    struct Case
    {
        sf::Vector2f point;
        bool walkable;
        const char* why;
    };
    const std::vector<Case> cases = {
        {{200.f, 200.f}, true, "open floor"},       {{10.f, 10.f}, false, "outside the outline"},
        {{650.f, 650.f}, false, "restricted zone"}, {{500.f, 500.f}, true, "plank over the zone"},
        {{1500.f, 520.f}, false, "inside the pot"}, {{1500.f, 480.f}, true, "above the pot's outline"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(room->isWalkable(walker, c.point), c.walkable) << c.why;
}

TEST_F(RoomBuild, UpdateReachesNewcomersTheSameFrameAndTracksClearing)
{
    writeTemplate("fight", roomJson("fight", 0, "\"minEnemies\":1,\"maxEnemies\":1," + spawners(1)));
    FakeRun run;
    Floor floor(0);
    auto room = Room::buildRoom(run.player(), "fight", nullptr, floor);
    ASSERT_EQ(room->entities.members().size(), 2u);
    auto* enemy = dynamic_cast<CountingEnemy*>(room->entities.members()[1]);
    ASSERT_NE(enemy, nullptr);
    enemy->spawnInto = room.get();
    EXPECT_FALSE(room->isCleared());

    room->update(0.016f);
    ASSERT_NE(enemy->child, nullptr);
    EXPECT_EQ(enemy->updates, 1);
    EXPECT_EQ(enemy->child->updates, 1);
    EXPECT_LT(room->secondsSinceCleared(), 0.5f);

    enemy->health = 0.f;
    EXPECT_FALSE(room->isCleared()); // the newcomer still lives
    room->removeEntity(enemy->child);
    EXPECT_TRUE(room->isCleared()) << "an enemy asked to leave no longer counts";
    room->update(0.016f);
    EXPECT_EQ(room->entities.members().size(), 2u); // dead enemies stay in the list
}

TEST_F(RoomBuild, RemovingEntitiesKeepsOrderAndNeverTouchesThePlayer)
{
    writeTemplate("calm", roomJson("calm", 0, ""));
    FakeRun run;
    Floor floor(0);
    auto room = Room::buildRoom(run.player(), "calm", nullptr, floor);
    Entity* a = room->addEntity(std::make_unique<CountingEnemy>());
    Entity* b = room->addEntity(std::make_unique<CountingEnemy>());
    Entity* c = room->addEntity(std::make_unique<CountingEnemy>());
    room->removeEntity(b);
    room->update(0.016f);
    EXPECT_EQ(room->entities.members(), (std::vector<Entity*>{run.player(), a, c}));
    Entity stranger;
    room->removeEntity(&stranger);
    room->removeEntity(run.player());
    room->update(0.016f);
    EXPECT_EQ(room->entities.members(), (std::vector<Entity*>{run.player(), a, c}));
}

TEST(RoomLighting, FlickerEasesBetweenSuccessiveSamples)
{
    struct Case
    {
        float seconds;
        int index;
        float weight;
    };
    const std::vector<Case> cases = {{0.f, 0, 0.f}, {0.25f, 2, 0.5f}, {0.1f, 1, 0.f}, {2.55f, 25, 0.5f}};
    for (const Case& c : cases)
    {
        int index = -1;
        EXPECT_NEAR(Room::flickerWeight(c.seconds, index), c.weight, 1e-3) << c.seconds;
        EXPECT_EQ(index, c.index) << c.seconds;
    }
}
} // namespace
