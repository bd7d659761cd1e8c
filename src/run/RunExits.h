#pragma once

#include "core/TextureManager.h"

#include <memory>

class GameState;

// The screens a run leads to, which belong to the menus above it: the settings over
// the paused run, the main menu, and the game-over and victory screens. The game
// installs the menus' answer when it starts (tests install the same, or their own).
class RunExits
{
public:
    virtual ~RunExits() = default;

    // The pause menu's options: the settings screen, with the paused run kept alive behind it.
    virtual void openSettings() = 0;
    // The pause menu's exit: the run is left for good toward the main menu.
    virtual void leaveToMainMenu() = 0;
    // The end of the tutorial's last page: back to the main menu for good.
    virtual void leaveTutorial() = 0;
    // The game-over screen's pictures, which the run loads in the background when the
    // player is in danger.
    virtual std::unique_ptr<TextureManager::Group> gameOverPictures() = 0;
    // The end screens, built on the spot (their pictures are already loaded).
    virtual std::unique_ptr<GameState> gameOverScreen(GroupList groups) = 0;
    virtual std::unique_ptr<GameState> victoryScreen(float karma) = 0;

    // The installed exits, or null.
    static RunExits* installed();
    static void install(RunExits* exits);
};
