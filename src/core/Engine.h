#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Clock.hpp>

#include <memory>
#include <vector>

class GameState;

// The application: the one window, the frame clock, the software cursor and the
// current screen. Created on first use and alive until the process ends; the game
// hands it its first screen.
class Engine
{
public:
    static Engine* instance();

    // One whole frame: events, update, drawing, presentation, then the release of
    // the screens left during the frame.
    void runFrame();
    // Routes one window event: the close request, the current screen, the GUI.
    void dispatchEvent(const sf::Event& event);
    // The per-frame update step: frame time, input, screen update, GUI frame, cursor.
    void update();
    void render();

    // A screen that has been left: its textures are unloaded now, the object itself
    // is destroyed once the frame is over (its handler may still be running).
    void retire(GameState* state);
    // retire() for the state and every predecessor it keeps alive.
    void retireChain(GameState* state);
    void collectRetired();

    GameState* currentState = nullptr;
    std::unique_ptr<sf::RenderWindow> window;
    sf::Clock frameClock;
    float frameTime = 0.f;
    sf::Sprite cursor;

    static constexpr unsigned kWidth = 1920;
    static constexpr unsigned kHeight = 1080;
    static constexpr const char* kCursorFile = "Assets/Sprites/Curseur/Curseur.png";

private:
    Engine();

    sf::Texture cursorTexture_;
    std::vector<std::unique_ptr<GameState>> retired_;
};
