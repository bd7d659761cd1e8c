#include "run/healthBar.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>

std::unique_ptr<TextureManager::Group> healthBar::textureGroup()
{
    return std::make_unique<TextureManager::Group>(
        TextureManager::Group{{kFillKey, kFillFile}, {kFrameKey, kFrameFile}, {kGlowKey, kGlowFile}});
}

healthBar::healthBar(float maximum) : maximum_(maximum > 0.f ? maximum : 100.f), shownHealth_(maximum_) {}

void healthBar::update(float health)
{
    shownHealth_ = health;
    pulse_ = pulse_ * 0.75f + 0.25f;
}

void healthBar::setMaximum(float maximum)
{
    if (maximum > 0.f)
        maximum_ = maximum;
}

float healthBar::fraction() const
{
    const float f = shownHealth_ / maximum_;
    return std::isfinite(f) ? std::clamp(f, 0.f, 1.f) : 0.f;
}

std::array<sf::Sprite, 3> healthBar::pieces(bool godMode) const
{
    const float p = pulse_;
    const float f = fraction();
    std::array<sf::Sprite, 3> sprites{TextureManager::getSprite(kFillKey, ORIGIN_TOP_LEFT),
                                      TextureManager::getSprite(kFrameKey, ORIGIN_TOP_LEFT),
                                      TextureManager::getSprite(kGlowKey, ORIGIN_TOP_LEFT)};

    sf::Sprite& fill = sprites[0];
    fill.setPosition(kFillPosition.x, kFillPosition.y);
    fill.setScale(p * kScale, p * kScale);
    if (const sf::Texture* texture = fill.getTexture())
    {
        const sf::Vector2u size = texture->getSize();
        fill.setTextureRect({0, 0, static_cast<int>(static_cast<float>(size.x) * f), static_cast<int>(size.y)});
    }

    sf::Sprite& frame = sprites[1];
    frame.setPosition(kFramePosition.x, kFramePosition.y);
    frame.setScale(p * kScale, p * kScale);

    // The glow narrows with the fill so it never shines over the empty part.
    sf::Sprite& glow = sprites[2];
    glow.setPosition(kGlowPosition.x, kGlowPosition.y);
    glow.setScale(godMode ? p * kScale : f * kScale + p * 0.01f, p * kScale);
    return sprites;
}

void healthBar::draw(sf::RenderTarget& target, bool godMode) const
{
    for (const sf::Sprite& piece : pieces(godMode))
        if (piece.getTexture())
            target.draw(piece);
}
