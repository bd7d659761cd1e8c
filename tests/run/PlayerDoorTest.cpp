#include "run/Player.h"

#include "core/RoomNameRegistry.h"
#include "creatures/Enemy.h"
#include "creatures/EnemyFactory.h"
#include "support/PlayerRun.h"
#include "world/Graph.h"
#include "world/OrientedNode.h"
#include "world/PropRegistry.h"
#include "world/RoomFile.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
// A real floor of the shipped room templates around the player; no creature kinds
// are registered, so every room is already cleared.
class PlayerDoors : public PlayerFixture
{
protected:
    void SetUp() override
    {
        PlayerFixture::SetUp();
        RoomNameRegistry::fill();
        PropRegistry::registerProps();
        WaterRegistry::registerPuddles();
        WallRegistry::registerWalls();
        EnemyFactory::reset();
    }
    void TearDown() override
    {
        PlayerFixture::TearDown();
        PropRegistry::clear();
        WaterRegistry::clear();
        WallRegistry::clear();
    }
    void newFloor(unsigned seed)
    {
        std::srand(seed);
        run->liveFloor = std::make_unique<Floor>(0);
        run->liveFloor->generateFloor(player.get());
        run->roomChanges = 0;
    }
    static const Door* firstDoor(const Room& room, int direction)
    {
        for (const Door& door : room.doors)
            if (door.direction == direction)
                return &door;
        return nullptr;
    }
};
} // namespace

TEST_F(PlayerDoors, ControlBThenEAtTheBossExitGoesDownAFloorFiftyPixelsInside)
{
    for (unsigned seed = 1; seed <= 4; ++seed)
    {
        SCOPED_TRACE("seed " + std::to_string(seed));
        newFloor(seed);

        player->handleEvent(keyPress(sf::Keyboard::B));
        EXPECT_EQ(run->roomChanges, 0) << "B without Control jumped";
        player->handleEvent(keyPress(sf::Keyboard::B, true));
        Room& boss = *run->room();
        ASSERT_EQ(boss.name, "ff_boss");
        EXPECT_EQ(run->roomChanges, 1) << "the run must hear of the new room exactly once";
        const Door* bottom = firstDoor(boss, DOOR_BOTTOM);
        ASSERT_NE(bottom, nullptr);
        EXPECT_EQ(player->getPosition(), bottom->position);

        const Door* exit = firstDoor(boss, DOOR_TOP);
        ASSERT_NE(exit, nullptr);
        place(exit->position + sf::Vector2f(0.f, 120.f));
        frames(1, 0.f);
        EXPECT_TRUE(player->nearExit);

        player->handleEvent(keyPress(sf::Keyboard::E));
        EXPECT_EQ(run->liveFloor->floorIndex, 1);
        const Room& next = *run->room();
        EXPECT_EQ(next.name.rfind("sf_", 0), 0u) << next.name;
        const Door* entry = firstDoor(next, DOOR_BOTTOM);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(player->getPosition(), entry->position - sf::Vector2f(0.f, 50.f));
        EXPECT_EQ(run->roomChanges, 2);
    }
}

TEST_F(PlayerDoors, ADoorOpensOnlyOnceTheRoomIsClearedAndItsReachIsTheDoorsNotTheMouse)
{
    newFloor(3);
    Room& first = *run->room();
    const Door* exit = nullptr;
    for (const Door& door : first.doors)
        if (door.target)
            exit = &door;
    ASSERT_NE(exit, nullptr);
    const sf::Vector2f doorway = exit->position;

    auto* guard = static_cast<Enemy*>(first.addEntity(std::make_unique<Enemy>()));
    guard->health = 10.f;
    first.entities.settle();
    place(doorway);
    player->handleEvent(keyPress(sf::Keyboard::E));
    EXPECT_EQ(run->room(), &first) << "left a room with a living enemy";
    EXPECT_EQ(run->roomChanges, 0);

    guard->health = 0.f;
    place(doorway + sf::Vector2f(0.f, 160.f));
    player->handleEvent(keyPress(sf::Keyboard::E));
    EXPECT_EQ(run->roomChanges, 0) << "opened a door 160 px away";

    place(doorway);
    player->handleEvent(keyPress(sf::Keyboard::E));
    EXPECT_EQ(run->roomChanges, 1);
    EXPECT_NE(run->liveFloor->current(), run->liveFloor->graph()->nodes.front().get());
}

// Entering a room puts the player at the door he comes in by (or 50 px inside it on a
// new floor). Standing there in any idle or walking frame, he must be clear of every
// gate of the room: a gate is painted at most 260 px across and 0.62 of that deep,
// centred on the door position plus its sprite offset.
TEST(PlayerDoorEntry, EveryEntryPositionIsClearOfEveryGatePicture)
{
    RoomNameRegistry::fill();
    constexpr float kGateAcross = 260.f, kGateDeep = 260.f * 0.62f + 1.f;
    sf::Vector2f frame(0.f, 0.f);
    for (const Player::SheetLayout& sheet : Player::kSheets)
        if (std::string(sheet.action) == "idle" || std::string(sheet.action) == "walk")
            frame = {std::max(frame.x, float(sheet.frameWidth)), std::max(frame.y, float(sheet.frameHeight))};
    for (const auto& [type, floors] : RoomNameRegistry::table())
        for (const auto& [floor, names] : floors)
            for (const std::string& name : names)
            {
                SCOPED_TRACE(name);
                const RoomFile room = RoomFile::load(RoomFile::pathFor(name));
                std::vector<sf::FloatRect> gates;
                for (const DoorRecord& d : room.doors)
                {
                    const bool sideways = d.direction == DOOR_LEFT || d.direction == DOOR_RIGHT;
                    const sf::Vector2f size = sideways ? sf::Vector2f(kGateDeep, kGateAcross)
                                                       : sf::Vector2f(kGateAcross, kGateDeep);
                    gates.emplace_back(d.position + d.spriteDelta - size / 2.f, size);
                }
                for (const DoorRecord& d : room.doors)
                {
                    const sf::Vector2f inward = d.direction == DOOR_LEFT    ? sf::Vector2f(50.f, 0.f)
                                                : d.direction == DOOR_RIGHT ? sf::Vector2f(-50.f, 0.f)
                                                : d.direction == DOOR_TOP   ? sf::Vector2f(0.f, 50.f)
                                                                            : sf::Vector2f(0.f, -50.f);
                    for (const sf::Vector2f at : {d.position, d.position + inward})
                    {
                        const sf::FloatRect body(at - frame / 2.f, frame);
                        for (std::size_t g = 0; g < gates.size(); ++g)
                            EXPECT_FALSE(body.intersects(gates[g]))
                                << "entering at door " << d.direction << " (" << at.x << ", " << at.y
                                << ") puts the player inside gate " << room.doors[g].direction;
                    }
                }
            }
}
