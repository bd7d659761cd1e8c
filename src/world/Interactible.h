#pragma once

class Entity;
class RunContext;

// Something in a room the player can act on (strike or use) and that may stand
// in the way of walkers. Plain decoration answers no to everything but blocking.
class Interactible
{
public:
    virtual ~Interactible() = default;

    // Acts when the object accepts this kind of interaction and has not been used
    // yet; returns whether it acted. `run` reaches the live room (may be null).
    virtual bool interact(Entity* player, RunContext* run, bool byAttack) = 0;
    virtual bool isInteractible(const Entity* player, const RunContext* run, bool byAttack) const = 0;
    virtual void onInteract(Entity* player, RunContext* run) = 0;
    virtual bool blocksWalking(const Entity* walker) const = 0;
    // The answer for a walker whose point lies inside the outline of a solid object.
    virtual bool allowsStanding(const Entity* walker, const RunContext* run) const = 0;
    // Whether the object's outline counts for walkability at all.
    virtual bool isSolid(const Entity* walker) const = 0;
};
