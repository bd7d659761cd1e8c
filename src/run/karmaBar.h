#pragma once

#include "core/TextureManager.h"
#include "core/Widget.h"

#include <SFML/Graphics/Sprite.hpp>

#include <array>
#include <functional>
#include <memory>

namespace sf
{
class RenderTarget;
}

// The run's karma and its gauge in the bottom-right corner: a bar, demonic on the left
// and angelic on the right, and a marker one pixel from its centre per karma point.
// The gauge shows for two seconds after every change, fading out; the inventory,
// minimap and pause screens show it in full.
class karmaBar : public Widget
{
public:
    static constexpr const char* kBarKey = "karma_bar";
    static constexpr const char* kMarkerKey = "karma_gauge";
    static constexpr const char* kBarFile = "Assets/Sprites/HUD/karma_bar.png";
    static constexpr const char* kMarkerFile = "Assets/Sprites/HUD/karma_gauge.png";

    static constexpr float kLimit = 160.f;
    // Both pieces are drawn at half scale, so the bar picture spans twice the marker's travel.
    static constexpr float kScale = 0.5f;
    // How long the gauge stays on screen after a change.
    static constexpr float kFadeSeconds = 2.f;
    static constexpr sf::Uint8 kFullMarkerAlpha = 200;
    static constexpr sf::Uint8 kDimAlpha = 150;

    static std::unique_ptr<TextureManager::Group> textureGroup();

    // Seconds on a monotonic clock; tests pass their own to step time by hand.
    using Clock = std::function<float()>;

    karmaBar();
    explicit karmaBar(Clock clock);

    float karma() const { return karma_; }
    // Adds `delta`, keeps the karma within [-160, 160] and shows the gauge again, even
    // when the karma is already pinned at an end (the player still sees the push).
    // A non-finite delta is ignored: it would poison every later comparison.
    void change(float delta);
    void set(float karma);

    float secondsSinceChange() const;
    // 255 right after a change, fading to 0 at two seconds.
    sf::Uint8 fadeAlpha() const;

    // The bar and the marker, placed in window pixels, with the given opacities.
    // A piece whose texture is not loaded comes back without a texture.
    std::array<sf::Sprite, 2> pieces(sf::Uint8 barAlpha, sf::Uint8 markerAlpha) const;
    void draw(sf::RenderTarget& target) const;
    // The gauge at fixed opacity, for screens drawn over the run; `dim` darkens the
    // whole window under what comes next (the pause menu).
    void drawFull(sf::RenderTarget& target, bool dim) const;

private:
    Clock clock_;
    float karma_ = 0.f;
    float changedAt_ = 0.f;
};
