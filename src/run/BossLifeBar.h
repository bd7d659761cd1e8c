#pragma once

#include "core/TextureManager.h"

#include <SFML/Graphics/Sprite.hpp>

#include <array>
#include <memory>

namespace sf
{
class RenderTarget;
}

// The boss's life along the bottom edge while a boss fights: five stacked pictures of
// one size (trough, glow, life, frame, outline). One bar serves the whole process:
// a boss shows it when it is created, feeds it its health every update and hides it
// when it dies; the run draws it over everything else in window pixels.
class BossLifeBar
{
public:
    struct Piece
    {
        const char* key;
        const char* file;
    };
    // In drawing order.
    static constexpr std::array<Piece, 5> kPieces{{
        {"Boss_Bottom", "Assets/Sprites/Enemy/Boss/LifeBar/Bottom.png"},
        {"Boss_Light", "Assets/Sprites/Enemy/Boss/LifeBar/Light.png"},
        {"Boss_LifeBar", "Assets/Sprites/Enemy/Boss/LifeBar/LifeBar.png"},
        {"Boss_Top", "Assets/Sprites/Enemy/Boss/LifeBar/Top.png"},
        {"Boss_Outline", "Assets/Sprites/Enemy/Boss/LifeBar/Outline.png"},
    }};
    static constexpr std::size_t kLifePiece = 2;
    // The life picture always shows its left end of this width and never its right one.
    static constexpr unsigned kEndWidth = 122;

    // The pieces' textures; building it also hides the bar, so a new run never
    // inherits the bar of a boss left behind in the previous one.
    static std::unique_ptr<TextureManager::Group> bossBarGroup();

    // A boss appeared with this much health: the bar shows, full.
    static void show(float bossMaximumHealth);
    // Every boss update: the life follows `health`, kept between empty and full.
    static void updateBossBar(float health);
    // The boss is gone.
    static void hide();
    static void drawBossBar(sf::RenderTarget& target);

    static bool shown();
    static float bossMaximumHealth();
    // Pixels of the life picture shown beyond its fixed left end.
    static float fillWidth();
    // The five pieces as drawn now, placed in window pixels; the life cut to the
    // health. A piece whose texture is not loaded comes back without a texture.
    static std::array<sf::Sprite, 5> pieces();

    // Back to the state of a fresh process (tests).
    static void reset();
};
