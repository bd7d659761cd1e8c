#include "menus/MenuGroups.h"

#include "core/GameSettings.h"
#include "core/TextureManager.h"
#include "support/SettingsFile.h"

#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <filesystem>
#include <string>

namespace
{
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
    ASSERT_TRUE(std::filesystem::exists(french)) << "run the content generator first";
    MenuGroups::fillMenuResources(*std::make_unique<TextureManager::Group>(), GameSettings::kEnglish, true);
    ASSERT_TRUE(samePixels(*TextureManager::getTexture("sound_hovered"), english));

    GameSettings settings;
    ASSERT_TRUE(loadSettings(settings));
    ASSERT_TRUE(MenuGroups::setLanguage(settings, GameSettings::kFrench));
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
        MenuGroups::fillMenuResources(group, c.language, false);
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
