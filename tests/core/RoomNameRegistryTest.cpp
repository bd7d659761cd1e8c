#include "core/RoomNameRegistry.h"

#include <gtest/gtest.h>

TEST(RoomNameRegistry, ListsEveryTemplateInOrder)
{
    RoomNameRegistry::fill();
    EXPECT_EQ(RoomNameRegistry::names(ROOM_NORMAL, 1),
              (std::vector<std::string>{"sf_norm1", "sf_norm2", "sf_norm3", "sf_norm4", "sf_norm5", "sf_norm6"}));
    EXPECT_EQ(RoomNameRegistry::names(ROOM_NORMAL, TUTORIAL_FLOOR), (std::vector<std::string>{"Tuto_1", "Tuto_2"}));
    EXPECT_EQ(RoomNameRegistry::names(ROOM_BOSS, 2), (std::vector<std::string>{"tf_boss"}));
    EXPECT_EQ(RoomNameRegistry::names(ROOM_SOUL, 0), (std::vector<std::string>{"ff_soul"}));
    EXPECT_EQ(RoomNameRegistry::names(ROOM_SHOP, TUTORIAL_FLOOR), (std::vector<std::string>{"Tuto_5"}));
    EXPECT_EQ(RoomNameRegistry::names(ROOM_ELITE, TUTORIAL_FLOOR), (std::vector<std::string>{"Tuto_4"}));
    EXPECT_EQ(RoomNameRegistry::names(ROOM_HEAL, TUTORIAL_FLOOR), (std::vector<std::string>{"Tuto_3"}));
}

TEST(RoomNameRegistry, PairsWithoutRoomsAreEmpty)
{
    RoomNameRegistry::fill();
    EXPECT_TRUE(RoomNameRegistry::names(ROOM_SOUL, 2).empty());
    EXPECT_TRUE(RoomNameRegistry::names(ROOM_BOSS, TUTORIAL_FLOOR).empty());
    EXPECT_TRUE(RoomNameRegistry::names(ROOM_SOUL, TUTORIAL_FLOOR).empty());
    EXPECT_TRUE(RoomNameRegistry::names(42, 0).empty());
    // A failed lookup must not create entries.
    EXPECT_EQ(RoomNameRegistry::table().count(42), 0u);
}
