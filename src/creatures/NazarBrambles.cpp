#include "creatures/NazarBrambles.h"

#include "core/Camera.h"
#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/Nazar.h"

#include <SFML/Graphics/RenderTarget.hpp>

NazarBrambles::NazarBrambles(CreatureWorld& world, Nazar& owner, sf::Vector2f position)
    : world_(world), owner_(&owner), attackBox_(EnemyDatabase::records().nazar.attackBox, position)
{
    setPosition(position);
    if (const AnimationData* source = owner.animation("Nazar_Brambles"))
        animation_ = std::make_unique<AnimationData>(*source);
    if (animation_)
        animation_->reset();
    currentAnimation = animation_.get();
}

void NazarBrambles::update(float dt)
{
    const int frame = animation_ ? animation_->currentFrame : 0;
    const Polygon* player = world_.playerHitBox();
    if (frame >= 2 && frame <= 7 && player && attackBox_.intersects(*player))
        world_.hurtPlayer(EnemyDatabase::records().nazar.brambles.damage);
    if (!animation_ || animation_->finished())
    {
        if (auto* owner = static_cast<Nazar*>(owner_.get(world_)))
            owner->bramblesEnded();
        world_.removeEntity(this);
        return;
    }
    attackBox_.setPosition(getPosition());
    animation_->step(dt);
}

void NazarBrambles::draw(sf::RenderTarget& target, const Camera& camera)
{
    if (!animation_)
        return;
    sf::Sprite& sprite = animation_->frameSprite();
    if (!sprite.getTexture())
        return;
    const float scale = EnemyDatabase::records().nazar.brambles.scale;
    sprite.setPosition(camera.toScreen(getPosition()));
    sprite.setRotation(0.f);
    sprite.setScale(scale * camera.zoom, scale * camera.zoom);
    target.draw(sprite);
}
