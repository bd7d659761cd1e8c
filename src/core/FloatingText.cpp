#include "core/FloatingText.h"

#include <SFML/Graphics/RenderWindow.hpp>

#include <algorithm>

bool FloatingText::advance(float frameTime)
{
    elapsed += frameTime;
    const float progress = duration > 0.f ? std::min(elapsed / duration, 1.f) : 1.f;
    offset = velocity * progress;
    return !finished();
}

sf::Uint8 FloatingText::alpha() const
{
    const float remaining = duration > 0.f ? 1.f - elapsed / duration : 0.f;
    // Past its lifetime a notice is invisible, never wrapped back to opaque.
    return static_cast<sf::Uint8>(std::clamp(static_cast<int>(remaining * 255.f), 0, 255));
}

sf::Text FloatingText::makeText() const
{
    const sf::Uint8 a = alpha();
    sf::Text shown;
    shown.setFont(font);
    shown.setString(sf::String::fromUtf8(text.begin(), text.end()));
    shown.setCharacterSize(static_cast<unsigned>(characterSize));
    shown.setFillColor(sf::Color(fillColour.r, fillColour.g, fillColour.b, a));
    shown.setOutlineColor(sf::Color(outlineColour.r, outlineColour.g, outlineColour.b, a));
    shown.setOutlineThickness(outlineThickness);
    shown.setPosition(position + offset);
    const sf::FloatRect bounds = shown.getLocalBounds();
    switch (alignment)
    {
    case ALIGN_LEFT:
        shown.setOrigin(0.f, bounds.height / 2.f);
        break;
    case ALIGN_CENTER:
        shown.setOrigin(bounds.width / 2.f, bounds.height / 2.f);
        break;
    case ALIGN_RIGHT:
        shown.setOrigin(bounds.width, bounds.height / 2.f);
        break;
    default:
        break;
    }
    return shown;
}

void FloatingText::draw(sf::RenderWindow& window) const
{
    window.draw(makeText());
}
