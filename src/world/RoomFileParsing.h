#pragma once

#include "core/JsonReader.h"
#include "world/RoomFile.h"

#include <json/value.h>

#include <SFML/System/Vector2.hpp>

#include <string>
#include <vector>

// Reading steps shared by the builder's and the editor's readers of a room file.
namespace RoomFileParsing
{
// Parses the file; throws std::runtime_error "Failed to parse room file" (after
// logging the file and the parser's complaint) when it is missing, empty,
// malformed or not a JSON object.
Json::Value parseRoot(const std::string& path);

sf::Vector2f position(const JsonReader& r);
std::vector<sf::Vector2f> points(const JsonReader& r, const char* key);
DoorRecord door(const JsonReader& r);
WaterRecord water(const JsonReader& r);
} // namespace RoomFileParsing
