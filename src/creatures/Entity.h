#pragma once

#include "creatures/IRenderable.h"
#include "creatures/IWorldPlaceable.h"

#include <SFML/Graphics/Rect.hpp>

#include <string>

class AnimationData;
namespace sf
{
class Event;
}

// Base of every object that lives in a room's entity list (creatures,
// projectiles, hazards, dropped items): it is updated every frame, may react to
// window events, and shows at most one animation at a time.
class Entity : public IWorldPlaceable, public IRenderable
{
public:
    Entity() = default;
    ~Entity() override = default;

    virtual void update(const float& dt);
    virtual void handleEvent(const sf::Event& event);

    // The animation now shown; not owned (it lives in the entity's animation table).
    AnimationData* currentAnimation = nullptr;
    // Enemies keep their loot-table file name here.
    std::string name;
    // Dropped items store their sprite's global bounds here.
    sf::FloatRect bounds{0.f, 0.f, 0.f, 0.f};
};
