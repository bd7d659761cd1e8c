#pragma once

#include <SFML/System/Vector2.hpp>

namespace sf
{
class Event;
class RenderWindow;
class Texture;
} // namespace sf

// The thin layer between SFML and Dear ImGui: window events become ImGui input,
// each frame starts with the display size and frame time, and ImGui's draw lists
// are rendered through its OpenGL2 backend between SFML's own drawing.
class GuiBinding
{
public:
    static void init(sf::RenderWindow& window, sf::Vector2f displaySize);
    static void processEvent(const sf::Event& event);
    static void update(sf::RenderWindow& window, float frameTime);
    static void render(sf::RenderWindow& window);
    static void shutdown();
    static bool active();

    // An sf::Texture shown as an ImGui image of the given size (its whole size by default).
    static void image(const sf::Texture& texture, sf::Vector2f size = {0.f, 0.f});
    static bool imageButton(const sf::Texture& texture, sf::Vector2f size);
    // A button showing the part of `texture` between the texture coordinates uv0 and uv1 (0..1).
    static bool imageButton(const sf::Texture& texture, sf::Vector2f size, sf::Vector2f uv0, sf::Vector2f uv1);

    // Whether the GUI takes the mouse (the pointer is over a window) or the keyboard
    // (a text field is being typed in); the world view must then leave them alone.
    static bool wantsMouse();
    static bool wantsKeyboard();
};
