#include "core/GameSettings.h"

#include "core/JsonReader.h"
#include "support/SettingsFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <string>

namespace
{
namespace fs = std::filesystem;

TEST_F(SettingsFile, RoundTripKeepsEveryOtherKey)
{
    write(R"({"languageSelected": 0, "volumeParameters": {"music": 0.5, "volume": 1.0, "sfx": 0.25, "pan": 3},
              "windowMode": "borderless"})");
    GameSettings settings;
    ASSERT_TRUE(loadSettings(settings));
    EXPECT_FLOAT_EQ(settings.music, 0.5f);
    EXPECT_FLOAT_EQ(settings.sfx, 0.25f);

    settings.music = 0.3f;
    settings.volume = 0.9f;
    settings.sfx = 0.f;
    ASSERT_TRUE(saveVolumes(settings));

    GameSettings again;
    ASSERT_TRUE(loadSettings(again));
    EXPECT_EQ(again, settings);
    const Json::Value document = reread();
    EXPECT_EQ(document["windowMode"].asString(), "borderless");
    EXPECT_EQ(document["volumeParameters"]["pan"].asInt(), 3);
    EXPECT_FALSE(fs::exists(path_ + ".tmp")) << "the temporary file must be renamed away";
}

TEST_F(SettingsFile, MissingMemberReadsAsSilenceAndUnknownLanguageKeepsEnglish)
{
    write(R"({"languageSelected": 7, "volumeParameters": {"music": 0.5, "volume": 1.0}})");
    GameSettings settings;
    EXPECT_TRUE(loadSettings(settings));
    EXPECT_EQ(settings.language, GameSettings::kEnglish);
    EXPECT_FLOAT_EQ(settings.sfx, 0.f);
}

struct BrokenCase
{
    const char* name;
    const char* content; // nullptr: no file at all
    GameSettings expected;
    bool readable;
};

void PrintTo(const BrokenCase& c, std::ostream* os)
{
    *os << c.name;
}

class BrokenSettingsFile : public SettingsFile, public ::testing::WithParamInterface<BrokenCase>
{
};

TEST_P(BrokenSettingsFile, LoadsDefaultsAndTheNextSaveWritesAValidFile)
{
    const BrokenCase& c = GetParam();
    if (c.content)
        write(c.content);
    LogCapture log;
    GameSettings settings;
    settings.music = 0.123f; // must not survive a failed load
    EXPECT_EQ(loadSettings(settings), c.readable);
    EXPECT_EQ(settings, c.expected);
    EXPECT_FALSE(log.text().empty()) << "a damaged settings file must be reported";

    settings.music = 0.4f;
    ASSERT_TRUE(saveVolumes(settings));
    GameSettings again;
    EXPECT_TRUE(loadSettings(again));
    EXPECT_EQ(again, settings);
    const Json::Value document = reread();
    EXPECT_TRUE(document["languageSelected"].isInt());
    EXPECT_TRUE(document["volumeParameters"]["sfx"].isDouble());
}

GameSettings withVolumes(unsigned language, float volume, float music, float sfx)
{
    GameSettings s;
    s.language = language;
    s.volume = volume;
    s.music = music;
    s.sfx = sfx;
    return s;
}

const GameSettings kDefaults = GameSettings::defaults();

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenSettingsFile,
    ::testing::Values(
        BrokenCase{"Missing", nullptr, kDefaults, false}, BrokenCase{"Empty", "", kDefaults, false},
        BrokenCase{"Truncated", R"({"languageSelected": 1, "volumePar)", kDefaults, false},
        BrokenCase{"NotAnObject", "[0.5, 0.5]", kDefaults, false},
        BrokenCase{"VolumesNotAnObject", R"({"languageSelected": 1, "volumeParameters": 0.5})",
                   withVolumes(1, kDefaults.volume, kDefaults.music, kDefaults.sfx), true},
        BrokenCase{"WrongTypes",
                   R"({"languageSelected": "fr", "volumeParameters": {"music": "loud", "volume": true, "sfx": 0.5}})",
                   withVolumes(0, kDefaults.volume, kDefaults.music, 0.5f), true},
        BrokenCase{"OutOfRange",
                   R"({"languageSelected": 1, "volumeParameters": {"music": 7, "volume": -2, "sfx": 0.5}})",
                   withVolumes(1, 0.f, 1.f, 0.5f), true}),
    [](const ::testing::TestParamInfo<BrokenCase>& info) { return std::string(info.param.name); });

} // namespace

namespace
{
TEST_F(SettingsFile, TheWindowModeIsReadAndWrittenAndOlderFilesFillTheScreen)
{
    write(R"({"languageSelected": 1, "volumeParameters": {"music": 0.5, "volume": 1.0, "sfx": 0.25}})");
    GameSettings settings;
    ASSERT_TRUE(loadSettings(settings));
    EXPECT_FALSE(settings.windowed) << "a file from before the windowed mode fills the screen";

    settings.windowed = true;
    ASSERT_TRUE(saveWindowMode(settings));
    EXPECT_EQ(reread()["windowMode"].asString(), "windowed");
    EXPECT_EQ(reread()["languageSelected"].asInt(), 1) << "the other keys must survive";
    GameSettings again;
    loadSettings(again);
    EXPECT_TRUE(again.windowed);

    write(R"({"windowMode": 3})");
    GameSettings broken;
    LogCapture log;
    loadSettings(broken);
    EXPECT_FALSE(broken.windowed);
    EXPECT_EQ(log.count("using the default"), 1);
}
} // namespace
