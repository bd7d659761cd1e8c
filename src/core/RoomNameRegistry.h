#pragma once

#include <map>
#include <string>
#include <vector>

enum RoomType
{
    ROOM_NORMAL = 0,
    ROOM_BOSS = 1,
    ROOM_SHOP = 2,
    ROOM_ELITE = 3,
    ROOM_HEAL = 4,
    ROOM_SOUL = 5,
};

constexpr int TUTORIAL_FLOOR = 96;

// Room template names by room type and floor index; the floor generator picks
// names from here. A (type, floor) pair without rooms yields an empty list.
class RoomNameRegistry
{
public:
    using Table = std::map<int, std::map<int, std::vector<std::string>>>;

    static void fill();
    static const std::vector<std::string>& names(int type, int floor);
    static const Table& table();
    static Table& mutableTable();
};
