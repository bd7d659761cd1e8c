#include "core/Engine.h"

#include "core/BackgroundFailures.h"
#include "core/GameSettings.h"
#include "core/GameState.h"
#include "core/GuiBinding.h"
#include "core/RoomNameRegistry.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>

Engine* Engine::instance()
{
    // Deliberately never destroyed: the process ends with the window closed.
    static Engine* engine = new Engine();
    return engine;
}

namespace
{
bool& windowedRequested()
{
    static bool windowed = false;
    return windowed;
}
} // namespace

void Engine::requestWindowed(bool windowed)
{
    windowedRequested() = windowed;
}

sf::FloatRect Engine::letterbox(sf::Vector2u windowSize)
{
    if (windowSize.x == 0 || windowSize.y == 0)
        return {0.f, 0.f, 1.f, 1.f};
    const float w = static_cast<float>(windowSize.x), h = static_cast<float>(windowSize.y);
    const float scale = std::min(w / static_cast<float>(kWidth), h / static_cast<float>(kHeight));
    const float width = static_cast<float>(kWidth) * scale / w, height = static_cast<float>(kHeight) * scale / h;
    return {(1.f - width) / 2.f, (1.f - height) / 2.f, width, height};
}

void Engine::openWindow(bool windowed)
{
    windowed_ = windowed;
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    sf::Vector2u size(desktop.width, desktop.height);
    if (size.x == 0 || size.y == 0)
        size = {kWidth, kHeight};
    if (windowed)
    {
        // A framed window at most four fifths of the desktop, in the game's shape.
        const float scale = std::min({1.f, 0.8f * static_cast<float>(size.x) / static_cast<float>(kWidth),
                                      0.8f * static_cast<float>(size.y) / static_cast<float>(kHeight)});
        const sf::Vector2u framed(static_cast<unsigned>(static_cast<float>(kWidth) * scale),
                                  static_cast<unsigned>(static_cast<float>(kHeight) * scale));
        if (!window)
            window = std::make_unique<sf::RenderWindow>();
        window->create(sf::VideoMode(framed.x, framed.y, 32), "Umbravale", sf::Style::Titlebar | sf::Style::Close);
        window->setPosition(sf::Vector2i((static_cast<int>(size.x) - static_cast<int>(framed.x)) / 2,
                                         (static_cast<int>(size.y) - static_cast<int>(framed.y)) / 2));
    }
    else
    {
        // Borderless over the whole desktop, at the desktop's own resolution.
        if (!window)
            window = std::make_unique<sf::RenderWindow>();
        window->create(sf::VideoMode(size.x, size.y, 32), "Umbravale", sf::Style::None);
        // A borderless window lands at the wrong height unless it is placed explicitly.
        window->setPosition({0, 0});
    }
    window->setFramerateLimit(60);
    window->setMouseCursorVisible(false);
    window->setVerticalSyncEnabled(true);
    sf::Image icon;
    if (icon.loadFromFile(kIconFile))
        window->setIcon(icon.getSize().x, icon.getSize().y, icon.getPixelsPtr());
    applyView();
}

void Engine::applyView()
{
    // The game draws in its 1920 x 1080 space, scaled to fit with bars where the
    // window's shape differs.
    sf::View view(sf::FloatRect(0.f, 0.f, static_cast<float>(kWidth), static_cast<float>(kHeight)));
    const sf::FloatRect viewport = letterbox(window->getSize());
    view.setViewport(viewport);
    window->setView(view);
    barred_ = viewport != sf::FloatRect(0.f, 0.f, 1.f, 1.f);
}

void Engine::toggleWindowed()
{
    openWindow(!windowed_);
    GameSettings settings;
    loadSettings(settings);
    settings.windowed = windowed_;
    saveWindowMode(settings);
}

sf::Vector2f Engine::mousePosition() const
{
    return window->mapPixelToCoords(sf::Mouse::getPosition(*window));
}

void Engine::placeMouse(sf::Vector2f logical)
{
    sf::Mouse::setPosition(window->mapCoordsToPixel(logical), *window);
}

sf::Event Engine::toLogical(const sf::Event& event) const
{
    sf::Event mapped = event;
    auto map = [this](int& x, int& y)
    {
        const sf::Vector2f p = window->mapPixelToCoords({x, y});
        x = static_cast<int>(std::floor(p.x));
        y = static_cast<int>(std::floor(p.y));
    };
    switch (event.type)
    {
    case sf::Event::MouseMoved:
        map(mapped.mouseMove.x, mapped.mouseMove.y);
        break;
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased:
        map(mapped.mouseButton.x, mapped.mouseButton.y);
        break;
    case sf::Event::MouseWheelScrolled:
        map(mapped.mouseWheelScroll.x, mapped.mouseWheelScroll.y);
        break;
    default:
        break;
    }
    return mapped;
}

Engine::Engine()
{
    openWindow(windowedRequested());

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

void Engine::dispatchEvent(const sf::Event& rawEvent)
{
    if (rawEvent.type == sf::Event::Closed)
        window->close();
    if (rawEvent.type == sf::Event::Resized)
        applyView();
    if (rawEvent.type == sf::Event::KeyPressed && rawEvent.key.code == sf::Keyboard::F11)
    {
        toggleWindowed();
        return;
    }
    // Screens see the pointer in the game's 1920 x 1080 space, whatever the window.
    const sf::Event event = toLogical(rawEvent);
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
    cursor.setPosition(mousePosition());
}

void Engine::render()
{
    const sf::Color clearColour(41, 12, 14, 255);
    if (barred_)
    {
        // Black bars around the game's own space.
        window->clear(sf::Color::Black);
        sf::RectangleShape space(sf::Vector2f(static_cast<float>(kWidth), static_cast<float>(kHeight)));
        space.setFillColor(clearColour);
        window->draw(space);
    }
    else
        window->clear(clearColour);
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
