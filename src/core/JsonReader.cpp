#include "core/JsonReader.h"

#include <json/reader.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>

namespace
{
const char* typeName(const Json::Value& v)
{
    switch (v.type())
    {
    case Json::nullValue: return "null";
    case Json::intValue:
    case Json::uintValue: return "an integer";
    case Json::realValue: return "a real number";
    case Json::stringValue: return "a string";
    case Json::booleanValue: return "a boolean";
    case Json::arrayValue: return "an array";
    case Json::objectValue: return "an object";
    }
    return "an unknown value";
}

std::string wrongType(const char* expected, const Json::Value& found)
{
    return std::string("should be ") + expected + ", found " + typeName(found);
}

// Reads any numeric (or boolean) value as a double; false for other types.
bool numberOf(const Json::Value& v, double& out)
{
    switch (v.type())
    {
    case Json::intValue: out = static_cast<double>(v.asLargestInt()); return true;
    case Json::uintValue: out = static_cast<double>(v.asLargestUInt()); return true;
    case Json::realValue: out = v.asDouble(); return true;
    case Json::booleanValue: out = v.asBool() ? 1.0 : 0.0; return true;
    default: return false;
    }
}

template <typename Int>
bool integerOf(const Json::Value& v, Int& out)
{
    double d = 0.0;
    if (!numberOf(v, d) || !std::isfinite(d))
        return false;
    // Exact integers are compared as such so large values are not rounded through double.
    if (v.isInt64())
    {
        const auto i = v.asInt64();
        if (i < static_cast<long long>(std::numeric_limits<Int>::min()) ||
            (i > 0 && static_cast<unsigned long long>(i) > static_cast<unsigned long long>(std::numeric_limits<Int>::max())))
            return false;
        out = static_cast<Int>(i);
        return true;
    }
    if (v.isUInt64())
    {
        if (v.asUInt64() > static_cast<unsigned long long>(std::numeric_limits<Int>::max()))
            return false;
        out = static_cast<Int>(v.asUInt64());
        return true;
    }
    const double t = std::trunc(d);
    if (t < static_cast<double>(std::numeric_limits<Int>::min()) || t > static_cast<double>(std::numeric_limits<Int>::max()))
        return false;
    out = static_cast<Int>(t);
    return true;
}
} // namespace

JsonTypeError::JsonTypeError(const std::string& file, const std::string& key, const std::string& problem)
    : std::runtime_error(file + ": \"" + key + "\" " + problem), file(file), key(key)
{
}

bool JsonReader::parseText(const std::string& text, Json::Value& root, std::string* errors)
{
    root = Json::Value();
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string messages;
    bool ok = false;
    try
    {
        ok = reader->parse(text.data(), text.data() + text.size(), &root, &messages);
    }
    catch (const std::exception& e) // the stack limit of deeply nested input is reported by throwing
    {
        messages = e.what();
        ok = false;
    }
    if (!ok)
    {
        root = Json::Value();
        if (errors)
            *errors = messages.empty() ? std::string("unparsable input") : messages;
    }
    return ok;
}

bool JsonReader::parseFile(const std::string& path, Json::Value& root, std::string* errors)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        root = Json::Value();
        if (errors)
            *errors = "cannot open " + path;
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parseText(text.str(), root, errors);
}

JsonReader::JsonReader(const Json::Value& value, std::string file, std::string keyPath)
    : value_(&value), file_(std::move(file)), path_(std::move(keyPath))
{
    if (!value.isNull() && !value.isObject())
        throw JsonTypeError(file_, path_.empty() ? "(root)" : path_, wrongType("an object", value));
}

std::string JsonReader::keyPath(const char* key) const
{
    return path_.empty() ? std::string(key) : path_ + "." + key;
}

void JsonReader::fail(const char* key, const std::string& problem) const
{
    throw JsonTypeError(file_, keyPath(key), problem);
}

const Json::Value& JsonReader::member(const char* key) const
{
    if (!value_->isObject())
        return Json::Value::nullSingleton();
    const Json::Value* found = value_->find(key, key + std::char_traits<char>::length(key));
    return found ? *found : Json::Value::nullSingleton();
}

bool JsonReader::has(const char* key) const
{
    return !member(key).isNull();
}

bool JsonReader::get(const char* key, int& out, int fallback) const
{
    const Json::Value& v = member(key);
    out = fallback;
    if (v.isNull())
        return false;
    if (!integerOf(v, out))
        fail(key, v.isNumeric() ? "is out of the range of an integer" : wrongType("an integer", v));
    return true;
}

bool JsonReader::get(const char* key, unsigned& out, unsigned fallback) const
{
    const Json::Value& v = member(key);
    out = fallback;
    if (v.isNull())
        return false;
    if (!integerOf(v, out))
        fail(key, v.isNumeric() ? "is out of the range of a non-negative integer" : wrongType("a non-negative integer", v));
    return true;
}

bool JsonReader::get(const char* key, double& out, double fallback) const
{
    const Json::Value& v = member(key);
    out = fallback;
    if (v.isNull())
        return false;
    double d = 0.0;
    if (!numberOf(v, d))
        fail(key, wrongType("a number", v));
    if (!std::isfinite(d))
        fail(key, "is not a finite number");
    out = d;
    return true;
}

bool JsonReader::get(const char* key, float& out, float fallback) const
{
    double d = 0.0;
    out = fallback;
    if (!get(key, d, static_cast<double>(fallback)))
        return false;
    if (std::fabs(d) > static_cast<double>(std::numeric_limits<float>::max()))
        fail(key, "is out of the range of a float");
    out = static_cast<float>(d);
    return true;
}

bool JsonReader::get(const char* key, bool& out, bool fallback) const
{
    const Json::Value& v = member(key);
    out = fallback;
    if (v.isNull())
        return false;
    double d = 0.0;
    if (!numberOf(v, d))
        fail(key, wrongType("a boolean", v));
    out = d != 0.0;
    return true;
}

bool JsonReader::get(const char* key, std::string& out, const std::string& fallback) const
{
    const Json::Value& v = member(key);
    out = fallback;
    if (v.isNull())
        return false;
    if (!v.isString())
        fail(key, wrongType("a string", v));
    out = v.asString();
    return true;
}

JsonReader JsonReader::child(const char* key) const
{
    const Json::Value& v = member(key);
    if (!v.isNull() && !v.isObject())
        fail(key, wrongType("an object", v));
    return JsonReader(v, file_, keyPath(key));
}

std::vector<const Json::Value*> JsonReader::arrayMember(const char* key) const
{
    const Json::Value& v = member(key);
    std::vector<const Json::Value*> elements;
    if (v.isNull())
        return elements;
    if (!v.isArray())
        fail(key, wrongType("an array", v));
    elements.reserve(v.size());
    for (Json::ArrayIndex i = 0; i < v.size(); ++i)
        elements.push_back(&v[i]);
    return elements;
}

std::vector<JsonReader> JsonReader::objects(const char* key) const
{
    std::vector<JsonReader> readers;
    const auto elements = arrayMember(key);
    readers.reserve(elements.size());
    for (std::size_t i = 0; i < elements.size(); ++i)
        readers.emplace_back(*elements[i], file_, keyPath(key) + "[" + std::to_string(i) + "]");
    return readers;
}

std::vector<std::string> JsonReader::strings(const char* key) const
{
    std::vector<std::string> out;
    const auto elements = arrayMember(key);
    out.reserve(elements.size());
    for (std::size_t i = 0; i < elements.size(); ++i)
    {
        if (!elements[i]->isString())
            throw JsonTypeError(file_, keyPath(key) + "[" + std::to_string(i) + "]", wrongType("a string", *elements[i]));
        out.push_back(elements[i]->asString());
    }
    return out;
}
