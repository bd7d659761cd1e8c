#include "menus/MenuGroups.h"

#include "core/GameSettings.h"

std::unique_ptr<TextureManager::Group> MenuGroups::mainMenu()
{
    auto group = buttons();
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
    group->add("game_over", "Assets/Sprites/GameOver/GameOver.png");
    group->add("soul_fire", "Assets/Sprites/GameOver/SoulFire.png");
    if (withVictory)
        group->add("victory_holy", "Assets/Sprites/Victory/victory_holy.png");
    return group;
}

std::unique_ptr<TextureManager::Group> MenuGroups::buttons()
{
    return std::make_unique<TextureManager::Group>(TextureManager::Group{
        {"play_button", "Assets/Sprites/Buttons/Panels/Play.png"},
        {"credit_button", "Assets/Sprites/Buttons/Panels/credits.png"},
        {"exit_button", "Assets/Sprites/Buttons/Panels/Exit.png"},
        {"options_button", "Assets/Sprites/Buttons/Panels/Options.png"},
        {"play_button_h", "Assets/Sprites/Buttons/Panels_selected/Play.png"},
        {"credit_button_h", "Assets/Sprites/Buttons/Panels_selected/Credits.png"},
        {"exit_button_h", "Assets/Sprites/Buttons/Panels_selected/Exit.png"},
        {"options_button_h", "Assets/Sprites/Buttons/Panels_selected/Options.png"},
        {"tuto_button", "Assets/Sprites/Buttons/Tuto.png"},
        {"tuto_button_h", "Assets/Sprites/Buttons/Tuto_h.png"},
    });
}

std::unique_ptr<TextureManager::Group> MenuGroups::menuResources(unsigned language)
{
    auto group = std::make_unique<TextureManager::Group>();
    fillMenuResources(*group, language, false);
    return group;
}

std::unique_ptr<TextureManager::Group> MenuGroups::credits()
{
    return std::make_unique<TextureManager::Group>(TextureManager::Group{
        {"credit_background", "Assets/Sprites/Buttons/creditbg.png"},
        {"exit_button", "Assets/Sprites/Buttons/Panels/Exit.png"},
        {"exit_button_h", "Assets/Sprites/Buttons/Panels_selected/Exit.png"},
    });
}

std::unique_ptr<TextureManager::Group> MenuGroups::gameOver()
{
    auto group = std::make_unique<TextureManager::Group>();
    group->add("game_over", "Assets/Sprites/GameOver/GameOver.png");
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
    groups.push_back(menuResources(GameSettings::kEnglish));
    return groups;
}

bool MenuGroups::setLanguage(GameSettings& settings, unsigned language)
{
    const bool written = saveLanguage(settings, language);
    TextureManager::Group group;
    fillMenuResources(group, language, true);
    return written;
}

void MenuGroups::fillMenuResources(TextureManager::Group& group, unsigned language, bool reloadNow)
{
    group.add("credit_background", "Assets/Sprites/Buttons/creditbg.png");
    group.add("template", "Assets/Sprites/Buttons/template.png");
    group.add("lb_white", "Assets/Sprites/Buttons/lb_white.png");
    group.add("lb_grey", "Assets/Sprites/Buttons/lb_grey.png");
    group.add("play_button", "Assets/Sprites/Buttons/Panels/Play.png");
    group.add("credit_button", "Assets/Sprites/Buttons/Panels/credits.png");
    group.add("exit_button", "Assets/Sprites/Buttons/Panels/Exit.png");
    group.add("options_button", "Assets/Sprites/Buttons/Panels/Options.png");
    group.add("play_button_h", "Assets/Sprites/Buttons/Panels_selected/Play.png");
    group.add("credit_button_h", "Assets/Sprites/Buttons/Panels_selected/Credits.png");
    group.add("exit_button_h", "Assets/Sprites/Buttons/Panels_selected/Exit.png");
    group.add("options_button_h", "Assets/Sprites/Buttons/Panels_selected/Options.png");
    group.add("tuto_button", "Assets/Sprites/Buttons/Tuto.png");
    group.add("tuto_button_h", "Assets/Sprites/Buttons/Tuto_h.png");

    TextureManager::Group languageEntries;
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
        languageEntries.unload();
        for (const auto& [key, path] : group.flatten())
            if (!TextureManager::isPresent(key))
                TextureManager::loadTexture(key, path);
    }
}
