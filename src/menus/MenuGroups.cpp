#include "menus/MenuGroups.h"

#include "menus/GameSettings.h"

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
