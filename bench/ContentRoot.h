#pragma once

#include "core/Platform.h"

#include <cstdio>
#include <filesystem>

// Benchmarks read the content tree as the game does: moves into the folder that holds
// Assets/ (beside the program or above it). False, with a message, when there is none.
inline bool enterContentRoot()
{
    const auto root = Platform::findContentRoot(Platform::executableDirectory());
    if (!root)
    {
        std::fprintf(stderr, "no Assets folder found\n");
        return false;
    }
    std::filesystem::current_path(*root);
    return true;
}
