#pragma once

#include "core/GameState.h"

#include <SFML/Window/Event.hpp>

#include <functional>
#include <vector>

// A screen that records what the engine asks of it; `onEvent` lets a test make it
// switch screens from inside its handler.
class RecordingState : public GameState
{
public:
    explicit RecordingState(GroupList groups = {}) : GameState(std::move(groups)) { ++alive; }
    ~RecordingState() override { --alive; }

    void update(float) override { ++updates; }
    void draw(sf::RenderWindow&) override { ++draws; }
    void handleInput() override { ++inputs; }
    void handleEvent(const sf::Event& event) override
    {
        events.push_back(event.type);
        if (onEvent)
            onEvent(event);
    }

    int updates = 0, draws = 0, inputs = 0;
    std::vector<sf::Event::EventType> events;
    std::function<void(const sf::Event&)> onEvent;
    static inline int alive = 0;
};
