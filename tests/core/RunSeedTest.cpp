#include "core/RunSeed.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace
{
TEST(RunSeed, TheCommandLineWinsOverTheEnvironmentAndBadValuesFallBackToTheTime)
{
    struct Case
    {
        std::vector<std::string> arguments;
        const char* environment;
        unsigned expected;
        bool warned;
    };
    const unsigned time = 777;
    const std::vector<Case> cases = {
        {{}, nullptr, time, false},
        {{}, "42", 42, false},
        {{"--seed", "9"}, "42", 9, false},
        {{"--seed=4294967295"}, nullptr, 4294967295u, false},
        {{"--windowed", "--seed", "12"}, nullptr, 12, false},
        {{}, "forty-two", time, true},
        {{}, "", time, true},
        {{}, "-3", time, true},
        {{"--seed=4294967296"}, nullptr, time, true},
        {{"--seed"}, "42", time, true},
    };
    for (const Case& c : cases)
    {
        LogCapture log;
        EXPECT_EQ(RunSeed::choose(c.arguments, c.environment, time), c.expected)
            << (c.environment ? c.environment : "(no variable)");
        EXPECT_EQ(log.count("is not a whole number: using the time"), c.warned ? 1 : 0)
            << (c.environment ? c.environment : "(no variable)");
        EXPECT_EQ(RunSeed::given(c.arguments, c.environment), !c.warned && c.expected != time);
    }
}

TEST(RunSeed, AGivenSeedStartsEveryRunTheSameAndATimeSeedDrawsOnePerRun)
{
    RunSeed::apply(1234, true);
    std::rand(); // whatever the menus drew meanwhile
    EXPECT_EQ(RunSeed::startRun(), 1234u);
    const int first = std::rand();
    std::rand();
    EXPECT_EQ(RunSeed::startRun(), 1234u);
    EXPECT_EQ(std::rand(), first) << "the same seed must give the same draws";

    RunSeed::apply(99, false);
    const unsigned a = RunSeed::startRun();
    const unsigned b = RunSeed::startRun();
    EXPECT_NE(a, b) << "runs of one session must differ without a given seed";
    EXPECT_EQ(RunSeed::ofRun(), b);
    // A reported run seed replays the run.
    RunSeed::apply(b, true);
    EXPECT_EQ(RunSeed::startRun(), b);
}
} // namespace
