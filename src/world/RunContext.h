#pragma once

#include <memory>
#include <vector>

struct Camera;
class Entity;
class Floor;
class FloatingText;
class Room;

// What the things standing in a room (props, walls, the player) may ask of the run
// they belong to: the player, the karma, the live room, the floor, the camera and
// the run's notices. The run installs itself as the active context while it plays;
// tests install a small fake. With no active context (the room editor) furniture
// shows its default look.
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

    // The live room and its floor; null in contexts without them.
    virtual Room* room() const { return nullptr; }
    virtual Floor* floor() const { return nullptr; }
    // The view the run draws through (the identity view at zoom 1 by default).
    virtual const Camera& camera() const;
    // A pick-up notice for the run to show and then destroy.
    virtual void addNotice(std::unique_ptr<FloatingText> notice) { (void)notice; }
    // Called when the player changes room or floor: the run drops the lights of the
    // old room and builds the new room's at its next update.
    virtual void roomChanged() {}
    virtual bool minimapOpen() const { return false; }
    virtual bool paused() const { return false; }

    static RunContext* active();
    static void setActive(RunContext* context);
};
