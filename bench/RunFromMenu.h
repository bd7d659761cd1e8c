#pragma once

// Starts a run as a player does: the real main menu, a click on Play, the loading
// screen, until the run's first frame is drawn.

#include "FrameTiming.h"
#include "core/Engine.h"
#include "core/GameSettings.h"
#include "core/LoadingScreen.h"
#include "core/TextureManager.h"
#include "menus/MainMenuState.h"
#include "menus/MenuGroups.h"
#include "run/InGameState.h"

namespace bench
{
// Seconds from the Play click to the run's first frame with `threads` loader
// threads (0: the default count); -1 when the run did not start in ten minutes.
inline double playToFirstFrame(Engine* engine, unsigned threads)
{
    engine->retireChain(engine->currentState);
    engine->currentState = nullptr;
    engine->collectRetired();
    TextureManager::clear();
    TextureManager::loadTexture(LoadingScreen::kAnimationKey, LoadingScreen::kAnimationFile);
    auto menuGroup = MainMenuState::mainMenuGroup();
    menuGroup->addChild(MenuGroups::menuResources(GameSettings::kEnglish));
    menuGroup->load();
    GroupList groups;
    groups.push_back(std::move(menuGroup));
    auto* menu = new MainMenuState(std::move(groups));
    engine->currentState = menu;

    LoadingScreen::setThreadCountOverride(threads);
    const auto start = Clock::now();
    const auto& play = menu->buttons()[MainMenuState::BUTTON_PLAY];
    menu->clickAt(play->position + sf::Vector2i(3, 3));
    engine->collectRetired();
    while (!dynamic_cast<InGameState*>(engine->currentState))
    {
        engine->runFrame();
        if (milliseconds(Clock::now() - start) > 600000.0)
            return -1.0;
    }
    engine->runFrame();
    glFinish();
    LoadingScreen::setThreadCountOverride(0);
    return milliseconds(Clock::now() - start) / 1000.0;
}
} // namespace bench
