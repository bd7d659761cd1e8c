#include "world/Floor.h"

#include "RoomFixture.h"
#include "core/Camera.h"
#include "core/RunSeed.h"
#include "creatures/Trader.h"
#include "support/TestSupport.h"
#include "world/Graph.h"
#include "world/OrientedNode.h"
#include "world/Room.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

namespace
{
using FloorNavigation = RoomFixture;

const Door* firstDoor(const Room& room, int direction, bool needsTarget = false)
{
    for (const Door& door : room.doors)
        if (door.direction == direction && (!needsTarget || door.target))
            return &door;
    return nullptr;
}

// Kills every creature of the room so its doors open.
void clearRoom(Room& room)
{
    for (std::size_t i = 1; i < room.entities.members().size(); ++i)
        if (auto* enemy = dynamic_cast<Enemy*>(room.entities.members()[i]))
            enemy->health = 0.f;
}

TEST_F(FloorNavigation, GeneratingAFloorNamesEveryRoomFromItsFloorsList)
{
    FakeRun run;
    for (int floorIndex = 0; floorIndex < 3; ++floorIndex)
        for (unsigned seed = 0; seed < 10; ++seed)
        {
            std::srand(seed);
            LogCapture log;
            Floor floor(floorIndex);
            Room* room = floor.generateFloor(run.player());
            ASSERT_NE(room, nullptr);
            EXPECT_EQ(room, floor.room());
            EXPECT_EQ(floor.current(), floor.graph()->root());
            EXPECT_EQ(log.count("Generated floor with " + std::to_string(floor.graph()->size()) + " nodes"), 1);
            for (const auto& node : floor.graph()->nodes)
            {
                const auto& names = RoomNameRegistry::names(node->type, floorIndex);
                EXPECT_NE(std::find(names.begin(), names.end(), node->name), names.end()) << node->name;
            }
            EXPECT_EQ(room->name, floor.current()->name);
        }
}

TEST_F(FloorNavigation, ARunSeedReplaysTheFloorAndItsFirstRoomsEnemies)
{
    FakeRun run;
    auto play = [&](unsigned seed)
    {
        RunSeed::apply(seed, true);
        RunSeed::startRun();
        LogCapture log;
        Floor floor(1);
        Room* room = floor.generateFloor(run.player());
        std::string trace;
        for (const auto& node : floor.graph()->nodes)
            trace += node->name + " ";
        for (const Entity* e : room->entities.members())
            trace += std::to_string(e->getPosition().x) + "," + std::to_string(e->getPosition().y) + " ";
        return trace + std::to_string(log.count("Spawning "));
    };
    for (unsigned seed : {3u, 41u, 977u})
        EXPECT_EQ(play(seed), play(seed)) << "seed " << seed;
    EXPECT_NE(play(3), play(41));
}

TEST_F(FloorNavigation, OppositeDirectionsAndIconKeys)
{
    const std::vector<std::pair<int, int>> opposite = {{0, 1}, {1, 0}, {2, 3}, {3, 2}, {7, 2}, {-1, 2}};
    for (const auto& [direction, expected] : opposite)
        EXPECT_EQ(Floor::oppositeDirection(direction), expected) << direction;
    const std::vector<std::pair<int, std::string>> icons = {{0, "regular_mm"}, {1, "boss_mm"},    {2, "merchant_mm"},
                                                            {3, "elite_mm"},   {4, "heal_mm"},    {5, "soul_mm"},
                                                            {9, "regular_mm"}, {-2, "regular_mm"}};
    for (const auto& [type, key] : icons)
        EXPECT_EQ(Floor::iconKey(type), key) << type;
}

TEST_F(FloorNavigation, TheTutorialFloorIsFiveFixedRoomsEndingInADeadEnd)
{
    FakeRun run;
    Floor floor(0);
    floor.generateTutorialFloor(run.player());
    EXPECT_EQ(floor.floorIndex, TUTORIAL_FLOOR);
    ASSERT_EQ(floor.graph()->size(), 5u);
    const std::vector<std::pair<std::string, RoomType>> expected = {{"Tuto_1", ROOM_NORMAL},
                                                                    {"Tuto_2", ROOM_NORMAL},
                                                                    {"Tuto_3", ROOM_HEAL},
                                                                    {"Tuto_4", ROOM_ELITE},
                                                                    {"Tuto_5", ROOM_SHOP}};
    const OrientedNode* node = floor.graph()->root();
    for (std::size_t i = 0; i < expected.size(); ++i)
    {
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->name, expected[i].first);
        EXPECT_EQ(node->type, expected[i].second);
        const std::size_t children = i + 1 < expected.size() ? 1u : 0u;
        ASSERT_EQ(node->children.size(), children) << node->name;
        node = children ? node->children[0] : nullptr;
    }
    EXPECT_EQ(floor.room()->name, "Tuto_1");

    // Walking the tutorial by its top doors reaches the shop, whose exit leads nowhere.
    for (int step = 0; step < 4; ++step)
    {
        clearRoom(*floor.room());
        floor.moveToRoom(run.player(), DOOR_TOP);
    }
    EXPECT_EQ(floor.room()->name, "Tuto_5");
    EXPECT_EQ(firstDoor(*floor.room(), DOOR_TOP, true), nullptr);
}

TEST_F(FloorNavigation, MovingThroughADoorEntersAtTheOppositeDoor)
{
    FakeRun run;
    for (unsigned seed = 0; seed < 30; ++seed)
    {
        std::srand(seed);
        Floor floor(0);
        floor.generateFloor(run.player());
        for (int direction : {DOOR_LEFT, DOOR_TOP, DOOR_RIGHT})
        {
            const Door* door = firstDoor(*floor.room(), direction, true);
            if (!door)
                continue;
            const OrientedNode* target = door->target;
            LogCapture log;
            const int changes = run.roomChanges();
            floor.moveToRoom(run.player(), direction);
            EXPECT_EQ(run.roomChanges(), changes + 1); // the run rebuilds its lights
            EXPECT_EQ(floor.current(), target);
            EXPECT_EQ(floor.room()->name, target->name);
            const Door* entry = firstDoor(*floor.room(), Floor::oppositeDirection(direction));
            ASSERT_NE(entry, nullptr) << floor.room()->name;
            EXPECT_EQ(run.player()->getPosition(), entry->position);
            EXPECT_EQ(log.count("Current room: "), 1);
            EXPECT_EQ(log.count("Next room: "), 1);
            EXPECT_EQ(log.count("New room: "), 1);
            break;
        }
    }
}

TEST_F(FloorNavigation, ADoorWithoutTargetLeavesTheRoomAsItIs)
{
    FakeRun run;
    std::srand(3);
    Floor floor(0);
    floor.generateFloor(run.player());
    Room* before = floor.room();
    const OrientedNode* current = floor.current();
    run.movePlayer({12.f, 34.f});
    floor.moveToRoom(run.player(), DOOR_BOTTOM); // the entrance of the first room leads nowhere
    EXPECT_EQ(floor.room(), before);
    EXPECT_EQ(floor.current(), current);
    EXPECT_EQ(run.player()->getPosition(), sf::Vector2f(12.f, 34.f));
}

TEST_F(FloorNavigation, DoorsOnlyOpenInAClearedRoomAndWithinReach)
{
    writeTemplate("guarded", roomJson("guarded", 0,
                                      "\"doors\":[" + doorJson(DOOR_TOP, true, 1000, 60) + "," +
                                          doorJson(DOOR_BOTTOM, false, 1000, 940) +
                                          "],\"minEnemies\":1,\"maxEnemies\":1,\"spawners\":[{\"enemies\":[\"Zeyn\"],"
                                          "\"x\":500,\"y\":500}]"));
    RoomNameRegistry::mutableTable()[ROOM_NORMAL][0] = {"guarded"};
    RoomNameRegistry::mutableTable()[ROOM_HEAL][0] = {"guarded"};
    RoomNameRegistry::mutableTable()[ROOM_ELITE][0] = {"guarded"};
    RoomNameRegistry::mutableTable()[ROOM_SHOP][0] = {"guarded"};
    RoomNameRegistry::mutableTable()[ROOM_BOSS][0] = {"guarded"};
    FakeRun run;
    std::srand(11);
    Floor floor(0);
    floor.generateFloor(run.player());
    Room* first = floor.room();
    run.movePlayer({1000.f, 60.f + 140.f});
    EXPECT_EQ(floor.useDoor(run.player()), Floor::DoorUse::None); // an enemy still stands
    clearRoom(*first);
    run.movePlayer({1000.f, 60.f + 151.f});
    EXPECT_EQ(floor.useDoor(run.player()), Floor::DoorUse::None); // just out of reach
    run.movePlayer({1000.f, 60.f + 150.f});
    EXPECT_EQ(floor.useDoor(run.player()), Floor::DoorUse::NextRoom);
    EXPECT_NE(floor.current(), floor.graph()->root());
    EXPECT_EQ(run.player()->getPosition(), sf::Vector2f(1000.f, 940.f));
}

// From the root of the first floor, follow the doors of every cleared room to the
// boss, leave through the boss room's exit, and so on until the last boss room.
TEST_F(FloorNavigation, WalkingTheDoorsReachesEveryBossRoom)
{
    FakeRun run;
    for (unsigned seed = 0; seed < 25; ++seed)
    {
        std::srand(seed);
        Floor floor(0);
        floor.generateFloor(run.player());
        std::vector<std::string> bosses;
        for (int moves = 0; moves < 400 && bosses.size() < 3; ++moves)
        {
            Room& room = *floor.room();
            clearRoom(room);
            if (room.type == ROOM_BOSS)
            {
                bosses.push_back(room.name);
                const Door* exit = firstDoor(room, DOOR_TOP);
                ASSERT_NE(exit, nullptr) << room.name;
                const int before = floor.floorIndex;
                run.movePlayer(exit->position + sf::Vector2f(0.f, 100.f));
                const Floor::DoorUse use = floor.useDoor(run.player());
                if (before == 2)
                {
                    EXPECT_EQ(use, Floor::DoorUse::None);
                    break;
                }
                ASSERT_EQ(use, Floor::DoorUse::NextFloor);
                EXPECT_EQ(floor.floorIndex, before + 1);
                const char* prefix = floor.floorIndex == 1 ? "sf_" : "tf_";
                EXPECT_EQ(floor.room()->name.rfind(prefix, 0), 0u) << floor.room()->name;
                const Door* entry = firstDoor(*floor.room(), DOOR_BOTTOM);
                ASSERT_NE(entry, nullptr);
                EXPECT_EQ(run.player()->getPosition(), entry->position - sf::Vector2f(0.f, 50.f));
                continue;
            }
            // Any open exit will do: pick one by the seed's draws.
            std::vector<const Door*> exits;
            for (const Door& door : room.doors)
                if (door.target)
                    exits.push_back(&door);
            ASSERT_FALSE(exits.empty()) << room.name << " leads nowhere";
            const Door* exit = exits[static_cast<std::size_t>(std::rand()) % exits.size()];
            run.movePlayer(exit->position);
            ASSERT_EQ(floor.useDoor(run.player()), Floor::DoorUse::NextRoom) << room.name;
        }
        EXPECT_EQ(bosses, (std::vector<std::string>{"ff_boss", "sf_boss", "tf_boss"})) << "seed " << seed;
    }
}

TEST_F(FloorNavigation, JumpingToTheBossStandsThePlayerAtItsBottomDoor)
{
    FakeRun run;
    std::srand(5);
    Floor floor(1);
    floor.generateFloor(run.player());
    floor.jumpToBoss(run.player());
    EXPECT_EQ(floor.current(), floor.graph()->nodes.back().get());
    EXPECT_EQ(floor.room()->name, "sf_boss");
    const Door* bottom = firstDoor(*floor.room(), DOOR_BOTTOM);
    ASSERT_NE(bottom, nullptr);
    EXPECT_EQ(run.player()->getPosition(), bottom->position);
}

TEST_F(FloorNavigation, JumpingToTheShopFindsItsTraderByTheBottomDoor)
{
    FakeRun run;
    std::srand(5);
    Floor floor(0);
    floor.generateFloor(run.player());
    ASSERT_TRUE(floor.jumpToRoomOfType(run.player(), ROOM_SHOP));
    EXPECT_EQ(floor.room()->type, ROOM_SHOP);
    EXPECT_EQ(floor.room()->name, "ff_shop");
    int traders = 0;
    for (const Entity* entity : floor.room()->entities.members())
        traders += dynamic_cast<const Trader*>(entity) != nullptr;
    EXPECT_EQ(traders, 1) << "a shop room stands without its merchant";
    EXPECT_FALSE(floor.jumpToRoomOfType(run.player(), static_cast<RoomType>(42)));
}

TEST_F(FloorNavigation, RecentringPutsTheCurrentRoomInTheMiddleOfTheMap)
{
    FakeRun run;
    std::srand(9);
    Floor floor(0);
    floor.generateFloor(run.player());
    floor.mapOffset = {999.f, 999.f};
    floor.recentreMap();
    EXPECT_EQ(floor.mapOffset, floor.current()->position);
}
} // namespace

namespace
{
// The painted minimap icons are 120 px squares.
sf::Vector2f paintedIconSize(int)
{
    return {120.f, 120.f};
}

bool holds(const sf::FloatRect& outer, const sf::FloatRect& inner)
{
    constexpr float kSlack = 0.5f;
    return inner.left >= outer.left - kSlack && inner.top >= outer.top - kSlack &&
           inner.left + inner.width <= outer.left + outer.width + kSlack &&
           inner.top + inner.height <= outer.top + outer.height + kSlack;
}

std::string describe(const sf::FloatRect& r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.width) + " x " +
           std::to_string(r.height) + ")";
}

// The parchment inside its rim, as the run draws it.
const sf::FloatRect kParchment(270.f, 150.f, 1380.f, 780.f);

TEST_F(FloorNavigation, TheMinimapShowsEveryFloorInsideTheParchment)
{
    FakeRun run;
    for (int floorIndex = 0; floorIndex < 3; ++floorIndex)
        for (unsigned seed = 0; seed < 20; ++seed)
        {
            SCOPED_TRACE("floor " + std::to_string(floorIndex) + ", seed " + std::to_string(seed));
            std::srand(seed);
            LogCapture quiet;
            Floor floor(floorIndex);
            floor.generateFloor(run.player());
            floor.recentreMap();
            const Floor::MapView view = floor.mapView(kParchment, paintedIconSize);
            const std::vector<Floor::MapPiece> pieces = floor.mapPieces(paintedIconSize);
            ASSERT_FALSE(pieces.empty());
            if (view.fits)
            {
                for (const Floor::MapPiece& piece : pieces)
                    EXPECT_TRUE(holds(kParchment, view.toArea(piece.box)))
                        << (piece.kind == Floor::MapPiece::ICON ? "icon " : "line ")
                        << describe(view.toArea(piece.box));
                // The floor uses the parchment: it spans its width or its height.
                const sf::FloatRect shown = view.toArea(view.graph);
                EXPECT_TRUE(shown.width > 0.95f * kParchment.width || shown.height > 0.95f * kParchment.height ||
                            view.scale == Floor::kMaxMapScale)
                    << "the floor fills only " << describe(shown);
                continue;
            }
            // Too large to fit: the current room is in view when the map opens, and no
            // drag, however far, leaves the parchment without the floor under it.
            EXPECT_GE(view.scale, Floor::kMinMapScale);
            for (const Floor::MapPiece& piece : pieces)
                if (piece.kind == Floor::MapPiece::ICON && piece.node == floor.current())
                {
                    EXPECT_TRUE(holds(kParchment, view.toArea(piece.box))) << describe(view.toArea(piece.box));
                }
            for (sf::Vector2f drag : {sf::Vector2f(1e5f, 1e5f), sf::Vector2f(-1e5f, -1e5f)})
            {
                floor.dragMap(drag, kParchment);
                const Floor::MapView dragged = floor.mapView(kParchment, paintedIconSize);
                const sf::FloatRect shown = dragged.toArea(dragged.graph);
                // Along each axis the floor covers the parchment, or lies whole on it.
                const sf::FloatRect across(shown.left, kParchment.top, shown.width, kParchment.height);
                const sf::FloatRect down(kParchment.left, shown.top, kParchment.width, shown.height);
                EXPECT_TRUE(shown.width > kParchment.width ? holds(across, kParchment) : holds(kParchment, across))
                    << "dragged off to " << describe(shown);
                EXPECT_TRUE(shown.height > kParchment.height ? holds(down, kParchment) : holds(kParchment, down))
                    << "dragged off to " << describe(shown);
            }
        }
}

TEST_F(FloorNavigation, TheExitPreviewKeepsItsLayoutAndNeverCoversThePlayer)
{
    FakeRun run;
    int previews = 0;
    for (int floorIndex = 0; floorIndex < 3; ++floorIndex)
        for (unsigned seed = 0; seed < 20; ++seed)
        {
            std::srand(seed);
            LogCapture quiet;
            Floor floor(floorIndex);
            floor.generateFloor(run.player());
            for (const Door& door : floor.room()->doors)
            {
                if (!door.target)
                    continue;
                // The player anywhere within reach of the door, at every zoom.
                for (float zoom : {0.5f, 1.f, 1.66f})
                    for (float radius : {0.f, 70.f, 145.f})
                        for (int step = 0; step < 12; ++step)
                        {
                            const float a = static_cast<float>(step) * 3.14159265f / 6.f;
                            Camera camera;
                            camera.zoom = zoom;
                            camera.centre = door.position + radius * sf::Vector2f(std::cos(a), std::sin(a));
                            // The largest frame the player shows, and the key cap over his head.
                            const sf::Vector2f s = camera.toScreen(camera.centre);
                            const sf::FloatRect player(s.x - 93.f * zoom, std::min(s.y - 86.f * zoom, s.y - 124.f),
                                                       186.f * zoom, 0.f);
                            const sf::FloatRect clear(player.left, player.top, player.width,
                                                      s.y + 86.f * zoom - player.top);
                            const auto plain = floor.exitPreviewPieces(camera, door, {}, paintedIconSize);
                            const auto lifted = floor.exitPreviewPieces(camera, door, clear, paintedIconSize);
                            ASSERT_EQ(plain.size(), lifted.size());
                            ASSERT_FALSE(lifted.empty());
                            const sf::Vector2f shift = lifted.front().at - plain.front().at;
                            EXPECT_LE(shift.y, 0.f) << "the preview is lifted, never lowered";
                            for (std::size_t i = 0; i < lifted.size(); ++i)
                            {
                                EXPECT_FALSE(lifted[i].box.intersects(clear))
                                    << "seed " << seed << ": " << describe(lifted[i].box) << " over the player "
                                    << describe(clear);
                                const sf::Vector2f moved = lifted[i].at - plain[i].at;
                                EXPECT_NEAR(moved.x, shift.x, 1e-3f) << "the preview's layout changed";
                                EXPECT_NEAR(moved.y, shift.y, 1e-3f) << "the preview's layout changed";
                            }
                            ++previews;
                        }
            }
        }
    EXPECT_GT(previews, 1000);
}
} // namespace
