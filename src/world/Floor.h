#pragma once

#include "core/RoomNameRegistry.h"

#include <SFML/System/Clock.hpp>
#include <SFML/System/Vector2.hpp>

#include <memory>
#include <string>

struct Camera;
class Entity;
class Graph;
class OrientedNode;
class Room;
struct Door;

namespace sf
{
class RenderTarget;
}

// Ties the floor graph to the one live room: generates a floor (or the fixed
// tutorial floor), names every node's room, builds the room of the current node and
// replaces it when the player goes through a door. Also draws the floor's map: the
// full minimap and the small exit preview shown at an open door.
class Floor
{
public:
    // What a door use did.
    enum class DoorUse
    {
        None,      // no usable door within reach (or the room is not cleared)
        NextRoom,  // went through a door into another room of this floor
        NextFloor, // left a cleared boss room: a new floor was generated
    };

    explicit Floor(int floorIndex = 0);
    ~Floor();
    Floor(const Floor&) = delete;
    Floor& operator=(const Floor&) = delete;

    // Generates the floor at floorIndex and builds its first room, which it returns.
    Room* generateFloor(Entity* player);
    void generateTutorialFloor(Entity* player);
    // Leaves the current room through its first door of `direction` that has a
    // target; the player enters the new room at its first door of the opposite
    // direction. Nothing happens when no such door exists.
    void moveToRoom(Entity* player, int direction);

    // The player's E at a door: only in a cleared room, through the first door
    // within 150 px that has a target (next room) or stands in a boss room (next
    // floor: floorIndex + 1, the player 50 px inside the opposite door of the new
    // first room).
    DoorUse useDoor(Entity* player);
    // Control + B: the boss room (last node) becomes current; the player stands at its first Bottom door.
    void jumpToBoss(Entity* player);
    // The same jump to the first room of a type (a shop, say); false when the floor has none.
    bool jumpToRoomOfType(Entity* player, RoomType type);

    static int oppositeDirection(int direction);
    static const char* iconKey(int roomType);

    // The full minimap onto a target of any size; mapOffset is shown at its centre.
    void drawMap(sf::RenderTarget& target);
    // The local map of the current node and its children at `door` (drawn by the room).
    void drawExitPreview(sf::RenderTarget& target, const Camera& camera, const Door& door);
    // Centres the minimap on the current node.
    void recentreMap();

    Room* room() const { return room_.get(); }
    Graph* graph() const { return graph_.get(); }
    OrientedNode* current() const { return current_; }

    int floorIndex = 0;
    sf::Vector2f mapOffset{0.f, 0.f};
    sf::Vector2f iconScale{0.4f, 0.4f};
    float mapTimer = 0.f;

private:
    void replaceRoom(Entity* player, const std::string& name);
    void jumpTo(Entity* player, OrientedNode* node);

    std::unique_ptr<Room> room_;
    std::unique_ptr<Graph> graph_;
    OrientedNode* current_ = nullptr;
    bool previewClockStarted_ = false;
    sf::Clock previewClock_;
};
