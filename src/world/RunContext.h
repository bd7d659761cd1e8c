#pragma once

#include "creatures/CreatureWorld.h"

#include <memory>
#include <vector>

struct Camera;
class Entity;
class Floor;
class FloatingText;
class Room;

// What the things standing in a room (props, walls, creatures, the player) may ask
// of the run they belong to: the player, the karma, the live room, the floor, the
// camera and the run's notices. The run installs itself as the active context
// while it plays; tests install a small fake. With no active context (the room
// editor) furniture shows its default look.
//
// What a creature asks goes to the live room by default (walking, entities);
// hurting the player and the karma are the run's to answer.
class RunContext : public CreatureWorld
{
public:
    // Null when the run has no player (never while a room is live).
    virtual Entity* player() const = 0;
    // The live room's entities, the player first; empty without a room.
    virtual const std::vector<Entity*>& roomEntities() const;

    // The live room and its floor; null in contexts without them.
    virtual Room* room() const { return nullptr; }
    virtual Floor* floor() const { return nullptr; }
    // A pick-up notice for the run to show and then destroy.
    virtual void addNotice(std::unique_ptr<FloatingText> notice) { (void)notice; }
    // Called when the player changes room or floor: the run drops the lights of the
    // old room and builds the new room's at its next update.
    virtual void roomChanged() {}
    virtual bool minimapOpen() const { return false; }
    // The player has spoken to a trader of the room: the run opens its trade window.
    virtual void startTrading(Entity& trader) { (void)trader; }
    virtual bool paused() const { return false; }

    // CreatureWorld
    sf::Vector2f playerPosition() const override;
    const Polygon* playerHitBox() const override { return nullptr; }
    void hurtPlayer(int damage) override { (void)damage; }
    bool isWalkable(const Entity* walker, sf::Vector2f point) const override;
    bool isOnFloor(sf::Vector2f point) const override;
    const sf::Texture* roomPicture() const override;
    const sf::Texture* roomWallMask() const override;
    void addEntity(std::unique_ptr<Entity> entity) override;
    void removeEntity(Entity* entity) override;
    bool holds(const Entity* entity) const override;
    void changeKarma(float delta) override { (void)delta; }
    // The view the run draws through (the identity view at zoom 1 by default).
    const Camera& camera() const override;

    static RunContext* active();
    static void setActive(RunContext* context);
};
