#include "world/WallRegistry.h"

#include "core/KeyedRegistry.h"
#include "core/Logger.h"
#include "core/RoomNameRegistry.h"
#include "world/Wall.h"

namespace
{
KeyedRegistry<Wall>& registry()
{
    static auto* instance = new KeyedRegistry<Wall>();
    return *instance;
}
} // namespace

const std::vector<std::string>& WallRegistry::singleWallNames()
{
    static const std::vector<std::string> names{
        "ff_norm1_wall",   "ff_norm2_wall",   "ff_norm4_wall_1", "ff_norm4_wall_2", "ff_norm5_wall_1",
        "ff_norm5_wall_2", "ff_elite_wall_1", "ff_elite_wall_2", "sf_heal_wall_1",  "sf_heal_wall_2",
        "tf_boss_wall_1",  "tf_boss_wall_2",  "tf_elite_wall_1", "tf_elite_wall_2", "tf_elite_wall_3",
        "tf_heal_wall_1",  "tf_heal_wall_2",  "tf_norm1_wall",   "tf_norm2_wall_1", "tf_norm2_wall_2",
        "tf_norm3_wall",   "tf_norm6_wall",   "tf_shop_wall"};
    return names;
}

const std::vector<std::string>& WallRegistry::karmaWallNames()
{
    static const std::vector<std::string> names{"sf_norm1_wall",   "sf_norm2_wall",   "sf_norm6_wall",
                                                "sf_elite_wall_1", "sf_elite_wall_2", "sf_norm5_wall_1",
                                                "sf_norm5_wall_2"};
    return names;
}

std::string WallRegistry::textureFile(const std::string& key)
{
    std::string stem = key;
    const std::string marker = "_wall";
    const auto at = stem.find(marker);
    if (at != std::string::npos)
        stem.erase(at, marker.size());
    return "Assets/Sprites/Walls/" + stem + ".png";
}

void WallRegistry::registerWalls()
{
    for (const std::string& name : singleWallNames())
        add(name, std::make_unique<Wall>(name, name));
    for (const std::string& name : karmaWallNames())
        add(name, std::make_unique<Wall>(name + "_e", name + "_g"));
}

void WallRegistry::add(const std::string& name, std::unique_ptr<Wall> prototype)
{
    if (prototype)
        registry().put(name, std::move(prototype));
    else
        registry().erase(name);
}

const Wall* WallRegistry::find(const std::string& name)
{
    if (const Wall* prototype = registry().get(name))
        return prototype;
    Logger::Error("Wall with name " + name + " not found");
    return nullptr;
}

std::unique_ptr<Wall> WallRegistry::cloneOf(const std::string& name)
{
    const Wall* prototype = find(name);
    return prototype ? prototype->clone() : nullptr;
}

std::vector<std::string> WallRegistry::registeredNames() { return registry().keys(); }

void WallRegistry::clear() { registry().clear(); }

std::unique_ptr<TextureManager::Group> WallRegistry::textureGroup()
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const std::string& name : singleWallNames())
        group->add(name, textureFile(name));
    for (const std::string& name : karmaWallNames())
        for (const char* side : {"_e", "_g"})
            group->add(name + side, textureFile(name + side));
    return group;
}

std::unique_ptr<TextureManager::Group> WallRegistry::wallMaskGroup()
{
    // The room names are a fixed set; fill them if nothing has yet (the content generator).
    if (RoomNameRegistry::table().empty())
        RoomNameRegistry::fill();
    auto group = std::make_unique<TextureManager::Group>();
    for (const auto& [type, byFloor] : RoomNameRegistry::table())
    {
        auto floor = byFloor.find(0);
        if (floor == byFloor.end())
            continue;
        for (const std::string& room : floor->second)
            group->add(room + "_wall_mask", "Assets/Sprites/Masks/Wall/" + room + ".png");
    }
    return group;
}
