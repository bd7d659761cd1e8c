#pragma once

#include "creatures/Entity.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <cstdint>
#include <memory>

class CreatureWorld;
class Item;

// A stack of items lying in a room until the player picks it up. It lies still on
// a flat shadow; while the player stands within pick-up reach it turns like a coin
// and hops, so the player sees what "F" would take. The stack is the entity's own:
// an artefact lying here belongs to it alone until the pick-up moves it to a bag.
class ItemEntity : public Entity
{
public:
    // `world` answers where the player is and the zoom; without one the item lies still.
    ItemEntity(std::shared_ptr<Item> item, std::int32_t count, const CreatureWorld* world = nullptr);

    void update(float dt) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override;

    // The pick-up reach: a stack lies within it when nearer to the player than
    // 100 x zoom. The player's "F" prompt, its pick-up and the hop all use it.
    static constexpr float kReach = 100.f;
    static bool withinReach(sf::Vector2f item, sf::Vector2f player, float zoom);

    // Hands the stack over and leaves the entity empty (the room is asked to let it go by the taker).
    std::shared_ptr<Item> take();

    bool inReach() const { return inReach_; }
    sf::Vector2f lastScreenPoint() const { return lastScreenPoint_; }

    std::shared_ptr<Item> item;
    std::int32_t count;
    float age = 0.f;

private:
    const CreatureWorld* world_;
    bool inReach_ = false;
    sf::Vector2f lastScreenPoint_;
    // Built once: the icon of the item and the shadow under it.
    sf::Sprite icon_;
    sf::CircleShape shadow_;
    bool hasIcon_ = false;
};
