#include "world/RoomFileParsing.h"

#include "core/Logger.h"

#include <stdexcept>

namespace RoomFileParsing
{
Json::Value parseRoot(const std::string& path)
{
    Json::Value root;
    std::string errors;
    if (!JsonReader::parseFile(path, root, &errors))
    {
        Logger::Error("Room file " + path + ": " + errors);
        throw std::runtime_error("Failed to parse room file");
    }
    if (!root.isObject())
    {
        Logger::Error("Room file " + path + " does not hold a JSON object");
        throw std::runtime_error("Failed to parse room file");
    }
    return root;
}

sf::Vector2f position(const JsonReader& r)
{
    return {r.read<float>("x"), r.read<float>("y")};
}

std::vector<sf::Vector2f> points(const JsonReader& r, const char* key)
{
    std::vector<sf::Vector2f> out;
    for (const JsonReader& p : r.objects(key))
        out.push_back(position(p));
    return out;
}

DoorRecord door(const JsonReader& r)
{
    DoorRecord d;
    d.position = position(r);
    r.get("direction", d.direction);
    r.get("input", d.input);
    r.get("output", d.output);
    d.spriteDelta = {r.read<float>("spriteDeltaX"), r.read<float>("spriteDeltaY")};
    return d;
}

WaterRecord water(const JsonReader& r)
{
    return {position(r), r.read<std::string>("texture")};
}
} // namespace RoomFileParsing
