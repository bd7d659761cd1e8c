#include "menus/GameSettings.h"

#include "core/JsonReader.h"
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

// Points the settings at a scratch file for the length of a test.
class SettingsFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("umbravale-settings-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "GameData.json").string();
        GameSettings::setFilePath(path_);
    }
    void TearDown() override
    {
        GameSettings::resetFilePath();
        fs::remove_all(dir_);
    }
    void write(const std::string& text)
    {
        std::ofstream out(path_, std::ios::binary);
        out << text;
    }
    Json::Value reread() const
    {
        Json::Value document;
        EXPECT_TRUE(JsonReader::parseFile(path_, document)) << "the settings file on disk is not valid JSON";
        return document;
    }

    fs::path dir_;
    std::string path_;
};

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

void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.name; }

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

bool samePixels(const sf::Texture& texture, const std::string& file)
{
    sf::Image expected;
    if (!expected.loadFromFile(file))
        return false;
    const sf::Image shown = texture.copyToImage();
    if (shown.getSize() != expected.getSize())
        return false;
    const std::size_t bytes = std::size_t(shown.getSize().x) * shown.getSize().y * 4;
    return std::equal(shown.getPixelsPtr(), shown.getPixelsPtr() + bytes, expected.getPixelsPtr());
}

TEST_F(SettingsFile, LanguageSwitchWritesTheFileAndSwapsThePicturesAtOnce)
{
    write(R"({"languageSelected": 0, "volumeParameters": {"music": 0.5, "volume": 1.0, "sfx": 0.5}})");
    const std::string english = "Assets/Sprites/Buttons/Language/English/sound_selected.png";
    const std::string french = "Assets/Sprites/Buttons/Language/French/sound_selected.png";
    ASSERT_TRUE(fs::exists(french)) << "run the content generator first";
    fillMenuResources(*std::make_unique<TextureManager::Group>(), GameSettings::kEnglish, true);
    ASSERT_TRUE(samePixels(*TextureManager::getTexture("sound_hovered"), english));

    GameSettings settings;
    ASSERT_TRUE(loadSettings(settings));
    ASSERT_TRUE(setLanguage(settings, GameSettings::kFrench));
    EXPECT_EQ(reread()["languageSelected"].asInt(), 1);
    EXPECT_TRUE(samePixels(*TextureManager::getTexture("sound_hovered"), french))
        << "the tab pictures must change with the language";
    EXPECT_FLOAT_EQ(reread()["volumeParameters"]["music"].asFloat(), 0.5f) << "the volumes must survive";

    GameSettings reloaded;
    loadSettings(reloaded);
    EXPECT_EQ(reloaded.language, GameSettings::kFrench);
    TextureManager::clear();
}

TEST(MenuResources, LanguageChoosesTheFolderOfTheFourteenLanguageEntries)
{
    struct Case
    {
        unsigned language;
        const char* folder;
        std::size_t entries;
    };
    for (const Case& c : {Case{0, "Assets/Sprites/Buttons/Language/English/", 28},
                          Case{1, "Assets/Sprites/Buttons/Language/French/", 28}, Case{7, nullptr, 14}})
    {
        TextureManager::Group group;
        fillMenuResources(group, c.language, false);
        const auto entries = group.flatten();
        EXPECT_EQ(entries.size(), c.entries) << "language " << c.language;
        int inFolder = 0;
        for (const auto& [key, path] : entries)
            if (path.find("/Language/") != std::string::npos)
            {
                ++inFolder;
                EXPECT_EQ(path.rfind(c.folder ? c.folder : "?", 0), 0u) << key << " -> " << path;
            }
        EXPECT_EQ(inFolder, c.folder ? 14 : 0) << "language " << c.language;
    }
}
} // namespace
