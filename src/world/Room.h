#pragma once

#include "core/CopyShader.h"
#include "core/Polygon.h"
#include "creatures/EntityList.h"
#include "world/RoomFile.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Vertex.hpp>
#include <SFML/System/Clock.hpp>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Camera;
class Entity;
class Floor;
class IWorldPlaceable;
class OrientedNode;
class PictureCover;
class Props;
class Wall;
class Water;

namespace sf
{
class RenderTarget;
}

// One doorway of a live room: where it stands, which side of the room it opens on,
// and the floor-graph node it leads to (null when it leads nowhere).
struct Door
{
    sf::Vector2f position;
    std::int32_t direction = DOOR_TOP;
    bool input = false;
    bool output = false;
    sf::Vector2f spriteDelta;
    OrientedNode* target = nullptr;
};

// One of the ten flickering light slots the lighting pass feeds its shader.
struct LightSlot
{
    sf::Vector2f position;
    std::array<float, 4> colour{0.f, 0.f, 0.f, 0.f};
    std::array<float, 25> samples{};
};

// The live form of one room template on one node of the floor graph: it owns what
// stands in it (props, walls, puddles, enemies), answers where creatures may walk,
// updates its contents each frame and draws the scene in depth order with its
// shaders. Only one room exists at a time; the floor builds and destroys it.
class Room
{
public:
    // An empty room holding only the player (first entity, not owned).
    explicit Room(Entity* player);
    ~Room();
    Room(const Room&) = delete;
    Room& operator=(const Room&) = delete;

    // Builds the room `name` for `node` on `floor`. Reads the karma once from the
    // active run (0 without one). May remove the node's last child or draw another
    // Normal room when the template has too few exits. Throws std::runtime_error
    // "Failed to parse room file" for an unreadable template.
    static std::unique_ptr<Room> buildRoom(Entity* player, const std::string& name, OrientedNode* node, Floor& floor);

    void update(float dt);
    // Draws the whole scene through the camera (background, picture, depth-ordered
    // entities, props and walls, puddles, light, doors and the exit preview).
    void draw(sf::RenderTarget& window, const Camera& camera);

    // True when no entity of the room is a living enemy.
    bool isCleared() const;
    bool hasDoor(int direction) const;
    // Hands a new entity (loot, projectile, summoned creature) to the room, which owns
    // it; safe at any moment (see EntityList). Returns it.
    Entity* addEntity(std::unique_ptr<Entity> entity);
    // Asks the room to let an entity go once its update is over; the player is never
    // removed, and an entity the room does not hold is ignored.
    void removeEntity(Entity* entity);
    bool isWalkable(const Entity* entity, sf::Vector2f point) const;

    // Seconds since the last frame an enemy of the room was alive.
    float secondsSinceCleared() const { return enemyAliveClock.getElapsedTime().asSeconds(); }
    float secondsAlive() const { return lifeClock.getElapsedTime().asSeconds(); }
    int floorIndex() const { return floorIndex_; }
    Entity* player() const { return entities.player(); }
    // The texture key of the picture in use (plain, evil or good variant).
    const std::string& pictureKey() const { return pictureKey_; }
    sf::Vector2u pictureSize() const { return pictureSize_; }

    // Where buildRoom reads templates ("Assets/Rooms/" unless a test points it at its
    // own fixtures; an empty directory restores the default).
    static void setTemplateDirectory(const std::string& directory);
    static const std::string& templateDirectoryInUse();
    // The flicker's cosine-eased weight between sample `sampleIndex` and the next one
    // at `seconds` of the flicker clock (ten samples a second).
    static float flickerWeight(float seconds, int& sampleIndex);
    // How many window pixels one texel of the light layer spans on each side (4 by
    // default; 1 shades every pixel, which tests compare against).
    static void setLightDownscale(unsigned factor);
    // Whether the background is drawn only around the picture's opaque part (the
    // default) or whole; the look is the same, tests compare both.
    static void setBackgroundClipping(bool enabled);
    // Whether the light layer leaves out the parts of the window where it is wholly
    // transparent (the default) or is laid whole; the look is the same.
    static void setLightCulling(bool enabled);

    std::string name;
    std::int32_t type = 0;
    std::vector<std::unique_ptr<Props>> props;
    // The player first (not owned), then everything else standing in the room.
    EntityList entities;
    sf::Vector2f position{0.f, 0.f};
    sf::Sprite picture;
    sf::Sprite background;
    sf::Shader treeShader;
    Polygon boundaries;
    std::array<LightSlot, 10> lights;
    std::vector<Door> doors;
    std::vector<std::unique_ptr<Water>> waters;
    std::vector<std::unique_ptr<Wall>> walls;
    std::vector<Polygon> restricted;
    sf::Shader reflectionShader;
    sf::Shader wavesShader;
    sf::Shader doorShader;
    sf::Shader shadowShader;
    sf::Clock enemyAliveClock;
    sf::Clock lifeClock;

private:
    void loadShaders();
    void assignDoorTargets(const OrientedNode* node);
    void placeProp(const std::string& propName, sf::Vector2f where);
    void spawnEnemies(const RoomFile& file);
    void setLightingUniforms();
    void drawBackground(sf::RenderTarget& window, const Camera& camera);
    // The parts of the picture that hide what lies under them and the rest, or null
    // (no picture, none of it opaque, or background clipping turned off).
    const PictureCover* pictureCover();
    void drawPicture(sf::RenderTarget& window, const Camera& camera);
    // Shades the on-screen part of the light layer on its canvas: `area` is where it
    // goes on the window, `shaded` the canvas pixels that hold it. False when there is
    // none to lay this frame.
    bool shadeLightLayer(const sf::RenderTarget& window, const Camera& camera, sf::FloatRect& area,
                         sf::Vector2u& shaded);
    // Lays the shaded light layer over `area` of the window.
    void layLightLayer(sf::RenderTarget& window, const Camera& camera, const sf::FloatRect& area, sf::Vector2u shaded);
    // True when the light layer is wholly transparent over `screen` (window pixels):
    // no light reaches it and it lies inside the unshaded middle of the room.
    bool lightLayerClearOver(const sf::FloatRect& screen, const Camera& camera) const;
    void drawDoors(sf::RenderTarget& window, const Camera& camera);

    Floor* floor_ = nullptr;
    int floorIndex_ = 0;
    std::string pictureKey_;
    std::string backgroundKey_;
    sf::Vector2u pictureSize_{0, 0};
    bool shadersRequested_ = false;
    // tree, reflection, waves, door, shadow
    bool shadersLoaded_[5] = {false, false, false, false, false};
    sf::Shader lightingShader_;
    bool lightingLoaded_ = false;
    // The picture, a plain background and the light layer are drawn through it.
    CopyShader copyShader_;
    // The depth-ordered scene of the frame (kept to reuse its storage).
    std::vector<IWorldPlaceable*> sceneOrder_;
    // The background and picture pieces of the frame (kept to reuse their storage).
    std::vector<sf::Vertex> backgroundVertices_;
    std::vector<sf::Vertex> pictureVertices_;
    std::vector<sf::Vertex> lightVertices_;
    // The light layer's on-screen part, shaded at a reduced size once per frame on a
    // canvas made once per room.
    std::unique_ptr<sf::RenderTexture> lightCanvas_;
};
