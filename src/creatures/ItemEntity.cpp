#include "creatures/ItemEntity.h"

#include "core/Item.h"

#include <utility>

ItemEntity::ItemEntity(std::shared_ptr<Item> item, std::int32_t count) : item(std::move(item)), count(count) {}

void ItemEntity::update(float dt)
{
    age += dt;
}
