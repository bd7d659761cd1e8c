#include "core/AnimationData.h"

#include "core/TextureManager.h"

#include <SFML/Graphics/Texture.hpp>

AnimationData::AnimationData(const std::string& textureKey, std::uint32_t frameWidth, std::uint32_t frameHeight,
                             std::uint32_t frameCount, float frameTime, unsigned originFlags)
    : sprite(TextureManager::getSprite(textureKey)), frameSize(frameWidth, frameHeight), frameCount(frameCount),
      frameTime(frameTime), columns_(frameCount)
{
    sprite.setOrigin(originFromFlags(originFlags, sf::Vector2f(frameSize), sprite.getOrigin()));
    const sf::Texture* texture = sprite.getTexture();
    if (texture && frameWidth > 0 && texture->getSize().x / frameWidth > 0)
        columns_ = texture->getSize().x / frameWidth;
    if (columns_ == 0)
        columns_ = 1;
    sprite.setTextureRect(frameRect());
}

void AnimationData::step(float dt)
{
    elapsed += dt;
    if (elapsed >= frameTime)
    {
        currentFrame += 1;
        elapsed -= frameTime;
    }
    if (currentFrame >= static_cast<std::int32_t>(frameCount))
        currentFrame = once ? static_cast<std::int32_t>(frameCount) - 1 : 0;
    if (currentFrame < 0)
        currentFrame = 0;
}

sf::IntRect AnimationData::frameRect() const
{
    const auto frame = static_cast<std::uint32_t>(currentFrame < 0 ? 0 : currentFrame);
    const int column = static_cast<int>(frame % columns_);
    const int row = static_cast<int>(frame / columns_);
    const int width = static_cast<int>(frameSize.x);
    const int height = static_cast<int>(frameSize.y);
    return {column * width, row * height, width, height};
}

sf::Sprite& AnimationData::frameSprite()
{
    sprite.setTextureRect(frameRect());
    return sprite;
}

bool AnimationData::finished() const
{
    return once && currentFrame >= static_cast<std::int32_t>(frameCount) - 1;
}

void AnimationData::reset()
{
    currentFrame = 0;
    elapsed = 0.f;
}
