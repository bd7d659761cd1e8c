#include "run/karmaBar.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace
{
float steadySeconds()
{
    using namespace std::chrono;
    static const steady_clock::time_point start = steady_clock::now();
    return duration<float>(steady_clock::now() - start).count();
}

void drawIfLoaded(sf::RenderTarget& target, const sf::Sprite& sprite)
{
    if (sprite.getTexture())
        target.draw(sprite);
}
} // namespace

std::unique_ptr<TextureManager::Group> karmaBar::textureGroup()
{
    return std::make_unique<TextureManager::Group>(
        TextureManager::Group{{kBarKey, kBarFile}, {kMarkerKey, kMarkerFile}});
}

karmaBar::karmaBar() : karmaBar(Clock(steadySeconds)) {}

karmaBar::karmaBar(Clock clock) : clock_(std::move(clock)), changedAt_(clock_()) {}

void karmaBar::change(float delta)
{
    if (!std::isfinite(delta))
        return;
    karma_ = std::clamp(karma_ + delta, -kLimit, kLimit);
    changedAt_ = clock_();
}

void karmaBar::set(float karma)
{
    if (!std::isfinite(karma))
        return;
    karma_ = std::clamp(karma, -kLimit, kLimit);
    changedAt_ = clock_();
}

float karmaBar::secondsSinceChange() const { return clock_() - changedAt_; }

sf::Uint8 karmaBar::fadeAlpha() const
{
    const float t = secondsSinceChange();
    if (t >= kFadeSeconds)
        return 0;
    // A clock that stepped back (never on a steady clock, but cheap to survive) shows opaque.
    return static_cast<sf::Uint8>(std::clamp(static_cast<int>((kFadeSeconds - t) * 0.5f * 255.f), 0, 255));
}

std::array<sf::Sprite, 2> karmaBar::pieces(sf::Uint8 barAlpha, sf::Uint8 markerAlpha) const
{
    std::array<sf::Sprite, 2> sprites{TextureManager::getSprite(kBarKey, ORIGIN_CENTER),
                                      TextureManager::getSprite(kMarkerKey, ORIGIN_CENTER)};
    sf::Vector2f anchor;
    if (const sf::Texture* bar = sprites[0].getTexture())
    {
        // The bar's half-scale picture sits flush against the window's bottom-right corner.
        const sf::Vector2f size(bar->getSize());
        anchor = {std::trunc(1920.f - size.x * 0.25f), std::trunc(1080.f - size.y * 0.25f)};
    }
    sprites[0].setPosition(anchor);
    sprites[0].setScale(kScale, kScale);
    sprites[0].setColor({255, 255, 255, barAlpha});
    sprites[1].setPosition(anchor.x + karma_, anchor.y);
    sprites[1].setScale(kScale, kScale);
    sprites[1].setColor({255, 255, 255, markerAlpha});
    return sprites;
}

void karmaBar::draw(sf::RenderTarget& target) const
{
    const sf::Uint8 alpha = fadeAlpha();
    if (alpha == 0)
        return;
    for (const sf::Sprite& piece : pieces(alpha, alpha))
        drawIfLoaded(target, piece);
}

void karmaBar::drawFull(sf::RenderTarget& target, bool dim) const
{
    for (const sf::Sprite& piece : pieces(255, kFullMarkerAlpha))
        drawIfLoaded(target, piece);
    if (dim)
    {
        sf::RectangleShape veil({1920.f, 1080.f});
        veil.setFillColor({0, 0, 0, kDimAlpha});
        target.draw(veil, sf::RenderStates::Default);
    }
}
