#pragma once

#include <array>
#include <cstdint>
#include <memory>

class Item;

// A bag of twenty stack slots: the player's, the trader's stock, a pot's loot.
// Items are compared by name. (The bag operations only; its screen comes with the HUD.)
class Inventory
{
public:
    static constexpr int kSlotCount = 20;

    struct Stack
    {
        // Null in an empty slot. Registry items are shared; an artefact is held only here.
        std::shared_ptr<Item> item;
        std::int32_t count = 0;
        bool empty() const { return !item || count <= 0; }
    };

    bool contains(const Item& item) const;
    std::int32_t countOf(const Item& item) const;
    // The first slot that is empty or holds the item below its stack limit, or -1.
    int findSlot(const Item& item) const;
    // Fills slots in order, capping each at the stack limit; true if any slot took units.
    bool addItem(const std::shared_ptr<Item>& item, std::int32_t amount);
    // The same filling, telling how many units found no room (0 when all went in).
    std::int32_t addStack(const std::shared_ptr<Item>& item, std::int32_t amount);

    const Stack& slot(int index) const { return slots_[static_cast<std::size_t>(index)]; }

private:
    std::array<Stack, kSlotCount> slots_;
};
