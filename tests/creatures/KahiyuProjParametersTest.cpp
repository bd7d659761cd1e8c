#include "creatures/KahiyuProj.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace
{
TEST(KahiyuProjParameters, ReadsKeysLabelsAndSkipsOtherTokens)
{
    std::istringstream in("# rock\nDAMAGE 9 junk\nAPOGEE_DELTA 150\nATTACK_REACH 60\n"
                          "EXPLOSION_VFX size 800 100 frames 8 time 0.05\n");
    KahiyuProjParameters p;
    std::string error;
    ASSERT_TRUE(KahiyuProj::parseParameters(in, p, error)) << error;
    EXPECT_EQ(p.damage, 9);
    EXPECT_EQ(p.apogeeDelta, 150);
    EXPECT_EQ(p.attackReach, 60);
    EXPECT_FLOAT_EQ(p.sheetWidth, 800.f);
    EXPECT_FLOAT_EQ(p.sheetHeight, 100.f);
    EXPECT_EQ(p.frameCount, 8);
    EXPECT_FLOAT_EQ(p.frameTime, 0.05f);
}

TEST(KahiyuProjParameters, MalformedValuesAreErrorsNamingTheirLine)
{
    const struct
    {
        const char* text;
        const char* line;
    } cases[] = {
        {"DAMAGE 9\nAPOGEE_DELTA high\n", "line 2"},
        {"DAMAGE\n", "line 1"},
        {"ATTACK_REACH 1e999999\n", "line 1"},
        {"EXPLOSION_VFX size 800 100 frames 0 time 0.05\n", "line 1"},
        {"DAMAGE 5\n\nEXPLOSION_VFX size 800 100 frames\n", "line 3"},
        {"EXPLOSION_VFX size 800 nan frames 8 time 0.1", "line 1"},
    };
    for (const auto& c : cases)
    {
        std::istringstream in(c.text);
        KahiyuProjParameters p;
        std::string error;
        EXPECT_FALSE(KahiyuProj::parseParameters(in, p, error)) << c.text;
        EXPECT_NE(error.find(c.line), std::string::npos) << c.text << " gave: " << error;
    }
}

TEST(KahiyuProjParametersDeathTest, AnUnreadableFileEndsTheProcessWithStatusOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string bad = ::testing::TempDir() + "BadKahiyuProj.txt";
    std::ofstream(bad) << "DAMAGE x\n";
    EXPECT_EXIT(KahiyuProj::loadParameters(bad), ::testing::ExitedWithCode(1), "Error while loading Kahiyu data");
    EXPECT_EXIT(KahiyuProj::loadParameters(::testing::TempDir() + "NoSuchFile.txt"), ::testing::ExitedWithCode(1),
                "Error while loading Kahiyu data");
}

TEST(KahiyuProjParameters, TheGameFileReadsAndMatchesItsBurstSheet)
{
    std::ifstream in(KahiyuProj::kParameterFile);
    ASSERT_TRUE(in) << "missing " << KahiyuProj::kParameterFile;
    KahiyuProjParameters p;
    std::string error;
    ASSERT_TRUE(KahiyuProj::parseParameters(in, p, error)) << error;
    EXPECT_GT(p.damage, 0);
    EXPECT_GT(p.attackReach, 0);
    EXPECT_EQ(static_cast<int>(p.sheetWidth) / p.frameCount, 128) << "the burst sheet is painted in 128 px frames";
}
} // namespace
