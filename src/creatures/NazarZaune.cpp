#include "creatures/NazarZaune.h"

#include "core/Camera.h"
#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/Nazar.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Texture.hpp>

namespace
{
std::unique_ptr<AnimationData> copyOf(const Nazar& owner, const std::string& key)
{
    const AnimationData* source = owner.animation(key);
    return source ? std::make_unique<AnimationData>(*source) : nullptr;
}
} // namespace

NazarZaune::NazarZaune(CreatureWorld& world, Nazar& owner, sf::Vector2f ownerPosition)
    : world_(world), owner_(&owner), start_(copyOf(owner, "Nazar_Zaune_Start")),
      loop_(copyOf(owner, "Nazar_Zaune_Loop")), end_(copyOf(owner, "Nazar_Zaune_End"))
{
    const auto& r = EnemyDatabase::records().nazar;
    setPosition(ownerPosition + sf::Vector2f(0.f, static_cast<float>(r.zaune.posDeltaY)));
    setLayer(-2);
}

void NazarZaune::enter(const std::string& key)
{
    phase_ = key;
    shown_ = key == "Nazar_Zaune_Start" ? start_.get() : key == "Nazar_Zaune_Loop" ? loop_.get() : end_.get();
    if (shown_)
        shown_->reset();
    currentAnimation = shown_;
}

void NazarZaune::update(float dt)
{
    const float lifeTime = EnemyDatabase::records().nazar.zaune.lifeTime;
    lifeClock_ += dt;
    // A missing sheet counts as played out, so the fence still runs its course.
    const bool done = !shown_ || shown_->finished();
    if (phase_.empty())
    {
        enter("Nazar_Zaune_Start");
        lifeClock_ = 0.f;
    }
    else if (phase_ == "Nazar_Zaune_Start" && done)
        enter("Nazar_Zaune_Loop");
    else if (phase_ == "Nazar_Zaune_Loop" && lifeClock_ > lifeTime)
        enter("Nazar_Zaune_End");
    else if (phase_ == "Nazar_Zaune_End" && done)
    {
        if (auto* owner = static_cast<Nazar*>(owner_.get(world_)))
            owner->fenceEnded();
        world_.removeEntity(this);
        return;
    }
    if (shown_)
        shown_->step(dt);
}

void NazarZaune::draw(sf::RenderTarget& target, const Camera& camera)
{
    if (!shown_)
        return;
    sf::Sprite& sprite = shown_->frameSprite();
    const sf::Texture* sheet = sprite.getTexture();
    if (!sheet)
        return;
    const float scale = EnemyDatabase::records().nazar.zaune.scale;
    sprite.setPosition(camera.toScreen(getPosition()));
    sprite.setRotation(0.f);
    sprite.setScale(scale * camera.zoom, scale * camera.zoom);

    sf::Shader* shader = EnemyDatabase::fenceShader();
    const sf::Texture* room = world_.roomPicture();
    const sf::Texture* mask = world_.roomWallMask();
    if (!shader || !room || !mask)
    {
        target.draw(sprite);
        return;
    }
    shader->setUniform("texture", sf::Shader::CurrentTexture);
    shader->setUniform("roomTex", *room);
    shader->setUniform("wallTex", *mask);
    shader->setUniform("roomTexSize", sf::Vector2f(room->getSize()));
    shader->setUniform("textureTexSize", sf::Vector2f(sheet->getSize()));
    shader->setUniform("textureFrameSize", sf::Vector2f(shown_->frameSize));
    shader->setUniform("textureWorldPos", getPosition());
    shader->setUniform("textureCurrentFrame", static_cast<int>(shown_->currentFrame));
    target.draw(sprite, shader);
}
