#pragma once

#include <memory>
#include <vector>

class Entity;

// What room furniture (props, walls) may ask of the run it stands in: the
// player, the karma, the live room's type and entity list. The run installs
// itself as the active context while it plays; tests install a small fake. With
// no active context (the room editor) furniture shows its default look.
class RunContext
{
public:
    virtual ~RunContext() = default;

    virtual float karma() const = 0;
    // Null when the run has no player (never while a room is live).
    virtual Entity* player() const = 0;
    virtual int roomType() const = 0;
    virtual const std::vector<Entity*>& roomEntities() const = 0;
    // Hands a new entity (dropped loot, say) to the live room, which owns it from now on.
    virtual void addToRoom(std::unique_ptr<Entity> entity) = 0;

    static RunContext* active();
    static void setActive(RunContext* context);
};
