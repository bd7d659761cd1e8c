#include "core/LoadingState.h"

bool resumePreviousState()
{
    Engine* engine = Engine::instance();
    GameState* current = engine->currentState;
    GameState* previous = current ? current->previousState : nullptr;
    if (!previous)
        return false;
    current->previousState = nullptr;
    engine->retire(current);
    previous->previousState = nullptr;
    engine->currentState = previous;
    return true;
}
