#pragma once

#include "core/TextureManager.h"

#include <array>
#include <memory>

// The boss's life along the bottom edge while a boss fights: five stacked pictures of
// one size (trough, glow, life, frame, outline). For now it holds their files and the
// life picture's fixed ends; showing and drawing come with the bosses and the run.
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
    // The life picture always shows its left end of this width and never its right one.
    static constexpr unsigned kEndWidth = 122;

    static std::unique_ptr<TextureManager::Group> bossBarGroup();
};
