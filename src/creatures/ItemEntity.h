#pragma once

#include "creatures/Entity.h"

#include <cstdint>
#include <memory>

class Item;

// A stack of items lying in a room until the player picks it up.
// (The stack only for now; its hover animation and drawing come with the pick-up.)
class ItemEntity : public Entity
{
public:
    ItemEntity(std::shared_ptr<Item> item, std::int32_t count);

    void update(float dt) override;

    std::shared_ptr<Item> item;
    std::int32_t count;
    float age = 0.f;
};
