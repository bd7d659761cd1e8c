#include "menus/MenuExits.h"

#include "core/GameSettings.h"
#include "core/LoadingState.h"
#include "menus/GameOverState.h"
#include "menus/MainMenuState.h"
#include "menus/MenuGroups.h"
#include "menus/SettingState.h"
#include "menus/VictoryState.h"

namespace
{
// What the settings screen and the main menu need when a run hands over to them.
GroupList menuGroups()
{
    GroupList groups;
    groups.push_back(MenuGroups::background());
    groups.push_back(MenuGroups::menuResources(MenuGroups::shownLanguage()));
    return groups;
}
} // namespace

void MenuExits::openSettings()
{
    pushLoading<SettingState>("Loading", menuGroups());
}

void MenuExits::leaveToMainMenu()
{
    returnToMainMenu(menuGroups());
}

void MenuExits::leaveTutorial()
{
    // The menu's backdrop with the end screens' pictures, as the menu's later screens expect.
    GroupList groups;
    groups.push_back(MenuGroups::backdrop(true));
    groups.push_back(MenuGroups::menuResources(GameSettings::kEnglish));
    returnToMainMenu(std::move(groups));
}

std::unique_ptr<TextureManager::Group> MenuExits::gameOverPictures()
{
    return MenuGroups::gameOver();
}

std::unique_ptr<GameState> MenuExits::gameOverScreen(GroupList groups)
{
    return std::make_unique<GameOverState>(std::move(groups));
}

std::unique_ptr<GameState> MenuExits::victoryScreen(float karma)
{
    GroupList groups;
    groups.push_back(MenuGroups::victory(karma));
    groups.back()->load();
    return std::make_unique<VictoryState>(std::move(groups));
}

MenuExits& MenuExits::instance()
{
    static MenuExits exits;
    return exits;
}
