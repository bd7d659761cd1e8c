#pragma once

#include <cstdint>

class CreatureWorld;
class Entity;

// A link from one entity to another (a hazard's owner, the soul waiting for the
// player's choice) that knows when its target has gone: it answers null once the
// target has left the room or been asked to, even if a newcomer was built at the
// same address.
class EntityRef
{
public:
    EntityRef() = default;
    explicit EntityRef(Entity* target);

    // The target while `world` still holds it, else null (and the link forgets it).
    Entity* get(const CreatureWorld& world);
    void reset() { target_ = nullptr, serial_ = 0; }
    bool empty() const { return target_ == nullptr; }

private:
    Entity* target_ = nullptr;
    std::uint64_t serial_ = 0;
};
