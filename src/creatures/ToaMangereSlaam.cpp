#include "creatures/ToaMangereSlaam.h"

#include "core/Camera.h"
#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"

#include <SFML/Graphics/RenderTarget.hpp>

ToaMangereSlaam::ToaMangereSlaam(CreatureWorld& world, sf::Vector2f position, const AnimationData* sheet)
    : world_(world)
{
    setPosition(position);
    setLayer(-2);
    if (sheet)
    {
        animation_ = std::make_unique<AnimationData>(*sheet);
        animation_->once = true;
        animation_->reset();
    }
    currentAnimation = animation_.get();
}

void ToaMangereSlaam::update(float dt)
{
    if (!animation_ || animation_->finished())
    {
        world_.removeEntity(this);
        return;
    }
    animation_->step(dt);
}

void ToaMangereSlaam::draw(sf::RenderTarget& target, const Camera& camera)
{
    if (!animation_)
        return;
    sf::Sprite& sprite = animation_->frameSprite();
    if (!sprite.getTexture())
        return;
    const float scale = EnemyDatabase::records().toaMangere.slaam.scale;
    sprite.setPosition(camera.toScreen(getPosition()));
    sprite.setRotation(0.f);
    sprite.setScale(scale * camera.zoom, scale * camera.zoom);
    target.draw(sprite);
}
