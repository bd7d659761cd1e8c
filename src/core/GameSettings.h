#pragma once

#include <string>

// The player's settings: the language of the menus and three volumes, kept in one
// JSON file that the settings screen writes and every screen that plays sound reads.
struct GameSettings
{
    static constexpr unsigned kEnglish = 0;
    static constexpr unsigned kFrench = 1;
    static constexpr const char* kDefaultFile = "Assets/Data/Parameters/GameData.json";

    unsigned language = kEnglish;
    float volume = 0.f;
    float music = 0.f;
    float sfx = 0.f;
    // A window with a frame instead of the whole screen ("windowMode": "windowed").
    bool windowed = false;

    // What a player gets when the file cannot be read at all: English, sound on.
    static GameSettings defaults();

    // The file read and written; tests point it elsewhere.
    static const std::string& filePath();
    static void setFilePath(const std::string& path);
    static void resetFilePath();

    bool operator==(const GameSettings&) const = default;
};

// Fills the record from the settings file. A missing, empty or broken file is
// logged and gives the defaults; a member of the wrong type keeps its default;
// volumes are clamped to [0, 1]. True when the file was read.
bool loadSettings(GameSettings& settings);
// Writes the three volumes into the file, keeping every other key. A broken file is
// replaced by a whole valid one. True when written.
bool saveVolumes(const GameSettings& settings);
// Writes the window mode into the file, keeping every other key. True when written.
bool saveWindowMode(const GameSettings& settings);
// Sets the language and writes it into the file, keeping every other key. True when written.
bool saveLanguage(GameSettings& settings, unsigned language);
