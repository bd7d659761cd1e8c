#include "world/Props.h"

#include "core/AnimationData.h"
#include "core/Camera.h"
#include "core/Inventory.h"
#include "core/Polygon.h"
#include "core/TextureManager.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <utility>

Props::Props(std::string name, std::int32_t layer) : name_(std::move(name))
{
    setLayer(layer);
}

Props::Props(const Props& other)
    : Interactible(other), IWorldPlaceable(other), IRenderable(other), name_(other.name_),
      outline_(other.outline_ ? std::make_unique<Polygon>(*other.outline_) : nullptr),
      sprite_(other.sprite_ ? std::make_unique<AnimationData>(*other.sprite_) : nullptr), frameSize_(other.frameSize_),
      frameCount_(other.frameCount_), frameTime_(other.frameTime_), used_(other.used_)
{
}

Props::~Props() = default;

bool Props::interact(Entity* player, RunContext* run, bool byAttack)
{
    if (!isInteractible(player, run, byAttack) || !byAttack || used_)
        return false;
    onInteract(player, run);
    used_ = true;
    return true;
}

bool Props::isInteractible(const Entity*, const RunContext*, bool) const
{
    return false;
}

void Props::onInteract(Entity*, RunContext*) {}

bool Props::blocksWalking(const Entity*) const
{
    return !used_;
}

bool Props::allowsStanding(const Entity*, const RunContext*) const
{
    return false;
}

bool Props::isSolid(const Entity*) const
{
    return !used_;
}

void Props::advanceAnimation(float dt)
{
    if (sprite_)
        sprite_->step(dt);
}

void Props::setPosition(sf::Vector2f p)
{
    IWorldPlaceable::setPosition(p);
    if (outline_)
        outline_->setPosition(p);
}

float Props::footY() const
{
    return getPosition().y + static_cast<float>(frameSize_.y) / 2.f;
}

void Props::update(float dt)
{
    advanceAnimation(dt);
    if (outline_)
        outline_->setPosition(getPosition());
}

std::unique_ptr<Props> Props::clone() const
{
    return std::make_unique<Props>(*this);
}

void Props::draw(sf::RenderTarget& target, const Camera& camera)
{
    if (used_ || !sprite_)
        return;
    sf::Sprite& sprite = sprite_->frameSprite();
    sprite.setPosition(camera.toScreen(getPosition()));
    sprite.setRotation(0.f);
    sprite.setScale(camera.zoom, camera.zoom);
    target.draw(sprite);
}

bool Props::standsInTheWay(const Entity* walker, sf::Vector2f point, const RunContext* run) const
{
    return isSolid(walker) && outline_ && outline_->contains(point) && !allowsStanding(walker, run);
}

void Props::setStrip(sf::Vector2u frameSize, std::uint32_t frameCount, float frameTime)
{
    frameSize_ = frameSize;
    frameCount_ = frameCount;
    frameTime_ = frameTime;
}

void Props::createAnimation()
{
    if (frameSize_ == sf::Vector2u(0, 0))
        if (const sf::Texture* texture = TextureManager::getTexture(name_))
            frameSize_ = texture->getSize();
    sprite_ = std::make_unique<AnimationData>(name_, frameSize_.x, frameSize_.y, frameCount_, frameTime_,
                                              ORIGIN_CENTER_X | ORIGIN_CENTER_Y);
}

void Props::setOutline(std::unique_ptr<Polygon> outline)
{
    outline_ = std::move(outline);
    if (outline_)
        outline_->setPosition(getPosition());
}
