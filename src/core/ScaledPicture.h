#pragma once

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <memory>

// A large picture always drawn at one smaller scale (a panel painted at twice its
// size on screen), painted once at that size: each frame then copies it pixel for
// pixel instead of shrinking the original again, which a software renderer pays for
// at every frame. Drawn at a whole-pixel position it looks exactly like the original
// drawn at that scale.
class ScaledPicture
{
public:
    // Paints `texture` at `scale` unless it is already painted so; false (and nothing
    // to draw) without a texture or when the painting cannot be made.
    bool prepare(const sf::Texture* texture, float scale);
    // The painted picture, its origin at its centre; only after a successful prepare.
    sf::Sprite& sprite() { return sprite_; }

private:
    const sf::Texture* source_ = nullptr;
    float scale_ = 0.f;
    bool ready_ = false;
    std::unique_ptr<sf::RenderTexture> canvas_;
    sf::Sprite sprite_;
};
