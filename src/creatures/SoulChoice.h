#pragma once

#include "creatures/EntityRef.h"

#include <SFML/System/Vector2.hpp>

#include <functional>

class CreatureWorld;
class Enemy;
struct Camera;
namespace sf
{
class RenderTarget;
}

// The one soul choice of the game: the soul nearest the player among the dead
// enemies of the room waits as the pending soul; the interact key opens the choice
// and, pressed again, settles it (kill when the player points right of the soul,
// save when left), moving the karma, dropping the enemy's loot and letting the
// enemy go. The pending soul is a link that forgets an enemy once it has left the
// room, and the whole record is cleared whenever a room is destroyed or a run built.
class SoulChoice
{
public:
    // Which way the player points when the choice is settled.
    struct Pointer
    {
        bool joystick = false;
        // Joystick 0's horizontal hat (used when `joystick`).
        float hat = 0.f;
        // The pointer's x on the screen (used without a joystick).
        float mouseX = 0.f;
    };
    using PointerSource = std::function<Pointer()>;

    enum class Outcome
    {
        Opened,
        Closed, // closed without a decision (no soul, too far, hat centred)
        Killed,
        Saved,
        StayedOpen // a heal room never opens or settles a choice
    };

    static bool isOpen();
    // The enemy whose soul waits, or null.
    static Enemy* pending(const CreatureWorld& world);
    static float pendingDistance();

    static void registerSoul(Enemy& enemy, sf::Vector2f soulPoint, float distance);
    // `open` true asks to open the choice, false to settle it.
    static Outcome resolve(CreatureWorld& world, bool open);
    // Draws the icons of the pending soul, once a frame, over the room.
    static void draw(sf::RenderTarget& target, const Camera& camera, const CreatureWorld& world);
    // Forgets the pending soul and closes the choice.
    static void reset();

    // Tests point with their own source; null restores the mouse and joystick.
    static void setPointerSource(PointerSource source);
};
