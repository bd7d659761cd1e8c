#include "core/Inventory.h"

#include "core/Item.h"

#include <algorithm>

namespace
{
bool holds(const Inventory::Stack& stack, const Item& item)
{
    return !stack.empty() && Inventory::sameItem(*stack.item, item);
}

std::int32_t limitOf(const Item& item)
{
    // A stack limit below 1 would never fill a slot.
    return std::max<std::int32_t>(1, item.stackLimit);
}
} // namespace

bool Inventory::sameItem(const Item& a, const Item& b)
{
    if (&a == &b)
        return true;
    if (a.getKind() == Item::ARTEFACT || b.getKind() == Item::ARTEFACT)
        return false;
    return a.name == b.name;
}

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
        if (s.empty() || (holds(s, item) && s.count < limitOf(item)))
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
    const std::int32_t limit = limitOf(*item);
    // An artefact is one thing: it takes one slot, whatever the count asked, and a
    // bag that already holds it cannot take it again.
    if (item->getKind() == Item::ARTEFACT)
    {
        if (contains(*item))
            return std::max<std::int32_t>(0, amount);
        if (amount > 1)
            amount = 1;
    }
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
        const std::int32_t taken = std::min(amount, limit - s.count);
        s.count += taken;
        amount -= taken;
    }
    return std::max<std::int32_t>(0, amount);
}

std::int32_t Inventory::roomFor(const Item& item) const
{
    const std::int32_t limit = limitOf(item);
    std::int64_t room = 0;
    for (const Stack& s : slots_)
    {
        if (s.empty())
            room += limit;
        else if (holds(s, item))
            room += std::max<std::int32_t>(0, limit - s.count);
    }
    if (item.getKind() == Item::ARTEFACT)
        room = std::min<std::int64_t>(room, contains(item) ? 0 : 1);
    return static_cast<std::int32_t>(std::min<std::int64_t>(room, INT32_MAX));
}

bool Inventory::removeItem(const Item& item, std::int32_t amount)
{
    if (amount <= 0 || !contains(item) || amount > countOf(item))
        return false;
    for (int i = kSlotCount - 1; i >= 0 && amount > 0; --i)
    {
        Stack& s = slots_[static_cast<std::size_t>(i)];
        if (!holds(s, item))
            continue;
        const std::int32_t taken = std::min(amount, s.count);
        s.count -= taken;
        amount -= taken;
        if (s.count <= 0)
            s = Stack{};
    }
    compact();
    return true;
}

Inventory::Stack Inventory::takeSlot(int index)
{
    if (!validSlot(index) || slots_[static_cast<std::size_t>(index)].empty())
        return {};
    Stack taken = std::move(slots_[static_cast<std::size_t>(index)]);
    slots_[static_cast<std::size_t>(index)] = Stack{};
    compact();
    return taken;
}

void Inventory::compact()
{
    std::stable_partition(slots_.begin(), slots_.end(), [](const Stack& s) { return !s.empty(); });
    for (Stack& s : slots_)
        if (s.empty())
            s = Stack{};
}

void Inventory::clear()
{
    slots_.fill(Stack{});
}

bool Inventory::transfer(Inventory& from, Inventory& to, const std::shared_ptr<Item>& item, std::int32_t amount)
{
    if (!item || amount <= 0 || from.countOf(*item) < amount || !to.fits(*item, amount))
        return false;
    // Held here while it changes bags, so an artefact is not freed between the two.
    const std::shared_ptr<Item> moving = item;
    from.removeItem(*moving, amount);
    to.addStack(moving, amount);
    return true;
}

bool Inventory::lacksRoom(const Inventory& bag, const std::shared_ptr<Item>& incoming, std::int32_t inCount,
                          const Item* outgoing, std::int32_t outCount)
{
    if (!incoming || inCount <= 0)
        return false;
    Inventory copy = bag;
    if (outgoing && outCount > 0)
        copy.removeItem(*outgoing, outCount);
    return !copy.fits(*incoming, inCount);
}
