#pragma once

// Starts a run (or the tutorial) as a player does: the real main menu, a click on
// its button, the loading screen, until the first frame is drawn.

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
// Seconds from a click on the main menu's `button` to the first frame of the
// screen it leads to (a `Screen`), with `threads` loader threads (0: the default
// count); -1 when that screen did not come in ten minutes.
template <class Screen> double menuToFirstFrame(Engine* engine, int button, unsigned threads)
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
    const auto& clicked = menu->buttons()[button];
    menu->clickAt(clicked->position + sf::Vector2i(3, 3));
    engine->collectRetired();
    while (!dynamic_cast<Screen*>(engine->currentState))
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

// Seconds from the Play click to the run's first frame.
inline double playToFirstFrame(Engine* engine, unsigned threads)
{
    return menuToFirstFrame<InGameState>(engine, MainMenuState::BUTTON_PLAY, threads);
}
} // namespace bench
