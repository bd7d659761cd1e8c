#include "creatures/TuningFields.h"

#include <string>
#include <utility>

bool TuningFields::readObjectFile(const std::string& path, Json::Value& out)
{
    Json::Value root;
    if (path.empty() || !JsonReader::parseFile(path, root) || !root.isObject())
        return false;
    out = std::move(root);
    return true;
}

TuningFields::TuningFields(const Json::Value& value, const std::string& file, const std::string& path)
    : reader_(objectOrNull(value, file, path), file, path)
{
}

TuningFields TuningFields::child(const char* key) const
{
    return TuningFields(member(key, "an object"), reader_.file(), reader_.keyPath(key));
}

const Json::Value& TuningFields::array(const char* key) const
{
    static const Json::Value empty(Json::arrayValue);
    const Json::Value& v = member(key, "an array");
    return v.isArray() ? v : empty;
}

std::vector<std::string> TuningFields::strings(const char* key) const
{
    std::vector<std::string> result;
    const Json::Value& list = array(key);
    for (Json::ArrayIndex i = 0; i < list.size(); ++i)
    {
        if (list[i].isString())
            result.push_back(list[i].asString());
        else
            warn(element(key, i), "is not a string; skipped");
    }
    return result;
}

PointList TuningFields::points(const char* key) const
{
    PointList result;
    const Json::Value& list = array(key);
    for (Json::ArrayIndex i = 0; i < list.size(); ++i)
    {
        if (!list[i].isObject())
        {
            warn(element(key, i), "is not a point; skipped");
            continue;
        }
        const TuningFields point(list[i], reader_.file(), element(key, i));
        result.emplace_back(point.getFloat("x"), point.getFloat("y"));
    }
    return result;
}

std::string TuningFields::element(const char* key, Json::ArrayIndex i) const
{
    return reader_.keyPath(key) + "[" + std::to_string(i) + "]";
}

void TuningFields::warn(const std::string& keyPath, const std::string& problem) const
{
    Logger::Warning(reader_.file() + ": \"" + keyPath + "\" " + problem);
}

const Json::Value& TuningFields::nullValue()
{
    static const Json::Value null;
    return null;
}

const Json::Value& TuningFields::objectOrNull(const Json::Value& value, const std::string& file,
                                              const std::string& path)
{
    if (value.isObject() || value.isNull())
        return value;
    Logger::Warning(file + ": \"" + (path.empty() ? "(root)" : path) + "\" is not an object; using defaults");
    return nullValue();
}

const Json::Value& TuningFields::member(const char* key, const char* expected) const
{
    const Json::Value& object = reader_.value();
    if (!object.isObject())
        return nullValue();
    const Json::Value* v = object.find(key, key + std::char_traits<char>::length(key));
    if (!v || v->isNull())
        return nullValue();
    const bool fits = std::string(expected) == "an array" ? v->isArray() : v->isObject();
    if (!fits)
    {
        Logger::Warning(reader_.file() + ": \"" + reader_.keyPath(key) + "\" is not " + expected +
                        "; using the default");
        return nullValue();
    }
    return *v;
}
