#pragma once

#include "core/AtomicFile.h"
#include "core/Polygon.h"
#include "world/RoomFile.h"

#include <SFML/System/Vector2.hpp>

#include <string>
#include <utility>
#include <vector>

namespace Json
{
class Value;
}

// The room editor's editable form of a room file: outlines are red polygons,
// spawners carry the whole enemy name list with a selection flag each, and
// props can be hidden from the view. It reads the file with the editor's
// rules (an absent "neutral" is false, as for the builder; the karma textures only for a
// karma-dependent room) and writes it back in the form the builder reads.
class RoomTemplate
{
public:
    struct StaticProp
    {
        sf::Vector2f position;
        std::string prop;
        bool good = false;
        bool evil = false;
        bool neutral = true;
        bool hidden = false;
    };
    struct PropItem
    {
        sf::Vector2f position;
        std::string prop;
        int chance = 100;
        bool hidden = false;
    };
    struct PropCollection
    {
        float chance = 1.f;
        bool pickOne = false;
        bool good = false;
        bool evil = false;
        bool neutral = true;
        bool hidden = false;
        std::vector<PropItem> items;
    };
    struct Spawner
    {
        sf::Vector2f position;
        int chance = 0;
        // Every known enemy name with whether this spawner may spawn it.
        std::vector<std::pair<std::string, bool>> enemies;
        // The names in the order the file listed them: the builder draws by
        // index, so saving keeps that order (names selected later come after).
        std::vector<std::string> listedOrder;
    };
    struct Wall
    {
        sf::Vector2f position;
        std::string texture;
        // World vertices anchored at the wall's position; saved relative to it.
        Polygon outline;
    };

    // Throws like RoomFile::load. `enemyNames` is the enemy data's name list.
    static RoomTemplate load(const std::string& path, const std::vector<std::string>& enemyNames);
    static RoomTemplate fromJson(const Json::Value& root, const std::string& file,
                                 const std::vector<std::string>& enemyNames);

    // The document the editor saves; empty lists are written as null.
    Json::Value toJson() const;
    // Writes "<directory><name>.json", replacing any file of that name through a
    // temporary file and a rename. Refuses (returning false, with an error logged
    // and put in `problem`) a name that isValidName rejects, and reports a file
    // that cannot be written; the old file is then left whole.
    bool save(const std::string& directory = RoomFile::kDirectory, std::string* problem = nullptr,
              const AtomicFile::BeforeRename& beforeRename = {}) const;
    // 1 to kMaxNameLength ASCII letters, digits, "_" or "-".
    static bool isValidName(const std::string& name);
    static constexpr std::size_t kMaxNameLength = 63;

    // A spawner listing every known enemy, none selected.
    static Spawner makeSpawner(sf::Vector2f position, const std::vector<std::string>& enemyNames);

    std::string name;
    int type = 0;
    std::string texture;
    bool karmaDependent = false;
    std::string evilTexture;
    std::string goodTexture;
    int minEnemies = 0;
    int maxEnemies = 0;
    Polygon boundary;
    std::vector<DoorRecord> doors;
    std::vector<StaticProp> staticProps;
    std::vector<PropCollection> collections;
    std::vector<Spawner> spawners;
    std::vector<WaterRecord> waters;
    std::vector<Wall> walls;
    std::vector<Polygon> restricted;
};
