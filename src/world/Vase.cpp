#include "world/Vase.h"

#include "core/Artefact.h"
#include "core/Inventory.h"
#include "core/ItemRegistry.h"
#include "core/Polygon.h"
#include "core/Random.h"
#include "creatures/ItemEntity.h"
#include "world/RunContext.h"

#include <cstdlib>

Vase::Vase(std::string name) : Props(std::move(name))
{
    setOutline(
        std::make_unique<Polygon>(std::vector<sf::Vector2f>{{-45.f, 0.f}, {45.f, 0.f}, {45.f, 45.f}, {-45.f, 45.f}}));
}

Vase::Vase(const Vase& other) : Props(other) {}

bool Vase::isInteractible(const Entity*, const RunContext*, bool) const
{
    return true;
}

std::unique_ptr<Props> Vase::clone() const
{
    auto copy = std::make_unique<Vase>(*this);
    copy->loot_ = std::make_unique<Inventory>();
    // The draws happen whether or not the coin is registered, so the rand() sequence stays the same.
    const int coins = std::rand() % 10 + 1;
    copy->loot_->addItem(ItemRegistry::find("Gold Coin"), coins);
    if (uniformDraw() < kArtefactChance)
    {
        auto artefact = std::make_shared<Artefact>();
        Artefact::rollArtefact(*artefact);
        copy->loot_->addItem(artefact, 1);
    }
    return copy;
}

void Vase::onInteract(Entity*, RunContext* run)
{
    if (!loot_ || !run)
        return;
    // The stacks move out of the pot into the room: an artefact has one holder at a time.
    for (int i = 0; i < Inventory::kSlotCount; ++i)
    {
        if (loot_->slot(0).empty())
            break;
        Inventory::Stack stack = loot_->takeSlot(0);
        if (stack.item->name == "NilItem")
            continue;
        const float dy = static_cast<float>(std::rand() % 100 - 50);
        const float dx = static_cast<float>(std::rand() % 100 - 50);
        auto drop = std::make_unique<ItemEntity>(std::move(stack.item), stack.count, run);
        drop->setPosition(getPosition() + sf::Vector2f(dx, dy));
        run->addEntity(std::move(drop));
    }
}
