#pragma once

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>

// Where the player reads the devices it polls every frame: held keys, the first
// pad's axes and the cursor. The game reads the real devices; tests install a
// scripted source so a walk or an aimed swing can be replayed exactly.
class PlayerInput
{
public:
    virtual ~PlayerInput() = default;

    virtual bool keyHeld(sf::Keyboard::Key key) const;

    // The movement keys held, from either set: Z Q S D (AZERTY) or W A S D (QWERTY).
    struct Directions
    {
        bool up = false;
        bool down = false;
        bool left = false;
        bool right = false;
    };
    Directions heldDirections() const;
    // Position of an axis of joystick 0 in [-100, 100]; 0 when no pad is connected.
    virtual float joystickAxis(sf::Joystick::Axis axis) const;
    // The cursor in the 1920 x 1080 reference pixels of the window.
    virtual sf::Vector2f pointer() const;

    // The source in use: the one installed, or the real devices.
    static PlayerInput& current();
    // Null puts the real devices back. The caller keeps ownership.
    static void install(PlayerInput* input);
};
