#pragma once

#include "core/TextureManager.h"
#include "core/Widget.h"

#include <SFML/Graphics/Sprite.hpp>

#include <array>
#include <memory>

namespace sf
{
class RenderTarget;
}

// The player's health in the top-left corner: a crimson fill cut to the health left,
// an ornate frame over it and a glow that follows the fill. It pulses smaller on a
// hit and eases back. Drawn in window pixels, whatever the camera does.
class healthBar : public Widget
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
    static constexpr float kHitPulse = 0.95f;

    static std::unique_ptr<TextureManager::Group> textureGroup();

    explicit healthBar(float maximum = 100.f);

    // Once per player update: shows `health` and eases the pulse back toward full size.
    void update(float health);
    // The player was hurt: the bar shrinks a little, then grows back over a few updates.
    void hit() { pulse_ = kHitPulse; }
    // Artefacts may raise the player's maximum; a non-positive maximum is ignored.
    void setMaximum(float maximum);

    float maximum() const { return maximum_; }
    float shownHealth() const { return shownHealth_; }
    float pulse() const { return pulse_; }
    // Share of the bar that is full, always within [0, 1]: a player below 0 health
    // (an overkill hit) shows an empty bar, never a mirrored one.
    float fraction() const;

    // The fill, the frame and the glow in drawing order, placed in window pixels.
    // A piece whose texture is not loaded comes back without a texture.
    std::array<sf::Sprite, 3> pieces(bool godMode) const;
    void draw(sf::RenderTarget& target, bool godMode) const;

private:
    float maximum_;
    float shownHealth_;
    float pulse_ = 1.f;
};
