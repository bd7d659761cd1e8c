#include "core/Platform.h"

#include <cstdlib>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

#ifdef _WIN32
#include <windows.h>
#endif

std::filesystem::path Platform::executableDirectory()
{
#ifdef _WIN32
    wchar_t buffer[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return std::filesystem::path(std::wstring(buffer, length)).parent_path();
#else
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path();
    return self.parent_path();
#endif
}

std::optional<std::filesystem::path> Platform::findContentRoot(const std::filesystem::path& start)
{
    std::error_code error;
    for (auto dir = std::filesystem::absolute(start, error); !dir.empty(); dir = dir.parent_path())
    {
        if (std::filesystem::is_directory(dir / "Assets", error))
            return dir;
        if (std::filesystem::is_directory(dir / "share" / "umbravale" / "Assets", error))
            return dir / "share" / "umbravale";
        if (dir == dir.parent_path())
            break;
    }
    return std::nullopt;
}

std::filesystem::path Platform::configDirectory()
{
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::filesystem::path(config) / "umbravale";
#ifdef _WIN32
    const char* home = std::getenv("APPDATA");
    if (home && *home)
        return std::filesystem::path(home) / "umbravale";
#else
    const char* home = std::getenv("HOME");
    if (home && *home)
        return std::filesystem::path(home) / ".config" / "umbravale";
#endif
    return {};
}

bool Platform::isWritable(const std::filesystem::path& folder)
{
#ifdef _WIN32
    std::error_code error;
    return std::filesystem::is_directory(folder, error);
#else
    return ::access(folder.c_str(), W_OK) == 0;
#endif
}

bool Platform::isInstalledContent(const std::filesystem::path& root)
{
    return root.filename() == "umbravale" && root.parent_path().filename() == "share";
}
