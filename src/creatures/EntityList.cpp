#include "creatures/EntityList.h"

#include "creatures/Entity.h"

#include <algorithm>

EntityList::EntityList(Entity* player) : player_(player)
{
    if (player_)
        order_.push_back(player_);
}

EntityList::~EntityList() = default;

Entity* EntityList::add(std::unique_ptr<Entity> entity)
{
    if (!entity)
        return nullptr;
    Entity* raw = entity.get();
    raw->leaving_ = false;
    newcomers_.push_back(std::move(entity));
    return raw;
}

void EntityList::remove(Entity* entity)
{
    // Membership is checked before the entity is read: a stale pointer may be passed.
    if (!entity || entity == player_)
        return;
    const auto owns = [entity](const std::unique_ptr<Entity>& e) { return e.get() == entity; };
    if (std::none_of(owned_.begin(), owned_.end(), owns) && std::none_of(newcomers_.begin(), newcomers_.end(), owns))
        return;
    if (entity->leaving_)
        return;
    entity->leaving_ = true;
    anyLeaving_ = true;
}

bool EntityList::holds(const Entity* entity) const
{
    // Membership first: a link may ask about an entity that is long gone.
    if (!entity)
        return false;
    if (entity == player_)
        return true;
    const auto owns = [entity](const std::unique_ptr<Entity>& e) { return e.get() == entity; };
    const bool member =
        std::any_of(owned_.begin(), owned_.end(), owns) || std::any_of(newcomers_.begin(), newcomers_.end(), owns);
    return member && !entity->leaving_;
}

bool EntityList::any(const std::function<bool(const Entity&)>& test) const
{
    for (const Entity* entity : order_)
        if (!entity->leaving_ && test(*entity))
            return true;
    for (const auto& entity : newcomers_)
        if (!entity->leaving_ && test(*entity))
            return true;
    return false;
}

void EntityList::update(float dt)
{
    updating_ = true;
    std::size_t from = 0;
    for (int wave = 0; wave <= kMaxWaves; ++wave)
    {
        // Read through the index: a member may be freed only after the pass, but the
        // list of pointers itself grows between waves.
        for (std::size_t i = from; i < order_.size(); ++i)
        {
            Entity* entity = order_[i];
            if (!entity->leaving_)
                entity->update(dt);
        }
        if (newcomers_.empty() || wave == kMaxWaves)
            break;
        from = order_.size();
        admitNewcomers();
    }
    updating_ = false;
    releaseLeavers();
}

void EntityList::settle()
{
    if (updating_)
        return;
    admitNewcomers();
    releaseLeavers();
}

void EntityList::admitNewcomers()
{
    // Taken out first: nothing a newcomer's arrival does can change the batch.
    std::vector<std::unique_ptr<Entity>> batch;
    batch.swap(newcomers_);
    for (auto& entity : batch)
    {
        order_.push_back(entity.get());
        owned_.push_back(std::move(entity));
    }
}

void EntityList::releaseLeavers()
{
    if (!anyLeaving_)
        return;
    anyLeaving_ = false;
    const auto leaving = [](const Entity* e) { return e->leaving_; };
    order_.erase(std::remove_if(order_.begin(), order_.end(), leaving), order_.end());
    newcomers_.erase(std::remove_if(newcomers_.begin(), newcomers_.end(),
                                    [](const std::unique_ptr<Entity>& e) { return e->leaving_; }),
                     newcomers_.end());
    // Moved out before they are freed, so that an entity's destructor finds the list
    // already without it.
    std::vector<std::unique_ptr<Entity>> gone;
    for (auto& entity : owned_)
        if (entity->leaving_)
            gone.push_back(std::move(entity));
    owned_.erase(std::remove(owned_.begin(), owned_.end(), nullptr), owned_.end());
}
