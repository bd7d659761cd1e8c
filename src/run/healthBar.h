#pragma once

#include "core/TextureManager.h"

#include <memory>

// The player's health in the top-left corner: a crimson fill cut to the health left,
// an ornate frame over it and a glow that follows the fill. For now it holds the
// pieces' files and where each is drawn; drawing comes with the run.
class healthBar
{
public:
    static constexpr const char* kFillKey = "health_bar";
    static constexpr const char* kFrameKey = "health_bar_layer";
    static constexpr const char* kGlowKey = "health_glow";
    static constexpr const char* kFillFile = "Assets/Sprites/HUD/health_bar.png";
    static constexpr const char* kFrameFile = "Assets/Sprites/HUD/health_bar_layer.png";
    static constexpr const char* kGlowFile = "Assets/Sprites/HUD/health_glow.png";

    // Window positions of the pieces' top-left corners; each is drawn at half scale.
    struct Offset
    {
        float x, y;
    };
    static constexpr Offset kFillPosition{-8.f, 5.f};
    static constexpr Offset kFramePosition{7.f, 0.f};
    static constexpr Offset kGlowPosition{-13.f, -5.f};
    static constexpr float kScale = 0.5f;

    static std::unique_ptr<TextureManager::Group> textureGroup();
};
