#include "creatures/Projectile.h"

#include "core/Camera.h"
#include "creatures/CreatureWorld.h"

#include <SFML/Graphics/RenderTarget.hpp>

void Projectile::drawStraight(sf::RenderTarget& target, const Camera& camera)
{
    if (!animation_)
        return;
    sf::Sprite& sprite = animation_->frameSprite();
    if (!sprite.getTexture())
        return;
    sprite.setPosition(camera.toScreen(getPosition()));
    sprite.setRotation(direction * 180.f / 3.1415927f);
    sprite.setScale(scale * camera.zoom, scale * camera.zoom);
    target.draw(sprite);
}

void Projectile::destroy()
{
    world_.removeEntity(this);
}
