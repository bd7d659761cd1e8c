#include "world/RunContext.h"

#include "core/Camera.h"
#include "core/TextureManager.h"
#include "creatures/Entity.h"
#include "world/Room.h"

#include <atomic>

namespace
{
std::atomic<RunContext*> activeContext{nullptr};
}

const std::vector<Entity*>& RunContext::roomEntities() const
{
    static const std::vector<Entity*> none;
    const Room* live = room();
    return live ? live->entities.members() : none;
}

sf::Vector2f RunContext::playerPosition() const
{
    const Entity* walker = player();
    return walker ? walker->getPosition() : sf::Vector2f(0.f, 0.f);
}

bool RunContext::isWalkable(const Entity* walker, sf::Vector2f point) const
{
    const Room* live = room();
    return live && live->isWalkable(walker, point);
}

bool RunContext::isOnFloor(sf::Vector2f point) const
{
    const Room* live = room();
    return live && live->boundaries.contains(point);
}

const sf::Texture* RunContext::roomPicture() const
{
    const Room* live = room();
    return live && !live->pictureKey().empty() ? TextureManager::getTexture(live->pictureKey()) : nullptr;
}

const sf::Texture* RunContext::roomWallMask() const
{
    // Only the first floor's rooms have masks; the key follows the room's name.
    const Room* live = room();
    return live && !live->name.empty() ? TextureManager::getTexture(live->name + "_wall_mask") : nullptr;
}

void RunContext::addEntity(std::unique_ptr<Entity> entity)
{
    if (Room* live = room())
        live->entities.add(std::move(entity));
}

void RunContext::removeEntity(Entity* entity)
{
    if (Room* live = room())
        live->entities.remove(entity);
}

bool RunContext::holds(const Entity* entity) const
{
    const Room* live = room();
    return live && live->entities.holds(entity);
}

const Camera& RunContext::camera() const
{
    static const Camera identity;
    return identity;
}

RunContext* RunContext::active()
{
    return activeContext.load();
}

void RunContext::setActive(RunContext* context)
{
    activeContext.store(context);
}
