#pragma once

#include <json/value.h>

#include <stdexcept>
#include <string>
#include <vector>

// Raised when a member holds a value of the wrong JSON type (or a number out of
// the range of its C++ type). The message names the file and the key path, for
// example: Assets/Rooms/ff_norm1.json: "doors[2].direction" should be an integer, found a string
class JsonTypeError : public std::runtime_error
{
public:
    JsonTypeError(const std::string& file, const std::string& key, const std::string& problem);

    const std::string file;
    const std::string key;
};

// Typed, defaulted reads of one JSON object, shared by every data loader so a
// malformed file is reported by name and key instead of aborting the program.
//
// A reader is a view of one value inside a parsed document: it remembers the
// file name and the key path that led to it, so nested readers (child(), items())
// produce errors like "walls[1].boundaries[0].x". A member that is absent or
// null reads as its fallback; a member of the wrong type throws JsonTypeError.
// Numbers convert between integer and real as JsonCpp does (reals truncate to
// integers, booleans read as 0/1 and numbers as booleans), but only when the
// result fits the target type. Strings are never converted to or from numbers.
//
// The reader only references the document: keep the Json::Value alive.
class JsonReader
{
public:
    // Parses a whole file with JsonCpp's default reader settings. Returns false
    // (root set to null, `errors` filled when given) for a missing, unreadable,
    // empty or malformed file, including one nested too deeply. Never throws.
    static bool parseFile(const std::string& path, Json::Value& root, std::string* errors = nullptr);
    // The same for text already in memory (the fuzzers feed it this way).
    static bool parseText(const std::string& text, Json::Value& root, std::string* errors = nullptr);

    // `value` must be an object or null (null reads every member as absent);
    // anything else throws JsonTypeError naming `keyPath` (or "(root)").
    JsonReader(const Json::Value& value, std::string file, std::string keyPath = {});

    bool has(const char* key) const;

    // Each get() returns true when the member was present and not null, false
    // when `out` received the fallback.
    bool get(const char* key, int& out, int fallback = 0) const;
    bool get(const char* key, unsigned& out, unsigned fallback = 0) const;
    bool get(const char* key, float& out, float fallback = 0.f) const;
    bool get(const char* key, double& out, double fallback = 0.0) const;
    bool get(const char* key, bool& out, bool fallback = false) const;
    bool get(const char* key, std::string& out, const std::string& fallback = {}) const;

    // Convenience forms returning the value.
    template <typename T>
    T read(const char* key, const T& fallback = T{}) const
    {
        T out;
        get(key, out, fallback);
        return out;
    }

    // The object member `key`; absent or null gives an empty reader.
    JsonReader child(const char* key) const;
    // The elements of the array member `key`, each of which must be an object
    // (or null); absent or null gives an empty list.
    std::vector<JsonReader> objects(const char* key) const;
    // The elements of the array member `key` as strings; absent or null gives an empty list.
    std::vector<std::string> strings(const char* key) const;

    const Json::Value& value() const { return *value_; }
    const std::string& file() const { return file_; }
    // The full key path of member `key` of this object, as used in errors.
    std::string keyPath(const char* key) const;
    // Throws JsonTypeError for member `key` with the given complaint; loaders use
    // it for their own checks (a value in range but meaningless, for example).
    [[noreturn]] void fail(const char* key, const std::string& problem) const;

private:
    const Json::Value& member(const char* key) const;
    std::vector<const Json::Value*> arrayMember(const char* key) const;

    const Json::Value* value_;
    std::string file_;
    std::string path_;
};
