#include "core/Logger.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
std::tm at(int year, int month, int day, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}
} // namespace

TEST(LoggerTimestamp, NumbersHaveNoLeadingZeros)
{
    struct Case
    {
        std::tm time;
        const char* expected;
    } cases[] = {
        {at(2026, 3, 8, 9, 5, 7), "[2026/3/8 9.5.7] "},
        {at(2026, 12, 8, 21, 8, 10), "[2026/12/8 21.8.10] "},
        {at(2027, 1, 1, 0, 0, 0), "[2027/1/1 0.0.0] "},
        {at(2026, 10, 31, 23, 59, 59), "[2026/10/31 23.59.59] "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Logger::timestamp(c.time), c.expected);
}

TEST(LoggerLine, EachLevelWritesItsColourLabelAndResets)
{
    struct Case
    {
        void (*log)(const std::string&);
        const char* colour;
        const char* label;
    } cases[] = {
        {Logger::Info, "\033[0;34m", "Info"},
        {Logger::Success, "\033[0;32m", "Success"},
        {Logger::Warning, "\033[0;33m", "Warning"},
        {Logger::Error, "\033[0;31m", "Error"},
    };
    for (const auto& c : cases)
    {
        LogCapture capture;
        c.log("the message");
        EXPECT_EQ(capture.text(), std::string("[2026/12/8 21.8.10] ") + c.colour + c.label +
                                      ": \033[0mthe message\033[0m\n")
            << c.label;
    }
}

TEST(LoggerLine, DebugWritesNothing)
{
    LogCapture capture;
    Logger::Debug("LOAD : something");
    EXPECT_TRUE(capture.text().empty());
}
