#pragma once

#include "core/Engine.h"
#include "core/LoadingScreen.h"

// The loading screen in front of a screen of type T; T is constructed on the main
// thread from the loaded groups once every texture is present.
template <typename T> class LoadingState : public LoadingScreen
{
public:
    using LoadingScreen::LoadingScreen;

protected:
    void handOver() override
    {
        Engine* engine = Engine::instance();
        T* next = new T(std::move(loadGroups));
        next->previousState = previousState;
        previousState = nullptr;
        engine->currentState = next;
        engine->retire(this);
    }
};

// Enters LoadingState<T> and keeps the current screen alive as its predecessor.
template <typename T> void pushLoading(const std::string& message, GroupList groups)
{
    Engine* engine = Engine::instance();
    GameState* current = engine->currentState;
    // The predecessor's predecessor goes first: its textures are unloaded before the
    // loader threads look at what is already present.
    if (current && current->previousState)
    {
        engine->retire(current->previousState);
        current->previousState = nullptr;
    }
    auto* loading = new LoadingState<T>(message, std::move(groups));
    loading->previousState = current;
    engine->currentState = loading;
}

// Leaves the current screen for good: its whole chain is unloaded before the new
// loading screen starts its threads. The caller returns at once.
template <typename T> void replaceWithLoading(const std::string& message, GroupList groups)
{
    Engine* engine = Engine::instance();
    engine->retireChain(engine->currentState);
    engine->currentState = new LoadingState<T>(message, std::move(groups));
}

// Back to the paused predecessor, exactly as it was left; false (and nothing done)
// when there is none. The caller returns at once after a true.
bool resumePreviousState();
