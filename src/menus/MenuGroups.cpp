#include "menus/MenuGroups.h"

#include "core/GameSettings.h"
#include "core/UiText.h"

#include <map>

namespace
{
// The pictures that hold words: English at their first paths, French beside the
// settings screen's French pictures.
const std::map<std::string, std::pair<std::string, std::string>>& wordedFiles()
{
    static const std::string fr = "Assets/Sprites/Buttons/Language/French/";
    static const std::map<std::string, std::pair<std::string, std::string>> pictures = {
        {"play_button", {"Assets/Sprites/Buttons/Panels/Play.png", fr + "play.png"}},
        {"credit_button", {"Assets/Sprites/Buttons/Panels/credits.png", fr + "credits.png"}},
        {"exit_button", {"Assets/Sprites/Buttons/Panels/Exit.png", fr + "exit.png"}},
        {"options_button", {"Assets/Sprites/Buttons/Panels/Options.png", fr + "options.png"}},
        {"play_button_h", {"Assets/Sprites/Buttons/Panels_selected/Play.png", fr + "play_h.png"}},
        {"credit_button_h", {"Assets/Sprites/Buttons/Panels_selected/Credits.png", fr + "credits_h.png"}},
        {"exit_button_h", {"Assets/Sprites/Buttons/Panels_selected/Exit.png", fr + "exit_h.png"}},
        {"options_button_h", {"Assets/Sprites/Buttons/Panels_selected/Options.png", fr + "options_h.png"}},
        {"tuto_button", {"Assets/Sprites/Buttons/Tuto.png", fr + "tuto.png"}},
        {"tuto_button_h", {"Assets/Sprites/Buttons/Tuto_h.png", fr + "tuto_h.png"}},
        {"resume_button", {"Assets/Sprites/Buttons/Panels/Resume.png", fr + "resume.png"}},
        {"resume_button_h", {"Assets/Sprites/Buttons/Panels_selected/Resume.png", fr + "resume_h.png"}},
        {"credit_background", {"Assets/Sprites/Buttons/creditbg.png", fr + "creditbg.png"}},
        {"game_over", {"Assets/Sprites/GameOver/GameOver.png", "Assets/Sprites/GameOver/French/GameOver.png"}},
    };
    return pictures;
}

void addWorded(TextureManager::Group& group, const char* key, unsigned language)
{
    group.add(key, MenuGroups::picturePath(key, language));
}
} // namespace

std::string MenuGroups::picturePath(const std::string& key, unsigned language)
{
    auto it = wordedFiles().find(key);
    if (it == wordedFiles().end())
        return "";
    return language == GameSettings::kFrench ? it->second.second : it->second.first;
}

std::unique_ptr<TextureManager::Group> MenuGroups::wordedPictures(unsigned language)
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const auto& [key, paths] : wordedFiles())
        group->add(key, language == GameSettings::kFrench ? paths.second : paths.first);
    return group;
}

unsigned MenuGroups::shownLanguage()
{
    return UiText::language();
}

std::unique_ptr<TextureManager::Group> MenuGroups::mainMenu()
{
    auto group = buttons(shownLanguage());
    group->add("menu_background", "Assets/Sprites/Buttons/background.png");
    group->add("flagpole", "Assets/Sprites/Buttons/flagpole.png");
    for (int i = 0; i < 4; ++i)
        group->add("menu_background_" + std::to_string(i),
                   "Assets/Sprites/Menu/BackgroundAnimation/" + std::to_string(i) + ".png");
    return group;
}

std::unique_ptr<TextureManager::Group> MenuGroups::background()
{
    auto group = std::make_unique<TextureManager::Group>();
    group->add("menu_background", "Assets/Sprites/Buttons/background.png");
    group->add("flagpole", "Assets/Sprites/Buttons/flagpole.png");
    for (int i = 0; i < 4; ++i)
        group->add("menu_background_" + std::to_string(i),
                   "Assets/Sprites/Menu/BackgroundAnimation/" + std::to_string(i) + ".png");
    return group;
}

std::unique_ptr<TextureManager::Group> MenuGroups::backdrop(bool withVictory)
{
    auto group = background();
    addWorded(*group, "game_over", shownLanguage());
    group->add("soul_fire", "Assets/Sprites/GameOver/SoulFire.png");
    if (withVictory)
        group->add("victory_holy", "Assets/Sprites/Victory/victory_holy.png");
    return group;
}

std::unique_ptr<TextureManager::Group> MenuGroups::buttons(unsigned language)
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const char* key : {"play_button", "credit_button", "exit_button", "options_button", "play_button_h",
                            "credit_button_h", "exit_button_h", "options_button_h", "tuto_button", "tuto_button_h"})
        addWorded(*group, key, language);
    return group;
}

std::unique_ptr<TextureManager::Group> MenuGroups::pauseMenu(unsigned language)
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const char* key :
         {"resume_button", "resume_button_h", "options_button", "options_button_h", "exit_button", "exit_button_h"})
        addWorded(*group, key, language);
    return group;
}

std::unique_ptr<TextureManager::Group> MenuGroups::menuResources(unsigned language)
{
    auto group = std::make_unique<TextureManager::Group>();
    fillMenuResources(*group, language, false);
    return group;
}

std::unique_ptr<TextureManager::Group> MenuGroups::credits()
{
    const unsigned language = shownLanguage();
    auto group = std::make_unique<TextureManager::Group>();
    for (const char* key : {"credit_background", "exit_button", "exit_button_h"})
        addWorded(*group, key, language);
    return group;
}

std::unique_ptr<TextureManager::Group> MenuGroups::gameOver()
{
    auto group = std::make_unique<TextureManager::Group>();
    addWorded(*group, "game_over", shownLanguage());
    for (int i = 0; i < 17; ++i)
        group->add("fire_" + std::to_string(i),
                   "Assets/Sprites/GameOver/Animation/Flamme_" + std::to_string(i + 1) + ".png");
    return group;
}

std::unique_ptr<TextureManager::Group> MenuGroups::victory(float karma)
{
    auto group = std::make_unique<TextureManager::Group>();
    group->add("Victory",
               karma < 0.f ? "Assets/Sprites/Victory/Diabolique.png" : "Assets/Sprites/Victory/Angelique.png");
    return group;
}

GroupList MenuGroups::returnGroups(std::unique_ptr<TextureManager::Group> backdropGroup)
{
    GroupList groups;
    groups.push_back(std::move(backdropGroup));
    groups.push_back(menuResources(shownLanguage()));
    return groups;
}

bool MenuGroups::setLanguage(GameSettings& settings, unsigned language)
{
    const bool written = saveLanguage(settings, language);
    UiText::setLanguage(settings.language);
    TextureManager::Group group;
    fillMenuResources(group, language, true);
    return written;
}

void MenuGroups::fillMenuResources(TextureManager::Group& group, unsigned language, bool reloadNow)
{
    group.add("template", "Assets/Sprites/Buttons/template.png");
    group.add("lb_white", "Assets/Sprites/Buttons/lb_white.png");
    group.add("lb_grey", "Assets/Sprites/Buttons/lb_grey.png");

    // The credits and the buttons hold words: they follow the language, English for
    // an unknown one. Only the credits screen draws the credits, and it loads them
    // itself: a language switch need not decode that picture again.
    TextureManager::Group languageEntries;
    const unsigned wordsLanguage = language == GameSettings::kFrench ? language : GameSettings::kEnglish;
    addWorded(group, "credit_background", wordsLanguage);
    for (const char* key : {"play_button", "credit_button", "exit_button", "options_button", "play_button_h",
                            "credit_button_h", "exit_button_h", "options_button_h", "tuto_button", "tuto_button_h"})
    {
        addWorded(group, key, wordsLanguage);
        addWorded(languageEntries, key, wordsLanguage);
    }

    if (language == GameSettings::kEnglish || language == GameSettings::kFrench)
    {
        const std::string folder = language == GameSettings::kEnglish ? "Assets/Sprites/Buttons/Language/English/"
                                                                      : "Assets/Sprites/Buttons/Language/French/";
        const std::pair<const char*, const char*> entries[] = {
            {"en_selection", "english_simple.png"},
            {"fr_selection", "french_simple.png"},
            {"en_selection_hovered", "english_selected.png"},
            {"fr_selection_hovered", "french_selected.png"},
            {"key_simple", "key_simple.png"},
            {"key_hovered", "key_hovered.png"},
            {"key_panel", "Keys.png"},
            {"language_simple", "language_simple.png"},
            {"language_hovered", "language_hovered.png"},
            {"sound_simple", "sound_simple.png"},
            {"sound_hovered", "sound_selected.png"},
            {"sound_panel", "Sound.png"},
            {"fond", "square1.png"},
            {"cadre", "square2.png"},
        };
        for (const auto& [key, file] : entries)
        {
            group.add(key, folder + file);
            languageEntries.add(key, folder + file);
        }
    }

    if (reloadNow)
    {
        // The fixed pictures are the same in every language: only those missing
        // are loaded, so a language switch does not decode the large backdrops again.
        // A paused run's pause buttons follow the language too.
        languageEntries.unload();
        if (TextureManager::isPresent("resume_button"))
        {
            auto pause = pauseMenu(wordsLanguage);
            pause->unload();
            pause->load();
        }
        for (const auto& [key, path] : group.flatten())
            if (!TextureManager::isPresent(key))
                TextureManager::loadTexture(key, path);
    }
}
