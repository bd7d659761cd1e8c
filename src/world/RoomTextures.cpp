#include "world/RoomTextures.h"

#include "core/Logger.h"
#include "core/RoomNameRegistry.h"
#include "world/RoomFile.h"

#include <set>
#include <stdexcept>

namespace
{
// The merchant's room kept the picture's older name.
std::string pictureFile(const std::string& folder, const std::string& key)
{
    if (key == "ff_shop")
        return folder + "ff_merchant.png";
    return folder + key + ".png";
}

// Registered room names of a floor, in registry order (by type, then list order).
std::vector<std::string> roomsOf(int floor)
{
    if (RoomNameRegistry::table().empty())
        RoomNameRegistry::fill();
    std::vector<std::string> names;
    for (const auto& [type, byFloor] : RoomNameRegistry::table())
    {
        auto it = byFloor.find(floor);
        if (it != byFloor.end())
            names.insert(names.end(), it->second.begin(), it->second.end());
    }
    return names;
}

template <typename Visit>
void forEachTemplate(const std::vector<int>& floors, Visit visit)
{
    for (int floor : floors)
        for (const std::string& name : roomsOf(floor))
        {
            const std::string path = RoomFile::pathFor(name);
            try
            {
                visit(floor, name, RoomFile::load(path));
            }
            catch (const std::exception& error)
            {
                Logger::Error("Room pictures of " + path + " left out: " + error.what());
            }
        }
}
} // namespace

std::string RoomTextures::floorFolder(int floor)
{
    switch (floor)
    {
    case 0:
        return "Assets/Sprites/Rooms/FirstFloor/";
    case 1:
        return "Assets/Sprites/Rooms/SecondFloor/";
    case 2:
        return "Assets/Sprites/Rooms/ThirdFloor/";
    default:
        return "Assets/Sprites/Rooms/Tutorial/";
    }
}

std::vector<RoomTextures::Picture> RoomTextures::pictures(const std::vector<int>& floors)
{
    std::vector<Picture> result;
    std::set<std::string> seen;
    forEachTemplate(floors, [&](int floor, const std::string& name, const RoomFile& room) {
        const std::string folder = floorFolder(floor);
        const std::pair<const std::string*, const char*> named[] = {
            {&room.texture, ""}, {&room.evilTexture, "bad"}, {&room.goodTexture, "good"}};
        for (const auto& [key, variant] : named)
            if (!key->empty() && seen.insert(*key).second)
                result.push_back({*key, pictureFile(folder, *key), name, variant});
    });
    return result;
}

std::vector<RoomTextures::DoorPicture> RoomTextures::doorPictures(const std::vector<int>& floors)
{
    std::vector<DoorPicture> result;
    forEachTemplate(floors, [&](int floor, const std::string& name, const RoomFile& room) {
        std::set<int> directions;
        for (const DoorRecord& door : room.doors)
            if (door.direction >= DOOR_LEFT && door.direction <= DOOR_BOTTOM)
                directions.insert(door.direction);
        for (int direction : directions)
        {
            const std::string key = name + "_" + std::to_string(direction);
            result.push_back({key, floorFolder(floor) + "Doors/" + key + ".png", name, direction});
        }
    });
    return result;
}

std::unique_ptr<TextureManager::Group> RoomTextures::groupFor(const std::vector<int>& floors)
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const Picture& picture : pictures(floors))
        group->add(picture.key, picture.file);
    for (const DoorPicture& door : doorPictures(floors))
        group->add(door.key, door.file);
    group->add(kMaskKey, kMaskFile);
    return group;
}

std::unique_ptr<TextureManager::Group> RoomTextures::roomGroup() { return groupFor({0, 1, 2}); }

std::unique_ptr<TextureManager::Group> RoomTextures::tutorialRoomGroup() { return groupFor({TUTORIAL_FLOOR}); }

const std::vector<std::string>& RoomTextures::minimapKeys()
{
    // "current_mm" rings the room the player stands in.
    static const std::vector<std::string> keys = {"boss_mm", "merchant_mm", "elite_mm", "heal_mm",
                                                  "soul_mm", "regular_mm",  "lineL",    "lineM",
                                                  "lineR",   "background_mm", "current_mm"};
    return keys;
}

std::unique_ptr<TextureManager::Group> RoomTextures::minimapGroup()
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const std::string& key : minimapKeys())
        group->add(key, "Assets/Sprites/Minimap/" + key + ".png");
    return group;
}
