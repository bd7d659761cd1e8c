#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <cstdint>
#include <string>

// A sprite-sheet animation played from a registered texture. Frames are equal
// cells read left to right; a sheet too wide for one row continues on the next
// rows (columns = texture width / frame width), so a one-row sheet reads as before.
class AnimationData
{
public:
    AnimationData(const std::string& textureKey, std::uint32_t frameWidth, std::uint32_t frameHeight,
                  std::uint32_t frameCount, float frameTime, unsigned originFlags);

    // Advances by at most one frame; a looping animation wraps, a one-shot one holds its last frame.
    void step(float dt);
    sf::IntRect frameRect() const;
    // Sets the current frame's rectangle on the sprite; call before every draw.
    sf::Sprite& frameSprite();
    bool finished() const;
    void reset();

    sf::Sprite sprite;
    sf::Vector2u frameSize;
    std::uint32_t frameCount;
    std::int32_t currentFrame = 0;
    float frameTime;
    float elapsed = 0.f;
    bool once = false;

private:
    std::uint32_t columns_;
};
