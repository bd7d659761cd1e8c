#include "creatures/EntityRef.h"

#include "creatures/CreatureWorld.h"
#include "creatures/Entity.h"

EntityRef::EntityRef(Entity* target) : target_(target), serial_(target ? target->serial() : 0) {}

Entity* EntityRef::get(const CreatureWorld& world)
{
    // The world is asked first: only an entity it holds may be read.
    if (target_ && (!world.holds(target_) || target_->serial() != serial_))
        reset();
    return target_;
}
