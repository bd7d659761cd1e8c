#pragma once

#include <json/value.h>

#include <optional>
#include <string>

// Typed reads of JSON data files with defaults, and safe writes. A member of the
// wrong type is reported with the file and the key, and the default is used, so
// one bad value never stops the game.
class JsonFile
{
public:
    // The parsed document, or nothing (with the reason in `error`) when the file
    // is missing, empty or not valid JSON.
    static std::optional<Json::Value> read(const std::string& path, std::string* error = nullptr);

    // Writes the document, indented and followed by a newline, into a
    // temporary file beside `path`, then renames it over `path`: a crash or a full
    // disk never leaves a half-written file. False (logged) on failure.
    static bool writeAtomically(const std::string& path, const Json::Value& document);

    // object[key] as a number; `fallback` when absent, or (with a warning naming
    // the file and the key) when of another type.
    static float getFloat(const Json::Value& object, const std::string& key, float fallback, const std::string& file);
    static int getInt(const Json::Value& object, const std::string& key, int fallback, const std::string& file);
    // object[key] when it is an object; an empty object otherwise (warned about when present).
    static Json::Value getObject(const Json::Value& object, const std::string& key, const std::string& file);
};
