#include "Game.h"

#include "core/Engine.h"
#include "menus/Logo.h"
#include "menus/MainMenuState.h"
#include "menus/MenuExits.h"
#include "run/RunExits.h"

void Game::wire()
{
    RunExits::install(&MenuExits::instance());
}

void Game::start()
{
    wire();
    Engine* engine = Engine::instance();
    MainMenuState::mainMenuGroup()->load();
    engine->currentState = new Logo();
}
