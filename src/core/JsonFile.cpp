#include "core/JsonFile.h"

#include "core/Logger.h"

#include <json/reader.h>
#include <json/writer.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace
{
void warnWrongType(const std::string& file, const std::string& key, const char* expected)
{
    Logger::Warning(file + ": \"" + key + "\" is not " + expected + "; using the default");
}
} // namespace

std::optional<Json::Value> JsonFile::read(const std::string& path, std::string* error)
{
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
    {
        if (error)
            *error = "cannot open " + path;
        return std::nullopt;
    }
    Json::CharReaderBuilder builder;
    builder["collectComments"] = false;
    Json::Value root;
    std::string errors;
    if (!Json::parseFromStream(builder, stream, &root, &errors))
    {
        if (error)
            *error = path + ": " + errors;
        return std::nullopt;
    }
    return root;
}

bool JsonFile::writeAtomically(const std::string& path, const Json::Value& document)
{
    const std::filesystem::path target(path);
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    {
        std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
        if (!stream)
        {
            Logger::Error("Cannot write " + temporary.string());
            return false;
        }
        // Fifteen significant digits: 0.7 is written as 0.7, not 0.69999999999999996.
        Json::StreamWriterBuilder builder;
        builder["indentation"] = "   ";
        builder["precision"] = 15;
        std::unique_ptr<Json::StreamWriter> writer(builder.newStreamWriter());
        writer->write(document, &stream);
        stream << "\n\n";
        stream.flush();
        if (!stream)
        {
            Logger::Error("Cannot write " + temporary.string());
            stream.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code failure;
    std::filesystem::rename(temporary, target, failure);
    if (failure)
    {
        Logger::Error("Cannot replace " + path + ": " + failure.message());
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

float JsonFile::getFloat(const Json::Value& object, const std::string& key, float fallback, const std::string& file)
{
    if (!object.isObject() || !object.isMember(key))
        return fallback;
    const Json::Value& value = object[key];
    if (!value.isNumeric() || value.isBool())
    {
        warnWrongType(file, key, "a number");
        return fallback;
    }
    return value.asFloat();
}

int JsonFile::getInt(const Json::Value& object, const std::string& key, int fallback, const std::string& file)
{
    if (!object.isObject() || !object.isMember(key))
        return fallback;
    const Json::Value& value = object[key];
    if (!value.isInt() || value.isBool())
    {
        warnWrongType(file, key, "a whole number");
        return fallback;
    }
    return value.asInt();
}

Json::Value JsonFile::getObject(const Json::Value& object, const std::string& key, const std::string& file)
{
    if (!object.isObject() || !object.isMember(key))
        return Json::Value(Json::objectValue);
    const Json::Value& value = object[key];
    if (!value.isObject())
    {
        warnWrongType(file, key, "an object");
        return Json::Value(Json::objectValue);
    }
    return value;
}
