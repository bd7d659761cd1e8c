#pragma once

#include "core/RoomNameRegistry.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/System/Vector2.hpp>

#include <functional>
#include <memory>
#include <string>
#include <vector>

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

    // One thing a map draws: a room's icon (bottom centre at `at`) or a connecting
    // line (centred on `at`, turned by `degrees`), with the box it covers.
    struct MapPiece
    {
        enum Kind
        {
            ICON,
            LINE
        } kind;
        const OrientedNode* node;
        sf::Vector2f at;
        float scale;
        float degrees;
        float length;
        sf::Color colour;
        sf::FloatRect box;
    };
    // How the map's points land on an area of the screen: centre goes to the
    // area's middle, scaled. `fits` when the whole floor is shown at once.
    struct MapView
    {
        sf::FloatRect area;
        sf::FloatRect graph;
        sf::Vector2f centre;
        float scale = 1.f;
        bool fits = false;
        sf::Vector2f toArea(sf::Vector2f q) const;
        sf::FloatRect toArea(const sf::FloatRect& box) const;
    };
    // The scales the map is drawn at: a small floor is enlarged up to the largest;
    // below the smallest the icons would no longer read, and the map is dragged instead.
    static constexpr float kMinMapScale = 0.55f;
    static constexpr float kMaxMapScale = 1.5f;
    // The size of a room type's icon picture (tests give their own).
    using IconSizes = std::function<sf::Vector2f(int roomType)>;
    static sf::Vector2f textureIconSize(int roomType);

    // The whole floor's icons and lines, in map points.
    std::vector<MapPiece> mapPieces(const IconSizes& sizes) const;
    // The view of the map onto `area`: the whole floor when it fits at a legible
    // scale, else as much as fits around mapOffset (which dragging moves).
    MapView mapView(const sf::FloatRect& area, const IconSizes& sizes = textureIconSize) const;
    // Drags the map by a mouse movement on the screen (nothing while the whole floor fits).
    void dragMap(sf::Vector2f screenDelta, const sf::FloatRect& area);
    // The full minimap onto `area` of the target (the whole target without one);
    // nothing is drawn outside the area.
    void drawMap(sf::RenderTarget& target);
    void drawMap(sf::RenderTarget& target, const sf::FloatRect& area);

    // The local map of the current node and its children at `door` (drawn by the
    // room), in screen pixels, lifted clear of `keepClear` (the player and his prompt).
    std::vector<MapPiece> exitPreviewPieces(const Camera& camera, const Door& door, const sf::FloatRect& keepClear,
                                            const IconSizes& sizes);
    void drawExitPreview(sf::RenderTarget& target, const Camera& camera, const Door& door,
                         const sf::FloatRect& keepClear = {});
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
