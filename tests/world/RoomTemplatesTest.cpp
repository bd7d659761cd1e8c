// Validates the shipped room templates under Assets/Rooms/ against what the
// floor generator, the room builder, the bosses and the run's memory need,
// reading each file through both the builder's and the editor's readers.
#include "core/Polygon.h"
#include "core/RoomNameRegistry.h"
#include "creatures/EnemyDatabase.h"
#include "support/TestSupport.h"
#include "world/PropRegistry.h"
#include "world/RoomFile.h"
#include "run/Player.h"
#include "world/Props.h"
#include "world/RoomTemplate.h"
#include "world/Wall.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

#include <json/reader.h>
#include <json/value.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
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

// A prop of the template with the outline it blocks walkers with (none for most).
struct PlacedProp
{
    std::string prop;
    sf::Vector2f position;
    std::optional<Polygon> outline;
};

// Every prop the template may place: static ones and every item of every collection.
std::vector<PlacedProp> placedProps(const RoomFile& room)
{
    std::vector<PlacedProp> out;
    auto add = [&](const std::string& name, sf::Vector2f at)
    {
        PlacedProp placed{name, at, std::nullopt};
        if (const Props* prototype = PropRegistry::find(name); prototype && prototype->outline())
        {
            placed.outline = *prototype->outline();
            placed.outline->setPosition(at);
        }
        out.push_back(std::move(placed));
    };
    for (const StaticPropRecord& p : room.staticProps)
        add(p.prop, p.position);
    for (const PropCollectionRecord& c : room.dynamicProps)
        for (const PropItemRecord& item : c.props)
            add(item.prop, item.position);
    return out;
}

// A wall's picture as its outline gives it (Wall's convention), in room coordinates.
struct WallPicture
{
    explicit WallPicture(const WallRecord& wall) : position(wall.position)
    {
        float x0 = 1e9f, x1 = -1e9f, y0 = 1e9f, y1 = -1e9f;
        for (const sf::Vector2f& p : wall.boundaries)
        {
            x0 = std::min(x0, p.x);
            x1 = std::max(x1, p.x);
            y0 = std::min(y0, p.y);
            y1 = std::max(y1, p.y);
        }
        width = x1 - x0;
        height = (y1 - y0) / (0.5f + Wall::kBackLine);
    }
    float top() const { return position.y - height / 2.f; }
    float back() const { return position.y + Wall::kBackLine * height; }
    float foot() const { return position.y + Wall::kFootLine * height; }
    sf::FloatRect picture() const { return {position.x - width / 2.f, top(), width, foot() - top()}; }
    sf::Vector2f position;
    float width = 0.f, height = 0.f;
};

// What a walker may stand on, as the live room decides it: the floor, less the
// zones and the outlines of the props that block.
struct Floorplan
{
    explicit Floorplan(const RoomFile& room) : outline(room.boundaries)
    {
        for (const auto& zone : room.restricted)
            zones.emplace_back(zone);
        for (PlacedProp& placed : placedProps(room))
            if (placed.outline)
                solids.push_back(std::move(*placed.outline));
    }
    bool walkable(sf::Vector2f p) const
    {
        if (std::any_of(solids.begin(), solids.end(), [&](const Polygon& s) { return s.contains(p); }))
            return false;
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
    std::vector<Polygon> solids;
};

Polygon boxPolygon(const sf::FloatRect& r)
{
    return Polygon({{r.left, r.top}, {r.left + r.width, r.top}, {r.left + r.width, r.top + r.height},
                    {r.left, r.top + r.height}});
}

// Whether the ellipse of a puddle's water, grown by `gap`, reaches the polygon.
bool waterReaches(const WaterRecord& water, const Polygon& shape, float gap)
{
    const sf::Vector2f r = WaterRegistry::surfaceOf(water.texture).radii + sf::Vector2f(gap, gap);
    auto inside = [&](sf::Vector2f p)
    {
        const sf::Vector2f d = p - water.position;
        return (d.x / r.x) * (d.x / r.x) + (d.y / r.y) * (d.y / r.y) < 1.f;
    };
    if (shape.contains(water.position))
        return true;
    const std::size_t n = shape.vertexCount();
    for (std::size_t i = 0; i < n; ++i)
    {
        const sf::Vector2f a = shape.point(i), b = shape.point((i + 1) % n);
        for (int k = 0; k <= 16; ++k)
            if (inside(a + (b - a) * (static_cast<float>(k) / 16.f)))
                return true;
    }
    return false;
}

// The lane a player walks in through a door: from its gate to 200 px inside, 200 wide.
Polygon laneOf(const DoorRecord& d)
{
    const sf::Vector2f gate = d.position + d.spriteDelta;
    const float len = distance(gate, d.position);
    const sf::Vector2f in = len > 0.f ? (d.position - gate) / len : sf::Vector2f(0.f, -1.f);
    const sf::Vector2f across(-in.y * 100.f, in.x * 100.f);
    const sf::Vector2f far = d.position + in * 200.f;
    return Polygon({gate + across, far + across, far - across, gate - across});
}

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
        PropRegistry::registerProps();
        rooms = registeredRooms();
    }
    static void TearDownTestSuite()
    {
        EnemyDatabase::reset();
        PropRegistry::clear();
    }

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

namespace
{
// The player's feet stand half its body below its position; a move is allowed when the
// point the player's movement probes ahead of the feet is walkable.
constexpr float kBodyWidth = Player::kBoundsWidth * 0.5f;
constexpr float kBodyHeight = Player::kBoundsHeight * 0.5f;

TEST_F(RoomTemplatesTest, WallFeetAreZonedTheGroundBehindIsWalkableAndHidesThePlayer)
{
    for (const NamedRoom& r : rooms)
    {
        SCOPED_TRACE(r.name);
        const RoomFile room = RoomFile::load(RoomFile::pathFor(r.name));
        const Floorplan plan(room);
        for (const WallRecord& w : room.walls)
        {
            SCOPED_TRACE(w.texture);
            const WallPicture wall(w);
            ASSERT_GT(wall.width, 200.f);
            ASSERT_GT(wall.height, 150.f);
            Polygon hides(w.boundaries, w.position);
            // Where the face meets the floor, and the ground under the wall up to its back.
            for (float u = -0.42f; u <= 0.42f; u += 0.06f)
                for (float y : {wall.foot() - 3.f, (wall.back() + wall.foot()) / 2.f, wall.back() + 6.f})
                    EXPECT_FALSE(plan.walkable({w.position.x + u * wall.width, y}))
                        << "the wall's foot is walkable at " << u << ", " << y;
            // Just behind the foot the ground is open, and a player there is hidden: the wall fades.
            const sf::Vector2f feetBehind(w.position.x, wall.back() - 20.f);
            EXPECT_TRUE(plan.walkable(feetBehind)) << "no ground behind the wall";
            EXPECT_TRUE(hides.contains(feetBehind - sf::Vector2f(0.f, kBodyHeight / 2.f)));
            // Standing in front of it, the player is drawn over an opaque wall.
            const sf::Vector2f feetInFront(w.position.x, wall.foot() + 20.f);
            EXPECT_FALSE(hides.contains(feetInFront - sf::Vector2f(0.f, kBodyHeight / 2.f)));
        }
    }
}

TEST_F(RoomTemplatesTest, SolidPropsBlockTheirFootAndNeitherOverlapNorStandOnWaterOrInADoorway)
{
    for (const NamedRoom& r : rooms)
    {
        SCOPED_TRACE(r.name);
        const RoomFile room = RoomFile::load(RoomFile::pathFor(r.name));
        const std::vector<PlacedProp> props = placedProps(room);
        std::vector<std::pair<std::string, Polygon>> solid;
        for (const PlacedProp& p : props)
        {
            const sf::Vector2u size = PropRegistry::standingSize(p.prop);
            if (size.y > 0)
            {
                // The foot drawn at the bottom of the picture is what the outline blocks.
                ASSERT_TRUE(p.outline) << p.prop << " stands in the way but blocks nothing";
                const sf::Vector2f foot = p.position + sf::Vector2f(0.f, 0.42f * static_cast<float>(size.y));
                EXPECT_TRUE(p.outline->contains(foot)) << p.prop << " at " << p.position.x << ", " << p.position.y;
            }
            if (p.outline)
                solid.emplace_back(p.prop, *p.outline);
        }
        for (const WallRecord& w : room.walls)
            solid.emplace_back(w.texture, boxPolygon(WallPicture(w).picture()));

        for (std::size_t i = 0; i < solid.size(); ++i)
            for (std::size_t j = i + 1; j < solid.size(); ++j)
                EXPECT_FALSE(solid[i].second.intersects(solid[j].second))
                    << solid[i].first << " overlaps " << solid[j].first;
        for (const WaterRecord& w : room.waters)
        {
            for (const auto& [name, shape] : solid)
                EXPECT_FALSE(waterReaches(w, shape, 20.f)) << name << " stands in " << w.texture;
            for (const PlacedProp& p : props)
                if (!p.outline)
                    EXPECT_FALSE(waterReaches(w, Polygon({p.position}), 30.f)) << p.prop << " lies on " << w.texture;
            for (const WaterRecord& other : room.waters)
                if (&other != &w)
                    EXPECT_GT(distance(w.position, other.position), 150.f) << "puddles heaped on each other";
        }
        for (const DoorRecord& d : room.doors)
        {
            const Polygon lane = laneOf(d);
            for (const auto& [name, shape] : solid)
                EXPECT_FALSE(lane.intersects(shape)) << name << " stands in door " << d.direction << "'s way";
            for (const WaterRecord& w : room.waters)
                EXPECT_FALSE(waterReaches(w, lane, 0.f)) << w.texture << " floods door " << d.direction;
        }
    }
}

// A stand-in for the player walks every reachable spot of each room on a 10 px grid
// the way the player's movement does: a step is taken when the probe ahead of the
// feet is walkable. Wherever it gets, its feet must be on open ground: never under a
// wall's face, in a standing prop's foot, in a pool or off the floor. (A pot's outline
// is shallower than that probe, so a pot can be stepped over walking up; it is left out.)
TEST_F(RoomTemplatesTest, AStandInPlayerWalkingToEveryEdgeNeverStandsInAnythingSolid)
{
    constexpr float kStep = 10.f;
    const std::array<sf::Vector2f, 4> moves{sf::Vector2f(0.f, -1.f), {0.f, 1.f}, {-1.f, 0.f}, {1.f, 0.f}};
    auto probe = [&](sf::Vector2f feet, sf::Vector2f move)
    {
        if (move.y < 0.f)
            return feet + sf::Vector2f(0.f, -(kBodyHeight / 3.f + kStep));
        if (move.y > 0.f)
            return feet + sf::Vector2f(0.f, kStep + kBodyHeight * 0.125f);
        return feet + sf::Vector2f(move.x * (kBodyWidth / 1.5f + kStep), 0.f);
    };
    for (const NamedRoom& r : rooms)
    {
        SCOPED_TRACE(r.name);
        const RoomFile room = RoomFile::load(RoomFile::pathFor(r.name));
        const Floorplan plan(room);
        std::vector<Polygon> standing;
        for (PlacedProp& p : placedProps(room))
            if (p.outline && PropRegistry::standingSize(p.prop).y > 0)
                standing.push_back(std::move(*p.outline));
        std::vector<sf::FloatRect> wallFeet;
        for (const WallRecord& w : room.walls)
        {
            const WallPicture wall(w);
            wallFeet.emplace_back(w.position.x - 0.45f * wall.width, wall.back(), 0.9f * wall.width,
                                  wall.foot() - wall.back());
        }
        auto entrance = std::find_if(room.doors.begin(), room.doors.end(),
                                     [](const DoorRecord& d) { return d.direction == DOOR_BOTTOM; });
        ASSERT_NE(entrance, room.doors.end());
        const sf::Vector2f start = entrance->position + sf::Vector2f(0.f, kBodyHeight / 2.f);
        std::set<std::pair<int, int>> seen{{0, 0}};
        std::vector<std::pair<int, int>> open{{0, 0}};
        int faults = 0;
        while (!open.empty() && faults < 5)
        {
            const auto [i, j] = open.back();
            open.pop_back();
            const sf::Vector2f feet = start + sf::Vector2f(i * kStep, j * kStep);
            bool wrong = !plan.outline.contains(feet);
            for (const sf::FloatRect& foot : wallFeet)
                wrong = wrong || foot.contains(feet);
            wrong = wrong || std::any_of(plan.zones.begin(), plan.zones.end(),
                                         [&](const Polygon& z) { return z.contains(feet); });
            wrong = wrong || std::any_of(standing.begin(), standing.end(),
                                         [&](const Polygon& s) { return s.contains(feet); });
            if (wrong)
            {
                ++faults;
                ADD_FAILURE() << "the player's feet got to " << feet.x << ", " << feet.y;
            }
            for (const sf::Vector2f& m : moves)
            {
                const std::pair<int, int> next{i + static_cast<int>(m.x), j + static_cast<int>(m.y)};
                if (seen.count(next) || !plan.walkable(probe(feet, m)))
                    continue;
                seen.insert(next);
                open.push_back(next);
            }
        }
        EXPECT_GT(seen.size(), 2000u) << "the stand-in hardly got in";
    }
}
} // namespace
