#pragma once

#include <filesystem>
#include <optional>

// Everything that differs between desktop systems lives here.
class Platform
{
public:
    // The folder holding the running executable.
    static std::filesystem::path executableDirectory();
    // The first of `start` and its ancestors that holds an "Assets" folder.
    static std::optional<std::filesystem::path> findContentRoot(const std::filesystem::path& start);
};
