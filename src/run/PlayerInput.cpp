#include "run/PlayerInput.h"

#include "core/Engine.h"

#include <SFML/Window/Mouse.hpp>

namespace
{
PlayerInput* installed = nullptr;
}

bool PlayerInput::keyHeld(sf::Keyboard::Key key) const
{
    return sf::Keyboard::isKeyPressed(key);
}

float PlayerInput::joystickAxis(sf::Joystick::Axis axis) const
{
    if (!sf::Joystick::isConnected(0) || !sf::Joystick::hasAxis(0, axis))
        return 0.f;
    return sf::Joystick::getAxisPosition(0, axis);
}

sf::Vector2f PlayerInput::pointer() const
{
    const auto& window = Engine::instance()->window;
    if (!window)
        return {0.f, 0.f};
    // Through the default view, so a window shown smaller than 1920 x 1080 still aims right.
    return window->mapPixelToCoords(sf::Mouse::getPosition(*window), window->getDefaultView());
}

PlayerInput& PlayerInput::current()
{
    static PlayerInput devices;
    return installed ? *installed : devices;
}

void PlayerInput::install(PlayerInput* input)
{
    installed = input;
}

PlayerInput::Directions PlayerInput::heldDirections() const
{
    Directions held;
    held.up = keyHeld(sf::Keyboard::Z) || keyHeld(sf::Keyboard::W);
    held.down = keyHeld(sf::Keyboard::S);
    held.left = keyHeld(sf::Keyboard::Q) || keyHeld(sf::Keyboard::A);
    held.right = keyHeld(sf::Keyboard::D);
    return held;
}
