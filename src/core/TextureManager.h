#pragma once

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <map>
#include <memory>
#include <string>
#include <vector>

// Bits choosing a sprite's origin: per axis the lowest set bit wins, and an axis
// with no bit keeps its origin coordinate.
enum OriginFlags : unsigned
{
    ORIGIN_LEFT = 0x01,
    ORIGIN_CENTER_X = 0x02,
    ORIGIN_RIGHT = 0x04,
    ORIGIN_TOP = 0x08,
    ORIGIN_CENTER_Y = 0x10,
    ORIGIN_BOTTOM = 0x20,
    ORIGIN_CENTER = ORIGIN_CENTER_X | ORIGIN_CENTER_Y,  // 18
    ORIGIN_TOP_LEFT = ORIGIN_LEFT | ORIGIN_TOP,         // 9
    ORIGIN_BOTTOM_LEFT = ORIGIN_LEFT | ORIGIN_BOTTOM,   // 33
};

// The origin that `flags` give a rectangle of `size`, starting from `current`.
sf::Vector2f originFromFlags(unsigned flags, sf::Vector2f size, sf::Vector2f current = {0.f, 0.f});

// The process-wide texture registry: textures by string key. Drawing code asks it
// for sprites by key; files are named only in Groups, the unit in which a screen's
// textures are loaded (on loader threads) and unloaded (when the screen goes).
// Safe for loader threads inserting while the main thread reads.
class TextureManager
{
public:
    class Group;

    // Loads the file and registers it under `key`, reloading a key already present.
    // Throws std::runtime_error("Failed to load texture: " + path) on failure.
    static void loadTexture(const std::string& key, const std::string& path);
    static sf::Texture* getTexture(const std::string& key);
    static sf::Sprite getSprite(const std::string& key, unsigned originFlags = 0);
    static void unloadTexture(const std::string& key);

    static bool isPresent(const std::string& key);
    static std::size_t count();
    // Drops every texture (tests only; nothing may still draw them).
    static void clear();
};

// Names of textures (key -> file) that are loaded and unloaded together. Holds no
// texture itself; destroying a group unloads nothing.
class TextureManager::Group
{
public:
    Group() = default;
    Group(std::initializer_list<std::pair<const std::string, std::string>> entries);

    void add(const std::string& key, const std::string& path);
    Group& addChild(std::unique_ptr<Group> child);

    void load() const;
    void unload() const;
    bool isLoaded() const;
    std::size_t size() const;
    std::size_t loadedCount() const;
    // Own entries plus every child's (flattened); a key keeps its first path.
    std::map<std::string, std::string> flatten() const;

    const std::map<std::string, std::string>& entries() const { return entries_; }
    const std::vector<std::unique_ptr<Group>>& children() const { return children_; }

private:
    std::vector<std::unique_ptr<Group>> children_;
    std::map<std::string, std::string> entries_;
};

using GroupList = std::vector<std::unique_ptr<TextureManager::Group>>;
