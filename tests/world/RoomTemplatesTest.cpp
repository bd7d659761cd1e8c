// Validates the shipped room templates under Assets/Rooms/ against what the
// floor generator, the room builder, the bosses and the run's memory need,
// reading each file through both the builder's and the editor's readers.
#include "core/Polygon.h"
#include "core/RoomNameRegistry.h"
#include "creatures/EnemyDatabase.h"
#include "support/TestSupport.h"
#include "world/PropRegistry.h"
#include "world/RoomFile.h"
#include "world/RoomTemplate.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

#include <json/reader.h>
#include <json/value.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace
{
constexpr float kPi = 3.14159265f;
// A spawner this close to a door would hit the player on the threshold.
constexpr float kSpawnerDoorGap = 250.f;

struct NamedRoom
{
    std::string name;
    int type;
    int floor;
};

std::vector<NamedRoom> registeredRooms()
{
    RoomNameRegistry::fill();
    std::vector<NamedRoom> rooms;
    for (const auto& [type, floors] : RoomNameRegistry::table())
        for (const auto& [floor, names] : floors)
            for (const std::string& name : names)
                rooms.push_back({name, type, floor});
    return rooms;
}

bool hasDoor(const RoomFile& room, int direction, bool input, bool output)
{
    return std::any_of(room.doors.begin(), room.doors.end(),
                       [&](const DoorRecord& d)
                       { return d.direction == direction && (!input || d.input) && (!output || d.output); });
}

float distance(sf::Vector2f a, sf::Vector2f b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Proper crossing of two segments (shared end points do not count).
bool segmentsCross(sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Vector2f d)
{
    auto side = [](sf::Vector2f p, sf::Vector2f q, sf::Vector2f r)
    { return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x); };
    const float d1 = side(c, d, a), d2 = side(c, d, b), d3 = side(a, b, c), d4 = side(a, b, d);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

bool isSimple(const std::vector<sf::Vector2f>& outline)
{
    const std::size_t n = outline.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 2; j < n; ++j)
        {
            if (i == 0 && j == n - 1)
                continue;
            if (segmentsCross(outline[i], outline[(i + 1) % n], outline[j], outline[(j + 1) % n]))
                return false;
        }
    return true;
}

// What a walker may stand on, as the live room decides it without props.
struct Floorplan
{
    explicit Floorplan(const RoomFile& room) : outline(room.boundaries)
    {
        for (const auto& zone : room.restricted)
            zones.emplace_back(zone);
    }
    bool walkable(sf::Vector2f p) const
    {
        if (std::any_of(zones.begin(), zones.end(), [&](const Polygon& z) { return z.contains(p); }))
            return false;
        return outline.contains(p);
    }
    // Every point of the circle walkable.
    bool ringWalkable(sf::Vector2f centre, float radius) const
    {
        for (int k = 0; k < 48; ++k)
        {
            const float a = 2.f * kPi * (static_cast<float>(k) + 0.5f) / 48.f;
            if (!walkable(centre + radius * sf::Vector2f(std::cos(a), std::sin(a))))
                return false;
        }
        return true;
    }
    Polygon outline;
    std::vector<Polygon> zones;
};

int nepturathCircleRadius()
{
    std::ifstream in("Assets/Data/Enemy/Nepturath.json");
    Json::Value root;
    in >> root;
    return root["data"]["idle"]["moveCenterDist"].asInt();
}

class RoomTemplatesTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        EnemyDatabase::loadData();
        rooms = registeredRooms();
    }
    static void TearDownTestSuite() { EnemyDatabase::reset(); }

    static inline std::vector<NamedRoom> rooms;
    LogCapture log;
};

TEST_F(RoomTemplatesTest, EveryRegisteredNameHasItsFileAndNoFileIsAStray)
{
    ASSERT_EQ(rooms.size(), 37u);
    std::set<std::string> registered;
    for (const NamedRoom& r : rooms)
    {
        registered.insert(r.name);
        EXPECT_TRUE(std::filesystem::exists(RoomFile::pathFor(r.name))) << r.name;
    }
    for (const auto& entry : std::filesystem::directory_iterator(RoomFile::kDirectory))
    {
        if (entry.path().extension() == ".json")
        {
            EXPECT_TRUE(registered.count(entry.path().stem().string())) << entry.path() << " is in no room list";
        }
    }
}

TEST_F(RoomTemplatesTest, NamesTypesAndPicturesMatchTheRoomLists)
{
    std::map<int, int> karmaRooms;
    for (const NamedRoom& r : rooms)
    {
        SCOPED_TRACE(r.name);
        const RoomFile room = RoomFile::load(RoomFile::pathFor(r.name));
        EXPECT_EQ(room.name, r.name);
        EXPECT_EQ(room.type, r.type);
        EXPECT_EQ(room.texture, r.name);
        // Both variants or neither: a half-karma room would show the plain picture to one side only.
        EXPECT_EQ(room.evilTexture.empty(), room.goodTexture.empty());
        if (!room.evilTexture.empty())
        {
            EXPECT_EQ(room.evilTexture, r.name + "_bad");
            EXPECT_EQ(room.goodTexture, r.name + "_good");
            ++karmaRooms[r.floor];
        }
    }
    for (int floor : {0, 1, 2})
        EXPECT_GE(karmaRooms[floor], 2) << "floor " << floor << " needs a few karma-dependent rooms";
}

TEST_F(RoomTemplatesTest, DoorsLetTheGeneratorConnectEveryRoom)
{
    for (const NamedRoom& r : rooms)
    {
        SCOPED_TRACE(r.name);
        const RoomFile room = RoomFile::load(RoomFile::pathFor(r.name));
        const Floorplan plan(room);
        for (const DoorRecord& d : room.doors)
        {
            EXPECT_GE(d.direction, 0);
            EXPECT_LE(d.direction, 3);
            EXPECT_TRUE(plan.walkable(d.position))
                << "door " << d.direction << " at " << d.position.x << ", " << d.position.y << " is off the floor";
        }
        const auto outputs =
            std::count_if(room.doors.begin(), room.doors.end(), [](const DoorRecord& d) { return d.output; });
        // The player comes in at the door opposite the one used, and first enters every floor at a Bottom door.
        EXPECT_TRUE(hasDoor(room, DOOR_BOTTOM, true, false));
        if (r.floor == TUTORIAL_FLOOR)
        {
            // A chain of single children: the Top door leads on (the last one is the "last door").
            EXPECT_TRUE(hasDoor(room, DOOR_TOP, false, true));
            continue;
        }
        if (r.type == ROOM_BOSS)
        {
            // The Top door ends the floor once the boss is dead.
            EXPECT_TRUE(hasDoor(room, DOOR_TOP, false, true));
            continue;
        }
        // Any other room may get up to three children, one per side, and be entered from either side.
        EXPECT_GE(outputs, 3);
        EXPECT_TRUE(hasDoor(room, DOOR_LEFT, true, true));
        EXPECT_TRUE(hasDoor(room, DOOR_TOP, false, true));
        EXPECT_TRUE(hasDoor(room, DOOR_RIGHT, true, true));
    }
}

TEST_F(RoomTemplatesTest, OutlinesAndZonesAreSoundFloors)
{
    for (const NamedRoom& r : rooms)
    {
        SCOPED_TRACE(r.name);
        const RoomFile room = RoomFile::load(RoomFile::pathFor(r.name));
        ASSERT_GE(room.boundaries.size(), 3u);
        EXPECT_TRUE(isSimple(room.boundaries)) << "the floor outline crosses itself";
        for (const sf::Vector2f& p : room.boundaries)
        {
            EXPECT_GE(p.x, 0.f);
            EXPECT_GE(p.y, 0.f);
        }
        const Polygon outline(room.boundaries);
        for (const auto& zone : room.restricted)
        {
            ASSERT_GE(zone.size(), 3u);
            EXPECT_TRUE(isSimple(zone));
            for (const sf::Vector2f& p : zone)
                EXPECT_TRUE(outline.contains(p)) << "a zone reaches off the floor";
        }
    }
}

// Cells of a 25 px grid reachable on foot from `start` (zones may cut a floor in two).
class Reach
{
public:
    static constexpr float kCell = 25.f;
    Reach(const Floorplan& plan, sf::Vector2f start) : plan(plan)
    {
        std::vector<std::pair<int, int>> open{cellOf(start)};
        seen.insert(open.front());
        while (!open.empty())
        {
            const auto [i, j] = open.back();
            open.pop_back();
            for (const auto& [di, dj] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            {
                const std::pair<int, int> next{i + di, j + dj};
                if (next.first < 0 || next.second < 0 || next.first > 200 || next.second > 200 || seen.count(next))
                    continue;
                if (!plan.walkable(centreOf(next)))
                    continue;
                seen.insert(next);
                open.push_back(next);
            }
        }
    }
    bool reaches(sf::Vector2f p) const { return seen.count(cellOf(p)) > 0; }

private:
    static std::pair<int, int> cellOf(sf::Vector2f p)
    {
        return {static_cast<int>(p.x / kCell), static_cast<int>(p.y / kCell)};
    }
    static sf::Vector2f centreOf(std::pair<int, int> c)
    {
        // Off the outline's vertex levels, which lie on tens.
        return {c.first * kCell + 12.5f, c.second * kCell + 12.5f};
    }
    const Floorplan& plan;
    std::set<std::pair<int, int>> seen;
};

TEST_F(RoomTemplatesTest, EveryDoorSpawnerAndCircleIsReachableFromTheEntrance)
{
    for (const NamedRoom& r : rooms)
    {
        SCOPED_TRACE(r.name);
        const RoomFile room = RoomFile::load(RoomFile::pathFor(r.name));
        const Floorplan plan(room);
        auto entrance = std::find_if(room.doors.begin(), room.doors.end(),
                                     [](const DoorRecord& d) { return d.direction == DOOR_BOTTOM; });
        ASSERT_NE(entrance, room.doors.end());
        const Reach reach(plan, entrance->position);
        for (const DoorRecord& d : room.doors)
            EXPECT_TRUE(reach.reaches(d.position)) << "door " << d.direction << " is cut off";
        for (const SpawnerRecord& s : room.spawners)
            EXPECT_TRUE(reach.reaches(s.position)) << "spawner at " << s.position.x << ", " << s.position.y;
        for (const StaticPropRecord& p : room.staticProps)
        {
            if (p.prop == "pentagram")
            {
                EXPECT_TRUE(reach.reaches(p.position));
            }
        }
    }
}

TEST_F(RoomTemplatesTest, SpawnersStandInOpenGroundWithEnoughForTheLargestCount)
{
    const auto& known = EnemyDatabase::records().shared.nameList;
    const std::set<std::string> bosses{"Nepturath", "DarkHulant", "TheGod"};
    const std::map<int, std::string> bossOfFloor{{0, "Nepturath"}, {1, "DarkHulant"}, {2, "TheGod"}};
    for (const NamedRoom& r : rooms)
    {
        SCOPED_TRACE(r.name);
        const RoomFile room = RoomFile::load(RoomFile::pathFor(r.name));
        const Floorplan plan(room);
        EXPECT_GE(room.minEnemies, 0);
        EXPECT_LE(room.minEnemies, room.maxEnemies);
        // The builder draws maxEnemies distinct spawners at most; fewer would never end the draw.
        EXPECT_GE(room.spawners.size(), static_cast<std::size_t>(room.maxEnemies));
        if (r.type == ROOM_NORMAL && r.floor != TUTORIAL_FLOOR)
        {
            EXPECT_GE(room.minEnemies, 1) << "a normal room without a fight";
        }
        for (const SpawnerRecord& s : room.spawners)
        {
            ASSERT_FALSE(s.enemies.empty());
            EXPECT_TRUE(plan.walkable(s.position)) << "spawner at " << s.position.x << ", " << s.position.y;
            for (const DoorRecord& d : room.doors)
                EXPECT_GE(distance(s.position, d.position), kSpawnerDoorGap) << "spawner by door " << d.direction;
            for (const std::string& e : s.enemies)
            {
                EXPECT_NE(std::find(known.begin(), known.end(), e), known.end()) << e << " is no enemy";
                if (r.type == ROOM_BOSS)
                    EXPECT_EQ(e, bossOfFloor.at(r.floor));
                else
                    EXPECT_FALSE(bosses.count(e)) << "boss " << e << " outside a boss room";
            }
        }
        if (r.type == ROOM_BOSS)
        {
            EXPECT_EQ(room.minEnemies, 1);
            EXPECT_EQ(room.maxEnemies, 1);
        }
    }
}

TEST_F(RoomTemplatesTest, BossArenasHoldTheirFights)
{
    auto load = [](const char* name) { return RoomFile::load(RoomFile::pathFor(name)); };
    {
        // Nepturath circles its fixed centre and dives within reach of it.
        const RoomFile room = load("ff_boss");
        const Floorplan plan(room);
        const sf::Vector2f centre(1870.f, 1250.f);
        const float radius = static_cast<float>(nepturathCircleRadius());
        ASSERT_GT(radius, 0.f);
        for (float r : {0.f, radius * 0.5f, radius, radius + 80.f})
            EXPECT_TRUE(plan.ringWalkable(centre, r)) << "Nepturath's circle of radius " << r;
    }
    {
        // DarkHulant lands on its perch and dives at the arena centre; the owls scatter around it.
        const RoomFile room = load("sf_boss");
        const Floorplan plan(room);
        EXPECT_TRUE(plan.walkable({1070.f, 380.f}));
        for (float r : {0.f, 300.f, 600.f})
            EXPECT_TRUE(plan.ringWalkable({1870.f, 1100.f}, r)) << "DarkHulant's arena at radius " << r;
    }
    {
        // TheGod reappears 200 to 500 px from its centre and charges across the room.
        const RoomFile room = load("tf_boss");
        const Floorplan plan(room);
        for (float r : {0.f, 200.f, 350.f, 500.f})
            EXPECT_TRUE(plan.ringWalkable({1870.f, 1100.f}, r)) << "TheGod's arena at radius " << r;
    }
}

TEST_F(RoomTemplatesTest, TheTutorialRoomsServeTheirLessons)
{
    // Fights in the first two rooms and the elite room; the heal and shop rooms are quiet; the
    // last lesson sends the player up to the last door, above y = 800.
    const std::map<std::string, bool> fights{
        {"Tuto_1", true}, {"Tuto_2", true}, {"Tuto_3", false}, {"Tuto_4", true}, {"Tuto_5", false}};
    for (const auto& [name, fight] : fights)
    {
        SCOPED_TRACE(name);
        const RoomFile room = RoomFile::load(RoomFile::pathFor(name));
        if (fight)
            EXPECT_GE(room.minEnemies, 1);
        else
            EXPECT_EQ(room.maxEnemies, 0);
    }
    // The first lesson is to walk up to the enemy: it must not stand in reach (500 px)
    // of the entrance already, with room to spare for its first steps.
    const RoomFile first = RoomFile::load(RoomFile::pathFor("Tuto_1"));
    auto way = std::find_if(first.doors.begin(), first.doors.end(),
                            [](const DoorRecord& d) { return d.direction == DOOR_BOTTOM; });
    ASSERT_NE(way, first.doors.end());
    ASSERT_FALSE(first.spawners.empty());
    for (const auto& spawner : first.spawners)
        EXPECT_GT(distance(spawner.position, way->position), 600.f) << "an enemy waits in reach of the entrance";

    const RoomFile last = RoomFile::load(RoomFile::pathFor("Tuto_5"));
    const Floorplan plan(last);
    auto entrance = std::find_if(last.doors.begin(), last.doors.end(),
                                 [](const DoorRecord& d) { return d.direction == DOOR_BOTTOM; });
    auto exit =
        std::find_if(last.doors.begin(), last.doors.end(), [](const DoorRecord& d) { return d.direction == DOOR_TOP; });
    ASSERT_NE(entrance, last.doors.end());
    ASSERT_NE(exit, last.doors.end());
    EXPECT_GT(entrance->position.y, 800.f) << "the goal would be met on arrival";
    EXPECT_LE(exit->position.y, 800.f);
    EXPECT_TRUE(plan.walkable(exit->position));
}

TEST_F(RoomTemplatesTest, ShopsHaveTheirTraderAndHealRoomsTheirCircle)
{
    for (const NamedRoom& r : rooms)
    {
        SCOPED_TRACE(r.name);
        const RoomFile room = RoomFile::load(RoomFile::pathFor(r.name));
        const Floorplan plan(room);
        if (r.type == ROOM_SHOP)
        {
            EXPECT_TRUE(plan.ringWalkable({1840.f, 950.f}, 100.f)) << "the trader stands off the floor";
        }
        if (r.type == ROOM_HEAL)
        {
            auto circle = std::find_if(room.staticProps.begin(), room.staticProps.end(),
                                       [](const StaticPropRecord& p) { return p.prop == "pentagram"; });
            ASSERT_NE(circle, room.staticProps.end()) << "a heal room without its circle";
            EXPECT_TRUE(circle->neutral);
            EXPECT_TRUE(plan.walkable(circle->position));
        }
    }
}

TEST_F(RoomTemplatesTest, FurnitureNamesAreRegistered)
{
    const auto& props = PropRegistry::propNames();
    const auto& puddles = WaterRegistry::puddleNames();
    std::set<std::string> walls(WallRegistry::singleWallNames().begin(), WallRegistry::singleWallNames().end());
    walls.insert(WallRegistry::karmaWallNames().begin(), WallRegistry::karmaWallNames().end());
    auto isProp = [&](const std::string& n) { return std::find(props.begin(), props.end(), n) != props.end(); };
    std::set<std::string> placedWalls;
    for (const NamedRoom& r : rooms)
    {
        SCOPED_TRACE(r.name);
        const RoomFile room = RoomFile::load(RoomFile::pathFor(r.name));
        for (const StaticPropRecord& p : room.staticProps)
        {
            EXPECT_TRUE(isProp(p.prop)) << p.prop;
            EXPECT_TRUE(p.neutral || p.good || p.evil) << p.prop << " is never placed";
        }
        for (const PropCollectionRecord& c : room.dynamicProps)
        {
            EXPECT_FALSE(c.props.empty());
            EXPECT_GE(c.chance, 0.f);
            EXPECT_LE(c.chance, 1.f);
            for (const PropItemRecord& item : c.props)
            {
                EXPECT_TRUE(isProp(item.prop)) << item.prop;
                EXPECT_GE(item.chance, 0);
            }
        }
        for (const WaterRecord& w : room.waters)
            EXPECT_NE(std::find(puddles.begin(), puddles.end(), w.texture), puddles.end()) << w.texture;
        for (const WallRecord& w : room.walls)
        {
            EXPECT_TRUE(walls.count(w.texture)) << w.texture;
            // Walls are painted for their own room.
            EXPECT_EQ(w.texture.rfind(r.name + "_wall", 0), 0u) << w.texture;
            EXPECT_GE(w.boundaries.size(), 3u);
            placedWalls.insert(w.texture);
        }
    }
    for (const std::string& w : walls)
        EXPECT_TRUE(placedWalls.count(w)) << "wall " << w << " stands in no room";
}

TEST_F(RoomTemplatesTest, FurnitureKeepsDoorwaysAndSpawnersClear)
{
    // Props may carry solid outlines: one on a threshold would wall the player in, one on a
    // spawner would trap its enemy.
    constexpr float kDoorGap = 150.f;
    constexpr float kSpawnerGap = 120.f;
    for (const NamedRoom& r : rooms)
    {
        SCOPED_TRACE(r.name);
        const RoomFile room = RoomFile::load(RoomFile::pathFor(r.name));
        std::vector<std::pair<std::string, sf::Vector2f>> furniture;
        for (const StaticPropRecord& p : room.staticProps)
            furniture.emplace_back(p.prop, p.position);
        for (const PropCollectionRecord& c : room.dynamicProps)
            for (const PropItemRecord& item : c.props)
                furniture.emplace_back(item.prop, item.position);
        for (const auto& [prop, at] : furniture)
        {
            for (const DoorRecord& d : room.doors)
                EXPECT_GE(distance(at, d.position), kDoorGap) << prop << " by door " << d.direction;
            for (const SpawnerRecord& s : room.spawners)
                EXPECT_GE(distance(at, s.position), kSpawnerGap) << prop << " on a spawner";
        }
    }
}

TEST_F(RoomTemplatesTest, KarmaRoomsDressDifferentlyForEachSide)
{
    for (const NamedRoom& r : rooms)
    {
        const RoomFile room = RoomFile::load(RoomFile::pathFor(r.name));
        if (room.evilTexture.empty())
            continue;
        SCOPED_TRACE(r.name);
        auto only = [&](bool evil)
        {
            return std::any_of(room.staticProps.begin(), room.staticProps.end(),
                               [&](const StaticPropRecord& p)
                               { return !p.neutral && (evil ? p.evil && !p.good : p.good && !p.evil); });
        };
        EXPECT_TRUE(only(true)) << "nothing marks the evil side";
        EXPECT_TRUE(only(false)) << "nothing marks the good side";
    }
}

TEST_F(RoomTemplatesTest, TheEditorReadsWhatTheBuilderReadsAndSavesItBack)
{
    const auto& enemyNames = EnemyDatabase::records().shared.nameList;
    for (const NamedRoom& r : rooms)
    {
        SCOPED_TRACE(r.name);
        const std::string path = RoomFile::pathFor(r.name);
        const RoomFile built = RoomFile::load(path);
        const RoomTemplate edited = RoomTemplate::load(path, enemyNames);
        EXPECT_EQ(edited.karmaDependent, !built.evilTexture.empty());
        EXPECT_EQ(edited.boundary.vertexCount(), built.boundaries.size());
        ASSERT_EQ(edited.staticProps.size(), built.staticProps.size());
        for (std::size_t i = 0; i < built.staticProps.size(); ++i)
            // The editor reads an absent "neutral" as true and the builder as false: every entry must spell it.
            EXPECT_EQ(edited.staticProps[i].neutral, built.staticProps[i].neutral) << built.staticProps[i].prop;
        ASSERT_EQ(edited.spawners.size(), built.spawners.size());
        for (std::size_t i = 0; i < built.spawners.size(); ++i)
        {
            std::vector<std::string> selected;
            for (const auto& [name, on] : edited.spawners[i].enemies)
                if (on)
                    selected.push_back(name);
            std::vector<std::string> listed = built.spawners[i].enemies;
            std::sort(selected.begin(), selected.end());
            std::sort(listed.begin(), listed.end());
            // A name the editor does not know would be lost on the next save.
            EXPECT_EQ(selected, listed);
        }

        // Saving from the editor and rebuilding gives the same room.
        const RoomFile again = RoomFile::fromJson(edited.toJson(), path);
        EXPECT_EQ(again.name, built.name);
        EXPECT_EQ(again.type, built.type);
        EXPECT_EQ(again.evilTexture, built.evilTexture);
        EXPECT_EQ(again.minEnemies, built.minEnemies);
        EXPECT_EQ(again.maxEnemies, built.maxEnemies);
        EXPECT_EQ(again.boundaries, built.boundaries);
        EXPECT_EQ(again.doors.size(), built.doors.size());
        EXPECT_EQ(again.staticProps.size(), built.staticProps.size());
        EXPECT_EQ(again.dynamicProps.size(), built.dynamicProps.size());
        EXPECT_EQ(again.waters.size(), built.waters.size());
        EXPECT_EQ(again.walls.size(), built.walls.size());
        EXPECT_EQ(again.restricted.size(), built.restricted.size());
        for (std::size_t i = 0; i < built.walls.size() && i < again.walls.size(); ++i)
            EXPECT_EQ(again.walls[i].boundaries, built.walls[i].boundaries);
    }
}

TEST_F(RoomTemplatesTest, TheRunsRoomPicturesFitTheTextureBudget)
{
    // The run holds every picture of the three floors at once, karma variants included, next to
    // about 520 MiB of creatures, props and player sheets and the four floor backgrounds, within 1.5 GiB.
    constexpr double kMiB = 1024.0 * 1024.0;
    constexpr double kRoomBudget = 1536.0 - 520.0 - 4 * (1000.0 * 1000.0 * 4.0) / kMiB;
    double total = 0.0;
    for (const NamedRoom& r : rooms)
    {
        if (r.floor == TUTORIAL_FLOOR)
            continue;
        const RoomFile room = RoomFile::load(RoomFile::pathFor(r.name));
        const sf::Vector2u size = room.pictureSize();
        EXPECT_LE(size.x, 3000u) << r.name;
        EXPECT_LE(size.y, 2200u) << r.name;
        const int pictures = room.evilTexture.empty() ? 1 : 3;
        total += pictures * 4.0 * size.x * size.y / kMiB;
    }
    std::printf("Room pictures of the three floors: %.1f MiB decoded (budget %.1f MiB)\n", total, kRoomBudget);
    EXPECT_LE(total, kRoomBudget);
}
} // namespace
