#include "core/VisibleArea.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cstddef>

sf::IntRect VisibleArea::of(const sf::Image& image)
{
    const sf::Vector2u size = image.getSize();
    const sf::Uint8* pixels = image.getPixelsPtr();
    if (!pixels)
        return {};
    unsigned left = size.x, top = size.y, right = 0, bottom = 0;
    for (unsigned y = 0; y < size.y; ++y)
    {
        const sf::Uint8* row = pixels + static_cast<std::size_t>(y) * size.x * 4;
        for (unsigned x = 0; x < size.x; ++x)
            if (row[x * 4 + 3] != 0)
            {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = y + 1;
            }
    }
    if (right <= left || bottom <= top)
        return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
            static_cast<int>(bottom - top)};
}

sf::IntRect VisibleArea::of(const sf::Texture& texture)
{
    return of(texture.copyToImage());
}

void VisibleArea::crop(sf::Sprite& sprite, const sf::IntRect& area)
{
    const sf::Texture* texture = sprite.getTexture();
    if (!texture)
        return;
    // A transparent texel of margin, as far as smoothing spreads the edge of the
    // picture once it is scaled.
    sf::IntRect kept;
    if (area.width > 0 && area.height > 0)
    {
        const sf::Vector2i size(texture->getSize());
        const int left = std::max(area.left - 1, 0), top = std::max(area.top - 1, 0);
        const int right = std::min(area.left + area.width + 1, size.x);
        const int bottom = std::min(area.top + area.height + 1, size.y);
        kept = sf::IntRect(left, top, right - left, bottom - top);
    }
    const sf::Vector2f origin = sprite.getOrigin();
    sprite.setTextureRect(kept);
    sprite.setOrigin(origin - sf::Vector2f(static_cast<float>(kept.left), static_cast<float>(kept.top)));
}
