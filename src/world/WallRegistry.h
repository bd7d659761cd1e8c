#pragma once

#include "core/TextureManager.h"

#include <memory>
#include <string>
#include <vector>

class Wall;

// The process-wide prototypes of the free-standing walls, by name: single-picture
// walls and karma walls (an "_e" demonic and a "_g" angelic picture). Filled once
// per run or editor session; tests fill or reset it.
class WallRegistry
{
public:
    static const std::vector<std::string>& singleWallNames();
    static const std::vector<std::string>& karmaWallNames();
    // "tf_norm2_wall_1" -> "Assets/Sprites/Walls/tf_norm2_1.png"; a karma side keeps its suffix.
    static std::string textureFile(const std::string& key);

    static void registerWalls();
    static void add(const std::string& name, std::unique_ptr<Wall> prototype);
    // The prototype, or null (logged at Error) for an unknown name.
    static const Wall* find(const std::string& name);
    static std::unique_ptr<Wall> cloneOf(const std::string& name);
    static std::vector<std::string> registeredNames();
    static void clear();

    // Every wall picture, karma sides included.
    static std::unique_ptr<TextureManager::Group> textureGroup();
    // The first floor's wall masks, keyed room name + "_wall_mask": white where the
    // room picture shows wall, so ground decals can stay off the walls.
    static std::unique_ptr<TextureManager::Group> wallMaskGroup();
};
