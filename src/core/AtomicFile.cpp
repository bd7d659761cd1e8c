#include "core/AtomicFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

std::string AtomicFile::temporaryPathFor(const std::string& path)
{
    return path + ".saving";
}

bool AtomicFile::write(const std::string& path, const std::string& text, std::string* problem,
                       const BeforeRename& beforeRename)
{
    auto fail = [&](const std::string& why, const std::string& temporary)
    {
        if (problem)
            *problem = why;
        if (!temporary.empty())
        {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
        }
        return false;
    };

    const std::string temporary = temporaryPathFor(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return fail("Cannot open " + temporary + " for writing", "");
        out << text;
        out.flush();
        if (!out)
            return fail("Cannot write " + temporary + " (disk full?)", temporary);
    }
    if (beforeRename && !beforeRename(temporary))
        return fail("Saving " + path + " was interrupted before the file was replaced", temporary);
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error)
        return fail("Cannot replace " + path + ": " + error.message(), temporary);
    return true;
}
