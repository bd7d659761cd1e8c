#pragma once

#include "core/TextureManager.h"

namespace sf
{
class Event;
class RenderWindow;
} // namespace sf

// Base of every screen. A state owns the texture groups it needs and unloads them
// when it goes. States are chained through `previousState`, which keeps a paused
// screen (a run behind its settings) alive.
class GameState
{
public:
    explicit GameState(GroupList groups = {});
    virtual ~GameState();

    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    virtual void update(float frameTime) = 0;
    virtual void draw(sf::RenderWindow& window) = 0;
    // Polls held keys; called once a frame before update, only while the window has focus.
    virtual void handleInput() = 0;
    virtual void handleEvent(const sf::Event& event) = 0;

    // Unloads every texture the state's groups name and drops the groups. Runs at
    // destruction, or earlier when the state's release is deferred to the frame's end.
    void releaseGroups();

    GameState* previousState = nullptr;

protected:
    GroupList groups;
};
