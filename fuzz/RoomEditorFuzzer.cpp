#include "FuzzSupport.h"

#include "core/JsonReader.h"
#include "world/RoomFile.h"
#include "world/RoomTemplate.h"

#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The editor's reader on any text, then its writer: whatever the editor could
// read, it must save in a form both readers accept, and saving what it read
// back again must give the same document.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    silenceLogForFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<std::string> enemies{"Kahiyu", "Zeyn", "Nazar", "ToaTao"};
    Json::Value root;
    if (!JsonReader::parseText(std::string(reinterpret_cast<const char*>(data), size), root) || !root.isObject())
        return 0;
    RoomTemplate edited;
    try
    {
        edited = RoomTemplate::fromJson(root, "fuzz.json", enemies);
    }
    catch (const JsonTypeError&)
    {
        return 0;
    }
    // From here on nothing may throw: the saved document is the editor's own.
    const Json::Value saved = edited.toJson();
    RoomFile::fromJson(saved, "saved.json");
    const Json::Value again = RoomTemplate::fromJson(saved, "saved.json", enemies).toJson();
    if (again != saved)
        __builtin_trap();
    return 0;
}
