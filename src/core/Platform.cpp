#include "core/Platform.h"

#include <system_error>

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
        if (dir == dir.parent_path())
            break;
    }
    return std::nullopt;
}
