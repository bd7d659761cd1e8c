#pragma once

#include <SFML/System/Vector2.hpp>

#include <string>
#include <vector>

namespace Json
{
class Value;
}

enum DoorDirection
{
    DOOR_LEFT = 0,
    DOOR_RIGHT = 1,
    DOOR_TOP = 2,
    DOOR_BOTTOM = 3,
};

struct DoorRecord
{
    sf::Vector2f position;
    int direction = DOOR_TOP;
    bool input = false;
    bool output = false;
    sf::Vector2f spriteDelta;

    friend bool operator==(const DoorRecord&, const DoorRecord&) = default;
};

struct StaticPropRecord
{
    sf::Vector2f position;
    std::string prop;
    bool good = false;
    bool evil = false;
    bool neutral = false;

    friend bool operator==(const StaticPropRecord&, const StaticPropRecord&) = default;
};

struct PropItemRecord
{
    sf::Vector2f position;
    std::string prop;
    int chance = 0;

    friend bool operator==(const PropItemRecord&, const PropItemRecord&) = default;
};

struct PropCollectionRecord
{
    float chance = 0.f;
    bool pickOne = false;
    bool good = false;
    bool evil = false;
    bool neutral = false;
    std::vector<PropItemRecord> props;

    friend bool operator==(const PropCollectionRecord&, const PropCollectionRecord&) = default;
};

struct SpawnerRecord
{
    sf::Vector2f position;
    int chance = 0;
    std::vector<std::string> enemies;

    friend bool operator==(const SpawnerRecord&, const SpawnerRecord&) = default;
};

struct WaterRecord
{
    sf::Vector2f position;
    std::string texture;

    friend bool operator==(const WaterRecord&, const WaterRecord&) = default;
};

struct WallRecord
{
    sf::Vector2f position;
    std::string texture;
    // Relative to the wall's position.
    std::vector<sf::Vector2f> boundaries;

    friend bool operator==(const WallRecord&, const WallRecord&) = default;
};

// A room template as the room builder reads it from "Assets/Rooms/<name>.json":
// every absent member reads as empty, zero or false (an absent "neutral" too).
// The builder parses the file again for every room it builds, so this is a plain
// record with no cache.
class RoomFile
{
public:
    static constexpr const char* kDirectory = "Assets/Rooms/";
    static std::string pathFor(const std::string& name) { return kDirectory + name + ".json"; }

    // Throws std::runtime_error "Failed to parse room file" for a missing, empty,
    // malformed or non-object file, and JsonTypeError (naming the file and the key)
    // for a member of the wrong type.
    static RoomFile load(const std::string& path);
    static RoomFile fromJson(const Json::Value& root, const std::string& file);

    // The size the room's picture is painted at: the walkable outline's far
    // edges plus a 50 px border, rounded up to whole hundreds, so the picture
    // frames the floor the player walks on (the outline starts 50 px in).
    sf::Vector2u pictureSize() const;

    std::string name;
    int type = 0;
    std::string texture;
    std::string evilTexture;
    std::string goodTexture;
    // Never negative and never crossed: the builder draws a count between them.
    int minEnemies = 0;
    int maxEnemies = 0;
    std::vector<sf::Vector2f> boundaries;
    std::vector<DoorRecord> doors;
    std::vector<StaticPropRecord> staticProps;
    std::vector<PropCollectionRecord> dynamicProps;
    std::vector<SpawnerRecord> spawners;
    std::vector<WaterRecord> waters;
    std::vector<WallRecord> walls;
    std::vector<std::vector<sf::Vector2f>> restricted;

    friend bool operator==(const RoomFile&, const RoomFile&) = default;
};
