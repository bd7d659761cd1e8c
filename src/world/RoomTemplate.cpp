#include "world/RoomTemplate.h"

#include "core/JsonReader.h"
#include "core/Logger.h"
#include "world/RoomFileParsing.h"

#include <json/value.h>
#include <json/writer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{
// The shortest decimal that reads back as the same float, so 0.7f is saved as
// 0.7 rather than 0.699999988079071.
double number(float value)
{
    if (!std::isfinite(value))
        return static_cast<double>(value);
    char text[32];
    for (int digits = 6; digits < 9; ++digits)
    {
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value)
            return std::strtod(text, nullptr);
    }
    return static_cast<double>(value);
}

Json::Value point(sf::Vector2f p)
{
    Json::Value v(Json::objectValue);
    v["x"] = number(p.x);
    v["y"] = number(p.y);
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
            spawner.listedOrder.push_back(listed);
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
        v["spriteDeltaX"] = number(d.spriteDelta.x);
        v["spriteDeltaY"] = number(d.spriteDelta.y);
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
        v["chance"] = number(c.chance);
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
        auto selected = [&](const std::string& enemy)
        {
            return std::any_of(s.enemies.begin(), s.enemies.end(),
                               [&](const auto& e) { return e.second && e.first == enemy; });
        };
        // The file's order (repeats included, they weigh the draw), then names ticked since.
        for (const std::string& enemy : s.listedOrder)
            if (selected(enemy))
                names.append(enemy);
        for (const auto& [enemy, on] : s.enemies)
            if (on && std::find(s.listedOrder.begin(), s.listedOrder.end(), enemy) == s.listedOrder.end())
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
    // The name becomes a file name in the rooms folder: plain ASCII letters,
    // digits, "_" and "-" only, so it can neither leave the folder nor clash
    // with the file system's own rules.
    if (name.empty() || name.size() > kMaxNameLength)
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) {
                           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                                  c == '_' || c == '-';
                       });
}

bool RoomTemplate::save(const std::string& directory, std::string* problem,
                        const AtomicFile::BeforeRename& beforeRename) const
{
    auto refuse = [&](const std::string& why)
    {
        Logger::Error(why);
        if (problem)
            *problem = why;
        return false;
    };
    if (!isValidName(name))
        return refuse("Cannot save a room named \"" + name +
                      "\": a room name is 1 to 63 letters, digits, \"_\" or \"-\"");
    const std::string path = directory + name + ".json";
    Json::StreamWriterBuilder builder;
    std::string text = Json::writeString(builder, toJson());
    text += '\n';
    std::string why;
    // Written beside the old file and renamed over it: a failed save leaves the old room whole.
    if (!AtomicFile::write(path, text, &why, beforeRename))
        return refuse("Cannot save room file " + path + ": " + why);
    Logger::Success("Room saved to " + path);
    if (problem)
        problem->clear();
    return true;
}
