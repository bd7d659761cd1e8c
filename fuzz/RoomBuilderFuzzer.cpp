#include "FuzzSupport.h"

#include "core/JsonReader.h"
#include "world/RoomFile.h"

#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

// Any text given to the room builder's reader either reads or is rejected
// with a runtime error; nothing else (crash, overflow, hang) is acceptable.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    silenceLogForFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Json::Value root;
    if (!JsonReader::parseText(std::string(reinterpret_cast<const char*>(data), size), root) || !root.isObject())
        return 0;
    try
    {
        const RoomFile room = RoomFile::fromJson(root, "fuzz.json");
        if (room.minEnemies < 0 || room.minEnemies > room.maxEnemies)
            __builtin_trap();
    }
    catch (const JsonTypeError&)
    {
    }
    return 0;
}
