#include "run/BossLifeBar.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>

namespace
{
// Only the main thread touches the bar: bosses update and the run draws there.
struct BarState
{
    bool shown = false;
    float maximumHealth = 0.f;
    float fillWidth = 0.f;
};

BarState& state()
{
    static BarState bar;
    return bar;
}

// Width of the life picture that tracks the health: everything but its two ends.
float travel()
{
    const sf::Texture* life = TextureManager::getTexture(BossLifeBar::kPieces[BossLifeBar::kLifePiece].key);
    if (!life)
        return 0.f;
    return std::max(0.f, static_cast<float>(life->getSize().x) - 2.f * BossLifeBar::kEndWidth);
}
} // namespace

std::unique_ptr<TextureManager::Group> BossLifeBar::bossBarGroup()
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const auto& piece : kPieces)
        group->add(piece.key, piece.file);
    state().shown = false;
    return group;
}

void BossLifeBar::show(float bossMaximumHealth)
{
    BarState& bar = state();
    bar.shown = true;
    bar.maximumHealth = bossMaximumHealth;
    // Full until the boss's first update says otherwise, not the last boss's remains.
    updateBossBar(bossMaximumHealth);
}

void BossLifeBar::updateBossBar(float health)
{
    BarState& bar = state();
    if (!bar.shown)
        return;
    const float full = travel();
    // A boss without health (a bad data file) shows an empty bar rather than dividing by zero;
    // an overkill hit leaves health below 0, which must not cut past the fixed end.
    if (!(bar.maximumHealth > 0.f) || !std::isfinite(health))
    {
        bar.fillWidth = 0.f;
        return;
    }
    bar.fillWidth = std::clamp(full / bar.maximumHealth * health, 0.f, full);
}

void BossLifeBar::hide() { state().shown = false; }

bool BossLifeBar::shown() { return state().shown; }

float BossLifeBar::bossMaximumHealth() { return state().maximumHealth; }

float BossLifeBar::fillWidth() { return state().fillWidth; }

std::array<sf::Sprite, 5> BossLifeBar::pieces()
{
    std::array<sf::Sprite, 5> sprites;
    for (std::size_t i = 0; i < kPieces.size(); ++i)
    {
        sf::Sprite& sprite = sprites[i];
        sprite = TextureManager::getSprite(kPieces[i].key, ORIGIN_TOP_LEFT);
        const sf::Texture* texture = sprite.getTexture();
        if (!texture)
            continue;
        const sf::Vector2f size(texture->getSize());
        // Centred across the window, its half-scale picture a third of its height above the bottom.
        sprite.setPosition((1920.f - size.x * 0.5f) * 0.5f, 1080.f - size.y / 1.5f);
        sprite.setScale(0.5f, 0.5f);
        if (i == kLifePiece)
            sprite.setTextureRect(
                {0, 0, static_cast<int>(std::trunc(state().fillWidth)) + static_cast<int>(kEndWidth),
                 static_cast<int>(size.y)});
    }
    return sprites;
}

void BossLifeBar::drawBossBar(sf::RenderTarget& target)
{
    if (!state().shown)
        return;
    for (const sf::Sprite& piece : pieces())
        if (piece.getTexture())
            target.draw(piece);
}

void BossLifeBar::reset() { state() = BarState{}; }
