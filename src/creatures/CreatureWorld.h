#pragma once

#include <SFML/System/Vector2.hpp>

#include <memory>

struct Camera;
class Entity;
class Polygon;
namespace sf
{
class Texture;
}

// Everything a creature may ask of the world it stands in: where the player is and
// the polygon its attacks must touch, hurting the player, where it may walk, adding
// and removing entities of the room, the karma and the camera. The live run answers
// it; a test answers it with a small fake and steps a creature frame by frame
// without a window, the texture registry or the rest of the game.
class CreatureWorld
{
public:
    virtual ~CreatureWorld() = default;

    // The player's position ((0, 0) without one).
    virtual sf::Vector2f playerPosition() const = 0;
    // The polygon enemy attacks are tested against; null (nothing is hit) without a player.
    virtual const Polygon* playerHitBox() const = 0;
    // An enemy's blow; the player decides whether it lands (a dodge, the flash after a hit).
    virtual void hurtPlayer(int damage) = 0;

    virtual bool isWalkable(const Entity* walker, sf::Vector2f point) const = 0;
    // Whether a point lies on the room's floor, whatever stands there (a shot flies
    // over water and zones, and ends at the floor's edge).
    virtual bool isOnFloor(sf::Vector2f point) const { return isWalkable(nullptr, point); }
    // Hands a new entity (a projectile, a hazard, loot) to the room, which owns it from then on.
    virtual void addEntity(std::unique_ptr<Entity> entity) = 0;
    // Asks the room to let the entity go once the frame's update is over; an entity
    // may ask it for itself and must touch nothing of itself afterwards.
    virtual void removeEntity(Entity* entity) = 0;
    // True while the entity stands in the room and has not been asked to leave.
    virtual bool holds(const Entity* entity) const = 0;

    virtual float karma() const = 0;
    // Moves the karma by `delta`; the gauge keeps it within its bounds.
    virtual void changeKarma(float delta) = 0;
    // The room type of the live room (a soul choice never opens in a heal room).
    virtual int roomType() const = 0;
    virtual const Camera& camera() const = 0;
    // The boss life bar along the bottom of the screen: a boss shows it when it
    // appears, feeds it its health every update and hides it when it falls. Worlds
    // without a screen ignore it.
    virtual void showBossBar(float bossMaximumHealth) { (void)bossMaximumHealth; }
    virtual void updateBossBar(float health) { (void)health; }
    virtual void hideBossBar() {}
    // The picture the live room shows and its wall mask, for decals that blend with
    // the floor; null where there is none (tests, rooms without a mask).
    virtual const sf::Texture* roomPicture() const { return nullptr; }
    virtual const sf::Texture* roomWallMask() const { return nullptr; }
};
