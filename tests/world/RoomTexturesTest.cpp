// The rooms' texture groups are built from the templates: every picture a
// template names, one door picture per door direction, and the files they load.
#include "world/RoomTextures.h"

#include "core/RoomNameRegistry.h"
#include "support/TestSupport.h"
#include "world/RoomFile.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace
{
class RoomTexturesTest : public ::testing::Test
{
protected:
    void SetUp() override { RoomNameRegistry::fill(); }
    void TearDown() override { RoomNameRegistry::fill(); }
};

TEST_F(RoomTexturesTest, KeysLoadFromTheirFloorsFolders)
{
    const auto run = RoomTextures::roomGroup()->flatten();
    const auto tutorial = RoomTextures::tutorialRoomGroup()->flatten();
    struct Case
    {
        const std::map<std::string, std::string>* group;
        const char* key;
        const char* file;
    };
    const Case cases[] = {
        {&run, "ff_norm1", "Assets/Sprites/Rooms/FirstFloor/ff_norm1.png"},
        // The merchant's picture keeps its own file name.
        {&run, "ff_shop", "Assets/Sprites/Rooms/FirstFloor/ff_merchant.png"},
        {&run, "sf_norm1_bad", "Assets/Sprites/Rooms/SecondFloor/sf_norm1_bad.png"},
        {&run, "tf_boss_good", "Assets/Sprites/Rooms/ThirdFloor/tf_boss_good.png"},
        {&run, "ff_norm1_2", "Assets/Sprites/Rooms/FirstFloor/Doors/ff_norm1_2.png"},
        {&run, "tf_elite_0", "Assets/Sprites/Rooms/ThirdFloor/Doors/tf_elite_0.png"},
        {&run, "mask", "Assets/Sprites/Rooms/FirstFloor/mask.png"},
        {&tutorial, "Tuto_3", "Assets/Sprites/Rooms/Tutorial/Tuto_3.png"},
        {&tutorial, "Tuto_5_3", "Assets/Sprites/Rooms/Tutorial/Doors/Tuto_5_3.png"},
        {&tutorial, "mask", "Assets/Sprites/Rooms/FirstFloor/mask.png"},
    };
    for (const Case& c : cases)
    {
        auto it = c.group->find(c.key);
        ASSERT_NE(it, c.group->end()) << c.key << " is missing";
        EXPECT_EQ(it->second, c.file) << c.key;
    }
    // The run holds all three floors at once: the tutorial's pictures stay out of it.
    EXPECT_EQ(run.count("Tuto_1"), 0u);
    EXPECT_EQ(tutorial.count("ff_norm1"), 0u);
}

// What the room draws must be loaded: the picture for any karma, and the door
// picture of every door in the file.
TEST_F(RoomTexturesTest, EveryPictureAndDoorATemplateUsesIsInItsGroup)
{
    for (const auto& [floors, group] :
         {std::pair{std::vector<int>{0, 1, 2}, RoomTextures::roomGroup()->flatten()},
          std::pair{std::vector<int>{TUTORIAL_FLOOR}, RoomTextures::tutorialRoomGroup()->flatten()}})
        for (int floor : floors)
            for (const auto& [type, byFloor] : RoomNameRegistry::table())
            {
                auto names = byFloor.find(floor);
                if (names == byFloor.end())
                    continue;
                for (const std::string& name : names->second)
                {
                    const RoomFile room = RoomFile::load(RoomFile::pathFor(name));
                    for (const std::string& key : {room.texture, room.evilTexture, room.goodTexture})
                        if (!key.empty())
                            EXPECT_EQ(group.count(key), 1u) << name << " names picture " << key;
                    for (const DoorRecord& door : room.doors)
                        EXPECT_EQ(group.count(name + "_" + std::to_string(door.direction)), 1u)
                            << name << " door " << door.direction;
                }
            }
}

// The main menu builds these groups: a template it cannot read must not take the
// menu down (the room itself reports it when built).
TEST_F(RoomTexturesTest, AnUnreadableTemplateIsLoggedAndLeftOut)
{
    RoomNameRegistry::mutableTable()[ROOM_NORMAL][0].push_back("no_such_room");
    LogCapture log;
    std::map<std::string, std::string> keys;
    ASSERT_NO_THROW(keys = RoomTextures::roomGroup()->flatten());
    EXPECT_GE(log.count("Assets/Rooms/no_such_room.json"), 1) << log.text();
    EXPECT_EQ(keys.count("no_such_room"), 0u);
    EXPECT_EQ(keys.count("ff_norm1"), 1u);
}

TEST_F(RoomTexturesTest, MinimapHasAnIconForEveryRoomTypeAndTheLinePieces)
{
    const auto keys = RoomTextures::minimapGroup()->flatten();
    for (const char* key : {"boss_mm", "merchant_mm", "elite_mm", "heal_mm", "soul_mm", "regular_mm", "lineL", "lineM",
                            "lineR", "background_mm"})
    {
        auto it = keys.find(key);
        ASSERT_NE(it, keys.end()) << key;
        EXPECT_EQ(it->second, std::string("Assets/Sprites/Minimap/") + key + ".png");
    }
}
} // namespace
