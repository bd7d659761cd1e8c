#pragma once

#include "core/Logger.h"

#include <sstream>
#include <string>

// Captures log lines for the length of a test, with a frozen clock.
class LogCapture
{
public:
    LogCapture()
    {
        Logger::setStream(stream_);
        Logger::setClock([] {
            std::tm t{};
            t.tm_year = 2026 - 1900;
            t.tm_mon = 11;
            t.tm_mday = 8;
            t.tm_hour = 21;
            t.tm_min = 8;
            t.tm_sec = 10;
            return t;
        });
    }
    ~LogCapture() { Logger::reset(); }

    std::string text() const { return stream_.str(); }
    // How many times `needle` occurs in the captured log.
    int count(const std::string& needle) const
    {
        int n = 0;
        const std::string all = stream_.str();
        for (auto pos = all.find(needle); pos != std::string::npos; pos = all.find(needle, pos + needle.size()))
            ++n;
        return n;
    }

private:
    std::ostringstream stream_;
};
