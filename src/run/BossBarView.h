#pragma once

#include "core/ScaledPicture.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <array>
#include <memory>

namespace sf
{
class RenderTarget;
class Texture;
} // namespace sf

// Draws the boss's life bar as three pictures instead of its five pieces at half
// their size: what lies under the life (trough and glow) and what lies over it (frame
// and outline) each painted once into one half-size picture, and the life copied at
// half size, cut to the health each frame. The window shows the same bar for far less
// blending and no shrinking; while a picture cannot be made the pieces are drawn as
// they are.
class BossBarView
{
public:
    void draw(sf::RenderTarget& target);

private:
    // Paints the two stacks and the life once for the pieces' textures now loaded.
    bool prepare();

    std::array<sf::Texture*, 5> sources_{};
    bool ready_ = false;
    std::unique_ptr<sf::RenderTexture> under_;
    std::unique_ptr<sf::RenderTexture> over_;
    sf::Sprite underSprite_;
    sf::Sprite overSprite_;
    ScaledPicture life_;
};
