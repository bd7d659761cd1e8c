#pragma once

#include "creatures/Entity.h"
#include "world/RunContext.h"

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
        entities_.push_back(&player_);
        RunContext::setActive(this);
    }
    ~FakeRun() override { RunContext::setActive(nullptr); }

    float karma() const override { return karma_; }
    Entity* player() const override { return const_cast<Entity*>(&player_); }
    int roomType() const override { return type_; }
    const std::vector<Entity*>& roomEntities() const override { return entities_; }
    void addToRoom(std::unique_ptr<Entity> entity) override
    {
        entities_.push_back(entity.get());
        owned_.push_back(std::move(entity));
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
    // Entities added to the room (everything but the player).
    const std::vector<std::unique_ptr<Entity>>& added() const { return owned_; }

private:
    int type_;
    float karma_;
    Room* room_ = nullptr;
    Floor* floor_ = nullptr;
    int roomChanges_ = 0;
    Entity player_;
    std::vector<Entity*> entities_;
    std::vector<std::unique_ptr<Entity>> owned_;
};
