#include "FuzzSupport.h"

#include "core/Camera.h"
#include "core/Item.h"
#include "core/ItemRegistry.h"
#include "creatures/CreatureWorld.h"
#include "creatures/ItemEntity.h"
#include "creatures/LootTable.h"

#include <SFML/System/Vector2.hpp>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace
{
// Counts what a roll hands the room and checks each drop.
class CountingWorld : public CreatureWorld
{
public:
    sf::Vector2f playerPosition() const override { return {}; }
    const Polygon* playerHitBox() const override { return nullptr; }
    void hurtPlayer(int) override {}
    bool isWalkable(const Entity*, sf::Vector2f) const override { return true; }
    void addEntity(std::unique_ptr<Entity> entity) override
    {
        auto* drop = dynamic_cast<ItemEntity*>(entity.get());
        if (!drop || !drop->item || drop->count <= 0 || drop->count > LootTable::kMaxAmount)
            __builtin_trap();
        if (onHit && drop->item->getKind() == Item::ARTEFACT)
            __builtin_trap();
        const sf::Vector2f p = drop->getPosition();
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::abs(p.x) > 80.f || std::abs(p.y) > 80.f)
            __builtin_trap();
        ++added;
    }
    void removeEntity(Entity*) override {}
    bool holds(const Entity*) const override { return false; }
    float karma() const override { return 0.f; }
    void changeKarma(float) override {}
    int roomType() const override { return 0; }
    const Camera& camera() const override { return view; }

    Camera view;
    bool onHit = false;
    int added = 0;
};
} // namespace

// Any text read as a loot table is read or rejected without a crash, and rolling
// what was read (on a kill and on a hit) drops only valid stacks near the source,
// never more than the cap of entities.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    silenceLogForFuzzing();
    ItemRegistry::registerItems();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LootTable table;
    if (!LootTable::parse(std::string(reinterpret_cast<const char*>(data), size), "fuzz.json", table))
        return 0;
    std::srand(static_cast<unsigned>(size));
    for (bool onHit : {false, true})
    {
        CountingWorld world;
        world.onHit = onHit;
        if (table.roll(world, {0.f, 0.f}, onHit) != world.added || world.added > LootTable::kMaxDrops)
            __builtin_trap();
    }
    return 0;
}
