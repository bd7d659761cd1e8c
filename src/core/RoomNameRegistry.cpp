#include "core/RoomNameRegistry.h"

namespace
{
RoomNameRegistry::Table& registry()
{
    static auto* instance = new RoomNameRegistry::Table();
    return *instance;
}

std::vector<std::string> numbered(const std::string& prefix, int count)
{
    std::vector<std::string> result;
    for (int i = 1; i <= count; ++i)
        result.push_back(prefix + std::to_string(i));
    return result;
}
} // namespace

void RoomNameRegistry::fill()
{
    Table& t = registry();
    t.clear();
    const char* floors[] = {"ff_", "sf_", "tf_"};
    for (int floor = 0; floor < 3; ++floor)
    {
        const std::string p = floors[floor];
        t[ROOM_NORMAL][floor] = numbered(p + "norm", 6);
        t[ROOM_BOSS][floor] = {p + "boss"};
        t[ROOM_SHOP][floor] = {p + "shop"};
        t[ROOM_ELITE][floor] = {p + "elite"};
        t[ROOM_HEAL][floor] = {p + "heal"};
        if (floor < 2)
            t[ROOM_SOUL][floor] = {p + "soul"};
    }
    t[ROOM_NORMAL][TUTORIAL_FLOOR] = {"Tuto_1", "Tuto_2"};
    t[ROOM_SHOP][TUTORIAL_FLOOR] = {"Tuto_5"};
    t[ROOM_ELITE][TUTORIAL_FLOOR] = {"Tuto_4"};
    t[ROOM_HEAL][TUTORIAL_FLOOR] = {"Tuto_3"};
}

const std::vector<std::string>& RoomNameRegistry::names(int type, int floor)
{
    static const std::vector<std::string> empty;
    const Table& t = registry();
    auto byType = t.find(type);
    if (byType == t.end())
        return empty;
    auto byFloor = byType->second.find(floor);
    return byFloor == byType->second.end() ? empty : byFloor->second;
}

const RoomNameRegistry::Table& RoomNameRegistry::table() { return registry(); }
RoomNameRegistry::Table& RoomNameRegistry::mutableTable() { return registry(); }
