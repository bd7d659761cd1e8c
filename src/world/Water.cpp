#include "world/Water.h"

#include "core/AnimationData.h"
#include "core/Camera.h"
#include "core/TextureManager.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <utility>

Water::Water(std::string name) : name_(std::move(name))
{
    setLayer(kLayer);
}

Water::Water(const Water& other)
    : IRenderable(other), IWorldPlaceable(other), name_(other.name_),
      sprite_(other.sprite_ ? std::make_unique<AnimationData>(*other.sprite_) : nullptr), frameSize_(other.frameSize_),
      frameCount_(other.frameCount_), frameTime_(other.frameTime_)
{
}

Water::~Water() = default;

void Water::createAnimation()
{
    if (frameSize_ == sf::Vector2u(0, 0))
        if (const sf::Texture* texture = TextureManager::getTexture(name_))
            frameSize_ = texture->getSize();
    sprite_ = std::make_unique<AnimationData>(name_, frameSize_.x, frameSize_.y, frameCount_, frameTime_,
                                              ORIGIN_CENTER_X | ORIGIN_CENTER_Y);
}

void Water::update(float dt)
{
    if (sprite_)
        sprite_->step(dt);
}

void Water::draw(sf::RenderTarget& target, const Camera& camera)
{
    if (!sprite_)
        return;
    sf::Sprite& sprite = sprite_->frameSprite();
    sprite.setPosition(camera.toScreen(getPosition()));
    sprite.setRotation(0.f);
    sprite.setScale(camera.zoom, camera.zoom);
    target.draw(sprite);
}
