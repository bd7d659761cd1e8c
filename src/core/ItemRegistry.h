#pragma once

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
};
