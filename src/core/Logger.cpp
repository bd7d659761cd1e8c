#include "core/Logger.h"

#include <atomic>
#include <iostream>
#include <sstream>

namespace
{
const char* const kReset = "\033[0m";

std::tm localNow()
{
    std::time_t now = std::time(nullptr);
    std::tm result{};
    localtime_r(&now, &result);
    return result;
}

// Both are swapped only by tests, before any loader thread runs.
std::ostream* gStream = &std::cout;
Logger::Clock gClock = localNow;
} // namespace

void Logger::Info(const std::string& message) { write("\033[0;34m", "Info", message); }
void Logger::Success(const std::string& message) { write("\033[0;32m", "Success", message); }
void Logger::Warning(const std::string& message) { write("\033[0;33m", "Warning", message); }
void Logger::Error(const std::string& message) { write("\033[0;31m", "Error", message); }
void Logger::Debug(const std::string&) {}

std::string Logger::timestamp(const std::tm& t)
{
    std::ostringstream out;
    out << '[' << (t.tm_year + 1900) << '/' << (t.tm_mon + 1) << '/' << t.tm_mday << ' ' << t.tm_hour
        << '.' << t.tm_min << '.' << t.tm_sec << "] ";
    return out.str();
}

void Logger::setStream(std::ostream& stream) { gStream = &stream; }
void Logger::setClock(Clock clock) { gClock = std::move(clock); }

void Logger::reset()
{
    gStream = &std::cout;
    gClock = localNow;
}

void Logger::write(const char* colour, const char* label, const std::string& message)
{
    // The whole line goes out in one write so lines from loader threads do not interleave.
    std::string line = timestamp(gClock());
    line += colour;
    line += label;
    line += ": ";
    line += kReset;
    line += message;
    line += kReset;
    line += '\n';
    *gStream << line << std::flush;
}
