#pragma once

#include "core/IRenderable.h"
#include "core/IWorldPlaceable.h"

#include <SFML/Graphics/Rect.hpp>

#include <cstdint>
#include <string>

class AnimationData;
struct Camera;
namespace sf
{
class Event;
}

// Base of every object that lives in a room's entity list (creatures,
// projectiles, hazards, dropped items): it is updated every frame, may react to
// window events, and shows at most one animation at a time. An entity never
// deletes itself: it asks the room to remove it, and the room lets it go once the
// frame's update is over.
class Entity : public IWorldPlaceable, public IRenderable
{
public:
    Entity();
    ~Entity() override = default;
    Entity(const Entity& other);
    Entity& operator=(const Entity& other);

    virtual void update(float dt);
    virtual void handleEvent(const sf::Event& event);

    // An animated entity stands on the lower edge of the frame it shows.
    float footY() const override;
    // Where the entity shows on the screen: the frame it shows, centred on its
    // position, at the camera's zoom (a point without an animation).
    virtual sf::FloatRect screenBounds(const Camera& camera) const;

    // A number no other entity of this process has had, so that a link to an entity
    // can tell it apart from a newcomer built where a removed one stood.
    std::uint64_t serial() const { return serial_; }
    // True once the room has been asked to remove the entity: it takes no more part
    // in the room's update, drawing or queries, and is freed after the update.
    bool isLeaving() const { return leaving_; }

    // The animation now shown; not owned (it lives in the entity's animation table).
    AnimationData* currentAnimation = nullptr;
    // Enemies keep their loot-table file name here.
    std::string name;
    // Dropped items store their sprite's global bounds here.
    sf::FloatRect bounds{0.f, 0.f, 0.f, 0.f};

private:
    friend class EntityList;

    std::uint64_t serial_;
    bool leaving_ = false;
};
