#include "core/Inventory.h"

#include "core/Item.h"

#include <algorithm>

namespace
{
bool holds(const Inventory::Stack& stack, const Item& item)
{
    return !stack.empty() && stack.item->name == item.name;
}
} // namespace

bool Inventory::contains(const Item& item) const
{
    return std::any_of(slots_.begin(), slots_.end(), [&](const Stack& s) { return holds(s, item); });
}

std::int32_t Inventory::countOf(const Item& item) const
{
    std::int32_t total = 0;
    for (const Stack& s : slots_)
        if (holds(s, item))
            total += s.count;
    return total;
}

int Inventory::findSlot(const Item& item) const
{
    for (int i = 0; i < kSlotCount; ++i)
    {
        const Stack& s = slots_[static_cast<std::size_t>(i)];
        if (s.empty() || (holds(s, item) && s.count < item.stackLimit))
            return i;
    }
    return -1;
}

bool Inventory::addItem(const std::shared_ptr<Item>& item, std::int32_t amount)
{
    return item && amount > 0 && addStack(item, amount) < amount;
}

std::int32_t Inventory::addStack(const std::shared_ptr<Item>& item, std::int32_t amount)
{
    if (!item)
        return std::max<std::int32_t>(0, amount);
    // A stack limit below 1 would never fill a slot and loop forever.
    const std::int32_t limit = std::max<std::int32_t>(1, item->stackLimit);
    while (amount > 0)
    {
        const int index = findSlot(*item);
        if (index < 0)
            break;
        Stack& s = slots_[static_cast<std::size_t>(index)];
        if (s.empty())
        {
            s.item = item;
            s.count = 0;
        }
        s.count += amount;
        amount = std::max<std::int32_t>(0, s.count - limit);
        s.count = std::min(s.count, limit);
    }
    return std::max<std::int32_t>(0, amount);
}
