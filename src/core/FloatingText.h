#pragma once

#include "core/Widget.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>

#include <string>

namespace sf
{
class RenderWindow;
}

// A short-lived notice (a pick-up message) that drifts by `velocity` over its
// lifetime and fades from opaque to invisible.
class FloatingText : public Widget
{
public:
    enum Alignment : unsigned
    {
        ALIGN_LEFT = 0,
        ALIGN_CENTER = 1,
        ALIGN_RIGHT = 2,
    };

    // Moves the notice on by `frameTime`; false once its lifetime is over and the
    // owner should drop it. The drift stops at exactly `velocity`.
    bool advance(float frameTime);
    bool finished() const { return elapsed >= duration; }

    // Opacity of both colours now: 255 when created, 0 at the end of the lifetime.
    sf::Uint8 alpha() const;
    // The text as it would be drawn now (colours, position, origin).
    sf::Text makeText() const;
    void draw(sf::RenderWindow& window) const;

    std::string text;
    sf::Font font;
    sf::Color fillColour = sf::Color::White;
    sf::Color outlineColour = sf::Color::Black;
    sf::Vector2f position;
    sf::Vector2f offset;
    sf::Vector2f velocity;
    float elapsed = 0.f;
    float duration = 1.f;
    float outlineThickness = 0.f;
    float characterSize = 20.f;
    unsigned alignment = ALIGN_LEFT;
};
