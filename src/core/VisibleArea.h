#pragma once

#include <SFML/Graphics/Rect.hpp>

namespace sf
{
class Image;
class Sprite;
class Texture;
} // namespace sf

// The smallest rectangle of a picture that holds all of its non-transparent pixels.
// A picture with wide transparent margins (a full-screen overlay whose drawing sits in
// its middle) can then be drawn without them: the same look, far less blending.
class VisibleArea
{
public:
    // Empty when every pixel is transparent.
    static sf::IntRect of(const sf::Image& image);
    // Reads the texture back from the graphics card: once per picture, never per frame.
    static sf::IntRect of(const sf::Texture& texture);
    // Cuts `sprite`, which shows its whole texture, to `area` of it (and a texel
    // round it), keeping what is drawn where it was.
    static void crop(sf::Sprite& sprite, const sf::IntRect& area);
};
