#include "world/RoomTemplate.h"

#include "core/JsonReader.h"
#include "core/Logger.h"
#include "world/RoomFileParsing.h"

#include <json/value.h>
#include <json/writer.h>

#include <algorithm>
#include <fstream>
#include <memory>

namespace
{
Json::Value point(sf::Vector2f p)
{
    Json::Value v(Json::objectValue);
    v["x"] = static_cast<double>(p.x);
    v["y"] = static_cast<double>(p.y);
    return v;
}

// An empty list is saved as null; the readers take null as an empty list.
Json::Value list(Json::Value array)
{
    return array.empty() ? Json::Value() : array;
}

// The outline's vertices relative to its anchor.
Json::Value outline(const Polygon& polygon, sf::Vector2f origin)
{
    Json::Value array(Json::arrayValue);
    for (std::size_t i = 0; i < polygon.vertexCount(); ++i)
        array.append(point(polygon.point(i) - origin));
    return list(array);
}

Polygon polygonOf(const std::vector<sf::Vector2f>& points, sf::Vector2f anchor = {0.f, 0.f})
{
    return Polygon(points, anchor);
}
} // namespace

RoomTemplate RoomTemplate::load(const std::string& path, const std::vector<std::string>& enemyNames)
{
    const Json::Value root = RoomFileParsing::parseRoot(path);
    return fromJson(root, path, enemyNames);
}

RoomTemplate::Spawner RoomTemplate::makeSpawner(sf::Vector2f position, const std::vector<std::string>& enemyNames)
{
    Spawner s;
    s.position = position;
    for (const std::string& n : enemyNames)
        s.enemies.emplace_back(n, false);
    return s;
}

RoomTemplate RoomTemplate::fromJson(const Json::Value& root, const std::string& file,
                                    const std::vector<std::string>& enemyNames)
{
    using namespace RoomFileParsing;
    const JsonReader r(root, file);
    RoomTemplate room;
    r.get("name", room.name);
    r.get("type", room.type);
    r.get("texture", room.texture);
    if (r.has("karmaDependent"))
    {
        r.get("karmaDependent", room.karmaDependent);
        if (room.karmaDependent)
        {
            r.get("evilTexture", room.evilTexture);
            r.get("goodTexture", room.goodTexture);
        }
    }
    r.get("minEnemies", room.minEnemies);
    r.get("maxEnemies", room.maxEnemies);
    room.boundary = polygonOf(points(r, "boundaries"));
    for (const JsonReader& d : r.objects("doors"))
        room.doors.push_back(door(d));
    for (const JsonReader& p : r.objects("staticProps"))
    {
        StaticProp s;
        s.position = position(p);
        p.get("prop", s.prop);
        p.get("good", s.good);
        p.get("evil", s.evil);
        p.get("neutral", s.neutral, false);
        room.staticProps.push_back(std::move(s));
    }
    for (const JsonReader& c : r.objects("dynamicProps"))
    {
        PropCollection collection;
        c.get("chance", collection.chance);
        c.get("pickOne", collection.pickOne);
        c.get("good", collection.good);
        c.get("evil", collection.evil);
        c.get("neutral", collection.neutral, false);
        for (const JsonReader& i : c.objects("props"))
        {
            PropItem item;
            item.position = position(i);
            i.get("prop", item.prop);
            i.get("chance", item.chance);
            collection.items.push_back(std::move(item));
        }
        room.collections.push_back(std::move(collection));
    }
    for (const JsonReader& s : r.objects("spawners"))
    {
        Spawner spawner = makeSpawner(position(s), enemyNames);
        s.get("chance", spawner.chance);
        for (const std::string& listed : s.strings("enemies"))
        {
            auto known = std::find_if(spawner.enemies.begin(), spawner.enemies.end(),
                                      [&](const auto& e) { return e.first == listed; });
            // A name the enemy data does not know is kept selected, so saving
            // the room does not silently drop it.
            if (known == spawner.enemies.end())
                spawner.enemies.emplace_back(listed, true);
            else
                known->second = true;
        }
        room.spawners.push_back(std::move(spawner));
    }
    for (const JsonReader& w : r.objects("waters"))
        room.waters.push_back(water(w));
    for (const JsonReader& w : r.objects("walls"))
    {
        Wall wall;
        wall.position = position(w);
        w.get("texture", wall.texture);
        wall.outline = polygonOf(points(w, "boundaries"), wall.position);
        room.walls.push_back(std::move(wall));
    }
    for (const JsonReader& z : r.objects("restricted"))
        room.restricted.push_back(polygonOf(points(z, "boundaries")));
    return room;
}

Json::Value RoomTemplate::toJson() const
{
    Json::Value root(Json::objectValue);
    root["name"] = name;
    root["type"] = type;
    root["texture"] = texture;
    root["karmaDependent"] = karmaDependent;
    if (karmaDependent)
    {
        root["evilTexture"] = evilTexture;
        root["goodTexture"] = goodTexture;
    }
    root["minEnemies"] = std::min(minEnemies, maxEnemies);
    root["maxEnemies"] = std::max(minEnemies, maxEnemies);
    root["boundaries"] = outline(boundary, {0.f, 0.f});

    Json::Value doorList(Json::arrayValue);
    for (const DoorRecord& d : doors)
    {
        Json::Value v = point(d.position);
        v["direction"] = d.direction;
        v["input"] = d.input;
        v["output"] = d.output;
        v["spriteDeltaX"] = static_cast<double>(d.spriteDelta.x);
        v["spriteDeltaY"] = static_cast<double>(d.spriteDelta.y);
        doorList.append(v);
    }
    root["doors"] = list(doorList);

    Json::Value statics(Json::arrayValue);
    for (const StaticProp& s : staticProps)
    {
        Json::Value v = point(s.position);
        v["prop"] = s.prop;
        v["good"] = s.good;
        v["evil"] = s.evil;
        v["neutral"] = s.neutral;
        statics.append(v);
    }
    root["staticProps"] = list(statics);

    Json::Value dynamics(Json::arrayValue);
    for (const PropCollection& c : collections)
    {
        Json::Value v(Json::objectValue);
        v["chance"] = static_cast<double>(c.chance);
        v["pickOne"] = c.pickOne;
        v["good"] = c.good;
        v["evil"] = c.evil;
        v["neutral"] = c.neutral;
        Json::Value items(Json::arrayValue);
        for (const PropItem& i : c.items)
        {
            Json::Value item = point(i.position);
            item["prop"] = i.prop;
            item["chance"] = i.chance;
            // Copies of the collection's flags; no reader uses them.
            item["good"] = c.good;
            item["evil"] = c.evil;
            item["neutral"] = c.neutral;
            items.append(item);
        }
        v["props"] = list(items);
        dynamics.append(v);
    }
    root["dynamicProps"] = list(dynamics);

    Json::Value spawnerList(Json::arrayValue);
    for (const Spawner& s : spawners)
    {
        Json::Value v = point(s.position);
        v["chance"] = s.chance;
        Json::Value names(Json::arrayValue);
        for (const auto& [enemy, selected] : s.enemies)
            if (selected)
                names.append(enemy);
        v["enemies"] = list(names);
        spawnerList.append(v);
    }
    root["spawners"] = list(spawnerList);

    Json::Value waterList(Json::arrayValue);
    for (const WaterRecord& w : waters)
    {
        Json::Value v = point(w.position);
        v["texture"] = w.texture;
        waterList.append(v);
    }
    root["waters"] = list(waterList);

    Json::Value wallList(Json::arrayValue);
    for (const Wall& w : walls)
    {
        Json::Value v = point(w.position);
        v["texture"] = w.texture;
        v["boundaries"] = outline(w.outline, w.outline.getPosition());
        wallList.append(v);
    }
    root["walls"] = list(wallList);

    Json::Value zones(Json::arrayValue);
    for (const Polygon& z : restricted)
    {
        Json::Value v(Json::objectValue);
        v["boundaries"] = outline(z, {0.f, 0.f});
        zones.append(v);
    }
    root["restricted"] = list(zones);
    return root;
}

bool RoomTemplate::isValidName(const std::string& name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find_first_of("/\\:") == std::string::npos && name.find('\0') == std::string::npos;
}

bool RoomTemplate::save(const std::string& directory) const
{
    if (!isValidName(name))
    {
        Logger::Error("Cannot save a room named \"" + name + "\": a room name must be a plain file name");
        return false;
    }
    const std::string path = directory + name + ".json";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
    {
        Logger::Error("Cannot open room file " + path + " for writing");
        return false;
    }
    Json::StreamWriterBuilder builder;
    std::unique_ptr<Json::StreamWriter> writer(builder.newStreamWriter());
    writer->write(toJson(), &out);
    out << '\n';
    out.flush();
    if (!out)
    {
        Logger::Error("Failed to write room file " + path);
        return false;
    }
    Logger::Success("Room saved to " + path);
    return true;
}
