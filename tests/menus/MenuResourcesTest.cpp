#include "menus/MenuGroups.h"

#include "core/Artefact.h"
#include "core/GameSettings.h"
#include "core/Item.h"
#include "core/LoadingScreen.h"
#include "core/TextureManager.h"
#include "core/UiText.h"
#include "menus/PreparedSets.h"
#include "run/BagTexts.h"
#include "support/SettingsFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

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
        int inFolder;
    };
    // French adds its buttons and credits (eleven pictures with words) to the folder.
    for (const Case& c : {Case{0, "Assets/Sprites/Buttons/Language/English/", 28, 14},
                          Case{1, "Assets/Sprites/Buttons/Language/French/", 28, 25}, Case{7, nullptr, 14, 0}})
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
        EXPECT_EQ(inFolder, c.inFolder) << "language " << c.language;
    }
}

// The language the screens speak, put back whatever the test does.
struct ShownLanguage
{
    explicit ShownLanguage(unsigned language) : before(UiText::language()) { UiText::setLanguage(language); }
    ~ShownLanguage() { UiText::setLanguage(before); }
    unsigned before;
};

// What the screens draw in words, with the language they are shown in: the loading
// screen's titles and counter, the pause menu's title and seed, the trade window,
// the pentagram, the bag's tooltips and summary (an item and each kind of artefact).
std::vector<std::string> screenTexts()
{
    std::vector<std::string> texts;
    for (const char* title : {"Loading...", "Loading", "Starting game"})
        texts.push_back(UiText::translate(title));
    texts.push_back(LoadingScreen::progressText(3, 40));
    for (UiText::Id id : UiText::all())
        texts.push_back(UiText::get(id));
    Item bell("Bell", Item::MATERIAL, 10, 20, "Dropped by Toatao, the sound from it is feared by all.");
    texts.push_back(BagTexts::tooltip(bell, 3));
    std::vector<std::shared_ptr<Artefact>> equipped;
    for (std::int32_t kind : {Artefact::STAT, Artefact::GOLD_ON_HIT, Artefact::LOOT_ON_HIT, Artefact::SPEED})
        for (unsigned seed = 0; seed < 8; ++seed)
        {
            std::srand(seed);
            auto artefact = std::make_shared<Artefact>();
            Artefact::rollArtefact(*artefact);
            if (artefact->artefactKind != kind)
                continue;
            texts.push_back(BagTexts::tooltip(*artefact, 2));
            equipped.push_back(artefact);
            break;
        }
    texts.push_back(BagTexts::summary(10.f, 4.f, equipped));
    for (const std::string& phrase : UiText::phrases(UiText::language()))
        texts.push_back(phrase);
    return texts;
}

TEST(FrenchScreens, NoEnglishWordsAreLeftInWhatTheScreensWrite)
{
    // The English words of every table entry, less those French writes the same way.
    std::set<std::string> english;
    auto add = [&](std::string words)
    {
        const auto first = words.find_first_not_of(" \n%+:");
        const auto last = words.find_last_not_of(" \n:");
        if (first != std::string::npos && last >= first)
            english.insert(words.substr(first, last - first + 1));
    };
    for (UiText::Id id : UiText::all())
        if (UiText::get(id, UiText::kEnglish) != UiText::get(id, UiText::kFrench))
            add(UiText::get(id, UiText::kEnglish));
    for (const std::string& phrase : UiText::phrases(UiText::kEnglish))
        add(phrase);
    ASSERT_GT(english.size(), 40u);

    ShownLanguage french(UiText::kFrench);
    for (const std::string& text : screenTexts())
    {
        EXPECT_FALSE(text.empty());
        for (const std::string& words : english)
            if (words != "Pause" && words.size() > 3)
                EXPECT_EQ(text.find(words), std::string::npos) << "\"" << words << "\" in \"" << text << "\"";
    }
    EXPECT_EQ(UiText::translate("Loading..."), "Chargement...");
    EXPECT_EQ(LoadingScreen::progressText(3, 40), "Chargement : 3/40");

    // Back in English the same screens write the English words.
    UiText::setLanguage(UiText::kEnglish);
    EXPECT_EQ(UiText::translate("Loading..."), "Loading...");
    EXPECT_EQ(UiText::translate("Bell"), "Bell");
    EXPECT_EQ(LoadingScreen::progressText(3, 40), "Loading: 3/40");
    UiText::setLanguage(7);
    EXPECT_EQ(UiText::language(), UiText::kEnglish) << "an unknown language shows English";
}

TEST(FrenchScreens, EveryPictureWithWordsComesFromTheFrenchFiles)
{
    ShownLanguage french(UiText::kFrench);
    std::vector<std::unique_ptr<TextureManager::Group>> groups;
    groups.push_back(MenuGroups::mainMenu());
    groups.push_back(MenuGroups::menuResources(MenuGroups::shownLanguage()));
    groups.push_back(MenuGroups::credits());
    groups.push_back(MenuGroups::gameOver());
    groups.push_back(MenuGroups::backdrop());
    groups.push_back(MenuGroups::pauseMenu(MenuGroups::shownLanguage()));
    groups.push_back(PreparedSets::endScreens());
    for (auto& group : MenuGroups::returnGroups(MenuGroups::background()))
        groups.push_back(std::move(group));
    int worded = 0;
    for (const auto& group : groups)
        for (const auto& [key, path] : group->flatten())
        {
            const std::string frenchPath = MenuGroups::picturePath(key, UiText::kFrench);
            if (frenchPath.empty())
                continue;
            ++worded;
            EXPECT_EQ(path, frenchPath) << key;
            EXPECT_NE(path.find("/French/"), std::string::npos) << key << " -> " << path;
            EXPECT_NE(frenchPath, MenuGroups::picturePath(key, UiText::kEnglish)) << key << " has one picture";
        }
    EXPECT_GE(worded, 30);

    // Screens that share a picture name the same file, so loading them together
    // finds no conflict.
    LogCapture log;
    GroupList together;
    together.push_back(MenuGroups::mainMenu());
    together.push_back(MenuGroups::menuResources(MenuGroups::shownLanguage()));
    together.push_back(MenuGroups::credits());
    LoadingScreen::dealGroups(std::move(together), 2);
    EXPECT_EQ(log.count("already exists in another group"), 0) << log.text();
}
} // namespace
