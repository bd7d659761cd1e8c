#pragma once

#include <ctime>
#include <functional>
#include <iosfwd>
#include <string>

// Timestamped, coloured log lines on the standard output. Four visible levels;
// Debug lines are built by the caller and dropped.
class Logger
{
public:
    using Clock = std::function<std::tm()>;

    static void Info(const std::string& message);
    static void Success(const std::string& message);
    static void Warning(const std::string& message);
    static void Error(const std::string& message);
    static void Debug(const std::string& message);

    // "[2026/3/8 9.5.7] ": the line prefix for a local time.
    static std::string timestamp(const std::tm& time);

    // Tests redirect the log and freeze its clock; reset() restores stdout and local time.
    static void setStream(std::ostream& stream);
    static void setClock(Clock clock);
    static void reset();

private:
    static void write(const char* colour, const char* label, const std::string& message);
};
