#pragma once

#include <array>
#include <cstdint>
#include <memory>

class Item;

// A bag of twenty stack slots: the player's, the trader's stock, a pot's loot.
// Materials and the gold coin are compared by name; an artefact is compared by
// identity, since every artefact of a kind bears the same name with other bonuses,
// and an operation on one must act on that very artefact.
//
// Registry items are shared by every stack that names them; an artefact has one
// holder at a time (an item lying in a room, one slot of one bag, or the player's
// equipped list), and every transfer between holders is a move.
class Inventory
{
public:
    static constexpr int kSlotCount = 20;
    static constexpr int kColumns = 5;

    struct Stack
    {
        // Null in an empty slot.
        std::shared_ptr<Item> item;
        std::int32_t count = 0;
        bool empty() const { return !item || count <= 0; }
    };

    // True when two items are the same thing for a bag: the very same artefact, or
    // two non-artefact items of one name.
    static bool sameItem(const Item& a, const Item& b);

    bool contains(const Item& item) const;
    std::int32_t countOf(const Item& item) const;
    // The first slot that is empty or holds the item below its stack limit, or -1.
    int findSlot(const Item& item) const;
    // Fills slots in order, capping each at the stack limit; true if any slot took units.
    bool addItem(const std::shared_ptr<Item>& item, std::int32_t amount);
    // The same filling, telling how many units found no room (0 when all went in).
    std::int32_t addStack(const std::shared_ptr<Item>& item, std::int32_t amount);
    // How many units of the item the bag could still take.
    std::int32_t roomFor(const Item& item) const;
    bool fits(const Item& item, std::int32_t amount) const { return amount <= roomFor(item); }
    // Takes `amount` units, from the last slot holding the item backwards; a slot
    // that empties is reset and the bag compacted. Changes nothing and answers false
    // unless the bag holds that many.
    bool removeItem(const Item& item, std::int32_t amount);
    // Empties one slot and hands its stack over (the artefact moves with it); the bag
    // is compacted. An empty stack for an empty or invalid slot.
    Stack takeSlot(int index);
    // Keeps the non-empty slots in their order at the front.
    void compact();
    void clear();

    // Moves `amount` units of the item from one bag to the other, all or nothing:
    // false, with both bags unchanged, when `from` lacks them or `to` lacks room.
    static bool transfer(Inventory& from, Inventory& to, const std::shared_ptr<Item>& item, std::int32_t amount);
    // True when, after `outCount` units of `outgoing` have left `bag`, `inCount`
    // units of `incoming` would not fit (worked out on a copy).
    static bool lacksRoom(const Inventory& bag, const std::shared_ptr<Item>& incoming, std::int32_t inCount,
                          const Item* outgoing, std::int32_t outCount);

    const Stack& slot(int index) const { return slots_[static_cast<std::size_t>(index)]; }
    static bool validSlot(int index) { return index >= 0 && index < kSlotCount; }

private:
    std::array<Stack, kSlotCount> slots_;
};
