#pragma once

#include <filesystem>
#include <optional>

// Everything that differs between desktop systems lives here.
class Platform
{
public:
    // The folder holding the running executable.
    static std::filesystem::path executableDirectory();
    // The first of `start` and its ancestors that holds an "Assets" folder, or whose
    // "share/umbravale" does (the installed game: bin/ beside share/).
    static std::optional<std::filesystem::path> findContentRoot(const std::filesystem::path& start);
    // The user's folder for the game's settings: $XDG_CONFIG_HOME/umbravale, else
    // ~/.config/umbravale; empty when neither variable is set.
    static std::filesystem::path configDirectory();
    // Whether a content root is an installed game's (".../share/umbravale").
    static bool isInstalledContent(const std::filesystem::path& root);
    // Whether a file can be created in `folder`.
    static bool isWritable(const std::filesystem::path& folder);
};
