#include "core/GameSettings.h"

#include "core/JsonReader.h"
#include "core/JsonWriter.h"
#include "core/Logger.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace
{
std::string& overriddenPath()
{
    static std::string path;
    return path;
}

// Volumes are written to three decimals: a float widened to double would write
// 0.8 as 0.80000001192092896.
double forFile(float volume)
{
    return std::round(static_cast<double>(volume) * 1000.0) / 1000.0;
}

float clampVolume(float value, float fallback)
{
    if (!std::isfinite(value))
        return fallback;
    return std::clamp(value, 0.f, 1.f);
}

// Reads the document a write starts from. A document that cannot be read or is not
// an object is started afresh with the whole record, so the next save always
// leaves a complete, valid file.
Json::Value documentToWrite(const GameSettings& settings)
{
    const std::string& file = GameSettings::filePath();
    Json::Value document;
    if (JsonReader::parseFile(file, document) && document.isObject())
    {
        const Json::Value& language = document["languageSelected"];
        if (!language.isInt() || language.isBool())
            document["languageSelected"] = settings.language;
        if (!document["volumeParameters"].isObject())
            document["volumeParameters"] = Json::Value(Json::objectValue);
        return document;
    }
    Logger::Warning("Settings file " + file + " is unreadable; writing a new one");
    Json::Value fresh(Json::objectValue);
    fresh["languageSelected"] = settings.language;
    fresh["volumeParameters"]["volume"] = forFile(settings.volume);
    fresh["volumeParameters"]["music"] = forFile(settings.music);
    fresh["volumeParameters"]["sfx"] = forFile(settings.sfx);
    return fresh;
}
} // namespace

GameSettings GameSettings::defaults()
{
    GameSettings settings;
    settings.volume = 1.f;
    settings.music = 0.7f;
    settings.sfx = 0.8f;
    return settings;
}

const std::string& GameSettings::filePath()
{
    static const std::string standard = kDefaultFile;
    return overriddenPath().empty() ? standard : overriddenPath();
}

void GameSettings::setFilePath(const std::string& path)
{
    overriddenPath() = path;
}

void GameSettings::resetFilePath()
{
    overriddenPath().clear();
}

bool loadSettings(GameSettings& settings)
{
    const std::string& file = GameSettings::filePath();
    const GameSettings fallback = GameSettings::defaults();
    Json::Value root;
    std::string error;
    if (!JsonReader::parseFile(file, root, &error) || !root.isObject())
    {
        Logger::Error("Failed to load settings data (" + (error.empty() ? file + " is not a JSON object" : error) +
                      "); using the defaults");
        settings = fallback;
        return false;
    }

    const JsonReader reader(root, file);
    auto warn = [](const JsonTypeError& problem)
    { Logger::Warning(std::string(problem.what()) + "; using the default"); };
    try
    {
        if (reader.has("languageSelected"))
        {
            const int language = reader.read<int>("languageSelected", static_cast<int>(settings.language));
            if (language == 0 || language == 1)
                settings.language = static_cast<unsigned>(language);
            else
                Logger::Warning(file + ": unknown language " + std::to_string(language));
        }
    }
    catch (const JsonTypeError& problem)
    {
        warn(problem);
    }

    // A member that is absent reads as silence, as it always has; one of the wrong
    // type is damage and gets the default.
    std::optional<JsonReader> volumes;
    try
    {
        volumes = reader.child("volumeParameters");
    }
    catch (const JsonTypeError& problem)
    {
        warn(problem);
    }
    auto read = [&](const char* key, float defaultValue)
    {
        if (!volumes)
            return defaultValue;
        if (!volumes->has(key))
            return 0.f;
        float value = defaultValue;
        try
        {
            volumes->get(key, value, defaultValue);
        }
        catch (const JsonTypeError& problem)
        {
            warn(problem);
            return defaultValue;
        }
        const float kept = clampVolume(value, defaultValue);
        if (kept != value)
            Logger::Warning(file + ": \"" + std::string(key) + "\" is outside 0 to 1; using " + std::to_string(kept));
        return kept;
    };
    settings.volume = read("volume", fallback.volume);
    settings.music = read("music", fallback.music);
    settings.sfx = read("sfx", fallback.sfx);
    // Files from before the windowed mode have no "windowMode": the game fills the screen.
    settings.windowed = false;
    try
    {
        settings.windowed = reader.read<std::string>("windowMode", "borderless") == "windowed";
    }
    catch (const JsonTypeError& problem)
    {
        warn(problem);
    }
    return true;
}

bool saveWindowMode(const GameSettings& settings)
{
    Json::Value document = documentToWrite(settings);
    document["windowMode"] = settings.windowed ? "windowed" : "borderless";
    return JsonWriter::writeAtomically(GameSettings::filePath(), document);
}

bool saveVolumes(const GameSettings& settings)
{
    Json::Value document = documentToWrite(settings);
    document["volumeParameters"]["volume"] = forFile(settings.volume);
    document["volumeParameters"]["music"] = forFile(settings.music);
    document["volumeParameters"]["sfx"] = forFile(settings.sfx);
    return JsonWriter::writeAtomically(GameSettings::filePath(), document);
}

bool saveLanguage(GameSettings& settings, unsigned language)
{
    settings.language = language;
    Json::Value document = documentToWrite(settings);
    document["languageSelected"] = language;
    return JsonWriter::writeAtomically(GameSettings::filePath(), document);
}
