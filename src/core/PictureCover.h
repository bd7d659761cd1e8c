#pragma once

#include <SFML/Graphics/Rect.hpp>

#include <vector>

namespace sf
{
class Image;
}

// A picture told apart into the rectangles where it is wholly opaque and those where
// it is not (a soft rim, a hole, a ragged outline), in its own pixels. Whatever lies
// under an opaque rectangle never shows, so it need not be drawn, and the rectangle
// can be copied without blending. Together the rectangles tile the picture exactly,
// without overlapping.
class PictureCover
{
public:
    // The picture is judged in squares of this side; a square is opaque only when
    // every pixel of it is.
    static constexpr int kCell = 32;

    static PictureCover of(const sf::Image& image);

    std::vector<sf::IntRect> opaque;
    std::vector<sf::IntRect> soft;
};
