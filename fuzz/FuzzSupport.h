#pragma once

#include "core/Logger.h"

#include <ostream>
#include <streambuf>

// Silences the game log while a fuzzer runs: loaders log every rejected file.
inline void silenceLogForFuzzing()
{
    struct NullBuffer : std::streambuf
    {
        int overflow(int c) override { return c; }
    };
    static NullBuffer buffer;
    static std::ostream sink(&buffer);
    Logger::setStream(sink);
}
