#include "world/RoomFile.h"

#include "core/Logger.h"
#include "world/RoomFileParsing.h"

#include <algorithm>
#include <cmath>

RoomFile RoomFile::load(const std::string& path)
{
    const Json::Value root = RoomFileParsing::parseRoot(path);
    return fromJson(root, path);
}

RoomFile RoomFile::fromJson(const Json::Value& root, const std::string& file)
{
    using namespace RoomFileParsing;
    const JsonReader r(root, file);
    RoomFile room;
    r.get("name", room.name);
    r.get("type", room.type);
    r.get("texture", room.texture);
    r.get("evilTexture", room.evilTexture);
    r.get("goodTexture", room.goodTexture);
    r.get("minEnemies", room.minEnemies);
    r.get("maxEnemies", room.maxEnemies);
    // The builder draws rand() % (max - min + 1) + min enemies: a crossed or
    // negative pair would divide by zero or spawn a negative count.
    if (room.minEnemies < 0 || room.maxEnemies < 0 || room.minEnemies > room.maxEnemies)
    {
        Logger::Warning("Room file " + file + ": enemy bounds " + std::to_string(room.minEnemies) + ".." +
                        std::to_string(room.maxEnemies) + " put in order");
        room.minEnemies = std::max(room.minEnemies, 0);
        room.maxEnemies = std::max(room.maxEnemies, 0);
        if (room.minEnemies > room.maxEnemies)
            std::swap(room.minEnemies, room.maxEnemies);
    }
    room.boundaries = points(r, "boundaries");
    for (const JsonReader& d : r.objects("doors"))
        room.doors.push_back(door(d));
    for (const JsonReader& p : r.objects("staticProps"))
    {
        StaticPropRecord s;
        s.position = position(p);
        p.get("prop", s.prop);
        p.get("good", s.good);
        p.get("evil", s.evil);
        p.get("neutral", s.neutral);
        room.staticProps.push_back(std::move(s));
    }
    for (const JsonReader& c : r.objects("dynamicProps"))
    {
        PropCollectionRecord collection;
        c.get("chance", collection.chance);
        c.get("pickOne", collection.pickOne);
        c.get("good", collection.good);
        c.get("evil", collection.evil);
        c.get("neutral", collection.neutral);
        for (const JsonReader& i : c.objects("props"))
        {
            PropItemRecord item;
            item.position = position(i);
            i.get("prop", item.prop);
            i.get("chance", item.chance);
            collection.props.push_back(std::move(item));
        }
        room.dynamicProps.push_back(std::move(collection));
    }
    for (const JsonReader& s : r.objects("spawners"))
    {
        SpawnerRecord spawner;
        spawner.position = position(s);
        spawner.enemies = s.strings("enemies");
        room.spawners.push_back(std::move(spawner));
    }
    for (const JsonReader& w : r.objects("waters"))
        room.waters.push_back(water(w));
    for (const JsonReader& w : r.objects("walls"))
    {
        WallRecord wall;
        wall.position = position(w);
        w.get("texture", wall.texture);
        wall.boundaries = points(w, "boundaries");
        room.walls.push_back(std::move(wall));
    }
    for (const JsonReader& z : r.objects("restricted"))
        room.restricted.push_back(points(z, "boundaries"));
    return room;
}

sf::Vector2u RoomFile::pictureSize() const
{
    float right = 0.f;
    float bottom = 0.f;
    for (const sf::Vector2f& p : boundaries)
    {
        right = std::max(right, p.x);
        bottom = std::max(bottom, p.y);
    }
    auto hundreds = [](float extent) { return static_cast<unsigned>(std::ceil((extent + 50.f) / 100.f)) * 100u; };
    return {hundreds(right), hundreds(bottom)};
}
