#pragma once

#include "core/TextureManager.h"

#include <memory>
#include <string>
#include <vector>

class Item;

// The process-wide registry of the fixed items (materials and the gold coin), by
// display name. A run registers them once; tests fill or reset it directly.
class ItemRegistry
{
public:
    // Creates the eighteen items of the game anew (a name then maps to the new item).
    static void registerItems();
    static void add(std::shared_ptr<Item> item);
    // Null for a name that is not registered.
    static std::shared_ptr<Item> find(const std::string& name);
    static std::vector<std::string> names();
    static void clear();

    // The texture key of every icon an item can show: the eighteen items' and the
    // five artefact gems'. Each is "Assets/Sprites/Items/" + key + ".png".
    static std::vector<std::string> iconKeys();
    static std::string iconFile(const std::string& key) { return "Assets/Sprites/Items/" + key + ".png"; }
    static std::unique_ptr<TextureManager::Group> iconGroup();
};
