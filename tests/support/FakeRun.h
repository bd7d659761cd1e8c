#pragma once

#include "creatures/Entity.h"
#include "creatures/EntityList.h"
#include "world/RunContext.h"

#include <algorithm>
#include <memory>
#include <vector>

// A run reduced to what room furniture asks of it: a player entity standing first
// in the room's list, a karma value and a room type. Installs itself as the
// active run for its lifetime. It may also answer with a live room and floor.
class FakeRun : public RunContext
{
public:
    explicit FakeRun(int type = 0, float karmaValue = 0.f) : type_(type), karma_(karmaValue)
    {
        RunContext::setActive(this);
    }
    ~FakeRun() override { RunContext::setActive(nullptr); }

    float karma() const override { return karma_; }
    Entity* player() const override { return const_cast<Entity*>(&player_); }
    int roomType() const override { return type_; }
    // Without a live room the fake keeps what is added in a list of its own, settled at once.
    const std::vector<Entity*>& roomEntities() const override
    {
        return room_ ? RunContext::roomEntities() : entities_.members();
    }
    void addEntity(std::unique_ptr<Entity> entity) override
    {
        if (room_)
            return RunContext::addEntity(std::move(entity));
        added_.push_back(entities_.add(std::move(entity)));
        entities_.settle();
    }
    bool holds(const Entity* entity) const override
    {
        return room_ ? RunContext::holds(entity) : entities_.holds(entity);
    }
    void removeEntity(Entity* entity) override
    {
        if (room_)
            return RunContext::removeEntity(entity);
        entities_.remove(entity);
        entities_.settle();
        added_.erase(std::remove(added_.begin(), added_.end(), entity), added_.end());
    }

    Room* room() const override { return room_; }
    Floor* floor() const override { return floor_; }
    void roomChanged() override { ++roomChanges_; }

    void setKarma(float k) { karma_ = k; }
    // The live room and floor the fake answers with (none unless set).
    void setRoom(Room* room) { room_ = room; }
    void setFloor(Floor* floor) { floor_ = floor; }
    // How many times a floor told the run it changed room.
    int roomChanges() const { return roomChanges_; }
    void movePlayer(sf::Vector2f p) { player_.setPosition(p); }
    // Entities added to the fake's own list and still there (everything but the player).
    const std::vector<Entity*>& added() const { return added_; }

private:
    int type_;
    float karma_;
    Room* room_ = nullptr;
    Floor* floor_ = nullptr;
    int roomChanges_ = 0;
    Entity player_;
    EntityList entities_{&player_};
    std::vector<Entity*> added_;
};
