#pragma once

#include "core/JsonReader.h"
#include "core/Logger.h"
#include "creatures/EnemyRecords.h"

#include <json/value.h>

#include <cstdint>
#include <string>
#include <vector>

// The enemy loaders' view of a JSON object, over the shared JsonReader: a missing
// key gives the default silently; a key of the wrong type gives the default and a
// warning naming the file and the key, so a slip in a tuning file never stops the
// game (the index and kind files fall back to defaults, they do not abort).
class TuningFields
{
public:
    // Reads and parses a JSON file whose root is an object; false (and `out`
    // untouched) for a missing, unreadable or malformed file or another root.
    static bool readObjectFile(const std::string& path, Json::Value& out);

    TuningFields(const Json::Value& value, const std::string& file, const std::string& path = "");

    float getFloat(const char* key, float fallback = 0.f) const { return read(key, fallback); }
    std::int32_t getInt(const char* key, std::int32_t fallback = 0) const { return read<int>(key, fallback); }
    std::string getString(const char* key, const std::string& fallback = "") const { return read(key, fallback); }
    bool getBool(const char* key, bool fallback = false) const { return read(key, fallback); }
    // An angle written in degrees, in radians.
    float getDegrees(const char* key) const { return getFloat(key) * kDegreesToRadians; }

    // The object under `key`; an absent or mistyped one reads as empty.
    TuningFields child(const char* key) const;
    // The array under `key`; an absent or mistyped one reads as empty.
    const Json::Value& array(const char* key) const;
    // The strings of the array under `key`; other elements are skipped with a warning.
    std::vector<std::string> strings(const char* key) const;
    // The {"x", "y"} points of the array under `key`; other elements are skipped with a warning.
    PointList points(const char* key) const;

    std::string element(const char* key, Json::ArrayIndex i) const;
    const std::string& file() const { return reader_.file(); }
    void warn(const std::string& keyPath, const std::string& problem) const;

private:
    static constexpr float kDegreesToRadians = 3.1415927f / 180.f;

    static const Json::Value& nullValue();
    static const Json::Value& objectOrNull(const Json::Value& value, const std::string& file, const std::string& path);
    // The member when it has the wanted shape; null (read as absent) after a warning otherwise.
    const Json::Value& member(const char* key, const char* expected) const;

    template <typename T> T read(const char* key, const T& fallback) const
    {
        try
        {
            T out;
            reader_.get(key, out, fallback);
            return out;
        }
        catch (const JsonTypeError& error)
        {
            Logger::Warning(std::string(error.what()) + "; using the default");
            return fallback;
        }
    }

    JsonReader reader_;
};
