#include "core/LoadingState.h"

#include "menus/MainMenuState.h"

void returnToMainMenu(GroupList groups) { replaceWithLoading<MainMenuState>("Loading...", std::move(groups)); }

void resumePreviousState(GroupList fallback)
{
    Engine* engine = Engine::instance();
    GameState* current = engine->currentState;
    GameState* previous = current ? current->previousState : nullptr;
    if (!previous)
    {
        returnToMainMenu(std::move(fallback));
        return;
    }
    current->previousState = nullptr;
    engine->retire(current);
    previous->previousState = nullptr;
    engine->currentState = previous;
}
