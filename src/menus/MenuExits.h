#pragma once

#include "run/RunExits.h"

// How a run reaches the menus' screens: the settings screen over the paused run,
// the main menu, and the end screens with their pictures.
class MenuExits : public RunExits
{
public:
    void openSettings() override;
    void leaveToMainMenu() override;
    void leaveTutorial() override;
    std::unique_ptr<TextureManager::Group> gameOverPictures() override;
    std::unique_ptr<GameState> gameOverScreen(GroupList groups) override;
    std::unique_ptr<GameState> victoryScreen(float karma) override;

    // The one instance the game installs.
    static MenuExits& instance();
};
