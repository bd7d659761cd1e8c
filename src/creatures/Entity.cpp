#include "creatures/Entity.h"

#include "core/AnimationData.h"
#include "core/Camera.h"

#include <atomic>

namespace
{
std::uint64_t nextSerial()
{
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}
} // namespace

Entity::Entity() : serial_(nextSerial()) {}

// A copy is a new entity: it gets its own serial and is not leaving any room.
Entity::Entity(const Entity& other)
    : IWorldPlaceable(other), IRenderable(other), currentAnimation(other.currentAnimation), name(other.name),
      bounds(other.bounds), serial_(nextSerial())
{
}

Entity& Entity::operator=(const Entity& other)
{
    IWorldPlaceable::operator=(other);
    currentAnimation = other.currentAnimation;
    name = other.name;
    bounds = other.bounds;
    return *this;
}

void Entity::update(float) {}

void Entity::handleEvent(const sf::Event&) {}

sf::FloatRect Entity::screenBounds(const Camera& camera) const
{
    const sf::Vector2f s = camera.toScreen(getPosition());
    if (!currentAnimation)
        return {s.x, s.y, 0.f, 0.f};
    const sf::Vector2f size = sf::Vector2f(currentAnimation->frameSize) * camera.zoom;
    return {s.x - size.x / 2.f, s.y - size.y / 2.f, size.x, size.y};
}

float Entity::footY() const
{
    const float y = getPosition().y;
    return currentAnimation ? y + static_cast<float>(currentAnimation->frameSize.y) / 2.f : y;
}
