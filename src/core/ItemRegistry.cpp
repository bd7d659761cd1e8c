#include "core/ItemRegistry.h"

#include "core/Artefact.h"
#include "core/Item.h"

#include <map>
#include <mutex>

namespace
{
struct Registry
{
    std::mutex mutex;
    std::map<std::string, std::shared_ptr<Item>> items;
};

Registry& registry()
{
    static auto* instance = new Registry();
    return *instance;
}

struct ItemRow
{
    const char* key;
    const char* name;
    int stack;
    int value;
    const char* description;
};

const ItemRow kItems[] = {
    {"bell", "Bell", 10, 20, "Dropped by Toatao, the sound from it is feared by all."},
    {"cloth_piece", "Cloth Piece", 30, 3, "Small piece of cloth, it stinks."},
    {"demon_eye", "Demon Eye", 10, 7, "Those who have looked in it felt their soul leaving their body."},
    {"devil_tail", "Devil Tail", 6, 2, "Has a devilish look and smells of rotting flesh."},
    {"gold_coin", "Gold Coin", 200, 0, "The symbol of wealth and power."},
    {"halo_piece", "Halo Piece", 5, 8, "Looks like a broken piece of an angel halo."},
    {"magmatic_rock", "Magmatic Rock", 12, 3, "Apparently it have the heat of an eruption."},
    {"stone_brain", "Stone Brain", 4, 12, "Should be the brain of those magmatic creatures."},
    {"tooth", "Tooth", 24, 20, "Dropped by Nepturath, it has lost its original glow."},
    {"wooden_horn", "Wooden Horn", 10, 3, "It is not an normal piece of wood."},
    {"blue_feather", "Blue Feather", 4, 20, "Dropped by Dark Hulant, it is the weightless thing you ever carried."},
    {"angel_blood_vial", "Angel Blood", 16, 50, "Mysterious liquid in a glass vial."},
    {"blue_mushroom_shard", "Blue Mushroom Piece", 15, 3,
     "A piece of bouncy material, might deminish your body size if eaten."},
    {"demon_blood_vial", "Demon Blood", 16, 50, "Mysterious liquid in a glass vial."},
    {"leaf", "Leaf", 26, 11, "Most normal thing to see inside a tree."},
    {"red_mushroom_shard", "Red Mushroom Piece", 15, 3,
     "A piece of bouncy material, might increase your body size if eaten."},
    {"tentacle", "Tentacle", 6, 23, "You do not want to know what people think of doing with this thing."},
    {"thorns_crown", "Thorns Crown", 4, 8, "Looks like a painful crown."},
};
} // namespace

void ItemRegistry::registerItems()
{
    for (const ItemRow& row : kItems)
    {
        const Item::Kind kind = std::string(row.name) == "Gold Coin" ? Item::GOLD : Item::MATERIAL;
        add(std::make_shared<Item>(row.name, kind, row.stack, row.value, row.description, row.key));
    }
}

void ItemRegistry::add(std::shared_ptr<Item> item)
{
    std::lock_guard lock(registry().mutex);
    registry().items[item->name] = std::move(item);
}

std::shared_ptr<Item> ItemRegistry::find(const std::string& name)
{
    std::lock_guard lock(registry().mutex);
    auto it = registry().items.find(name);
    return it == registry().items.end() ? nullptr : it->second;
}

std::vector<std::string> ItemRegistry::names()
{
    std::lock_guard lock(registry().mutex);
    std::vector<std::string> result;
    for (const auto& [name, item] : registry().items)
        result.push_back(name);
    return result;
}

void ItemRegistry::clear()
{
    std::lock_guard lock(registry().mutex);
    registry().items.clear();
}

std::vector<std::string> ItemRegistry::iconKeys()
{
    std::vector<std::string> keys;
    for (const ItemRow& row : kItems)
        keys.emplace_back(row.key);
    for (const char* gem : Artefact::kIconKeys)
        keys.emplace_back(gem);
    return keys;
}

std::unique_ptr<TextureManager::Group> ItemRegistry::iconGroup()
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const std::string& key : iconKeys())
        group->add(key, iconFile(key));
    return group;
}
