#include "core/Engine.h"

#include "core/BackgroundFailures.h"
#include "core/GameState.h"
#include "core/GuiBinding.h"
#include "core/RoomNameRegistry.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

#include <cstdlib>
#include <fstream>

Engine* Engine::instance()
{
    // Deliberately never destroyed: the process ends with the window closed.
    static Engine* engine = new Engine();
    return engine;
}

Engine::Engine()
{
    window = std::make_unique<sf::RenderWindow>(sf::VideoMode(kWidth, kHeight, 32), "Umbravale", sf::Style::None);
    window->setFramerateLimit(60);
    // A borderless window lands at the wrong height unless it is placed explicitly.
    window->setPosition({0, 0});
    window->setMouseCursorVisible(false);
    window->setVerticalSyncEnabled(true);

    sf::Image icon;
    if (icon.loadFromFile(kIconFile))
        window->setIcon(icon.getSize().x, icon.getSize().y, icon.getPixelsPtr());

    // A missing cursor picture leaves an invisible cursor; the game goes on.
    if (cursorTexture_.loadFromFile(kCursorFile))
        cursor.setTexture(cursorTexture_, false);
    cursor.setScale(0.5f, 0.5f);

    GuiBinding::init(*window, sf::Vector2f(window->getSize()));
    frameClock.restart();

    RoomNameRegistry::fill();
    if (const char* heartbeat = std::getenv("UMBRAVALE_HEARTBEAT"))
        heartbeatFile_ = heartbeat;
}

void Engine::runFrame()
{
    sf::Event event;
    while (window->pollEvent(event))
        dispatchEvent(event);
    update();
    render();
    collectRetired();
    ++frames_;
    beat();
}

void Engine::beat()
{
    if (heartbeatFile_.empty() || heartbeatClock_.getElapsedTime().asSeconds() < 1.f)
        return;
    heartbeatClock_.restart();
    std::ofstream(heartbeatFile_, std::ios::trunc) << frames_ << '\n';
}

void Engine::dispatchEvent(const sf::Event& event)
{
    if (event.type == sf::Event::Closed)
        window->close();
    // Read afresh for every event: a handler may have switched screens.
    if (currentState)
        currentState->handleEvent(event);
    GuiBinding::processEvent(event);
}

void Engine::update()
{
    BackgroundFailures::rethrowIfAny();
    frameTime = frameClock.restart().asSeconds();
    if (window->hasFocus() && currentState)
        currentState->handleInput();
    if (currentState)
        currentState->update(frameTime);
    GuiBinding::update(*window, frameTime);
    cursor.setPosition(sf::Vector2f(sf::Mouse::getPosition(*window)));
}

void Engine::render()
{
    window->clear(sf::Color(41, 12, 14, 255));
    if (currentState)
        currentState->draw(*window);
    GuiBinding::render(*window);
    // Over the GUI's windows too, so the pointer stays visible in the room editor.
    window->draw(cursor);
    window->display();
}

void Engine::retire(GameState* state)
{
    if (!state)
        return;
    state->releaseGroups();
    retired_.emplace_back(state);
}

void Engine::retireChain(GameState* state)
{
    while (state)
    {
        GameState* previous = state->previousState;
        state->previousState = nullptr;
        retire(state);
        state = previous;
    }
}

void Engine::collectRetired()
{
    retired_.clear();
}
