#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Clock.hpp>

#include <memory>
#include <string>
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
    // The window's icon, also the one the desktop's menu shows for the installed game.
    static constexpr const char* kIconFile = "Assets/Sprites/Logo/Icon.png";

    // Frames presented since the start.
    unsigned long long frameCount() const { return frames_; }

private:
    Engine();
    // With UMBRAVALE_HEARTBEAT naming a file, the frame count is written there once a
    // second, so that a program driving the game can tell a frozen game from a slow one.
    void beat();

    sf::Texture cursorTexture_;
    unsigned long long frames_ = 0;
    std::string heartbeatFile_;
    sf::Clock heartbeatClock_;
    std::vector<std::unique_ptr<GameState>> retired_;
};
