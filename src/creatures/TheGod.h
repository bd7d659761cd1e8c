#pragma once

#include "creatures/Enemy.h"

#include <string>

// The final boss, a radiant figure that shrugs off the first blows between its
// attacks: each time it is hurt while idle it vanishes, restores its health and
// returns elsewhere near the arena centre, up to three times between two attacks.
// It attacks by changing shape: as a deer it charges in one of four directions; as
// a wolf it appears beside the player and bites twice. Which it prefers depends on
// the player's karma when it appeared. It leaves no soul: its fall ends the run.
class TheGod : public Enemy
{
public:
    enum State : unsigned
    {
        IDLE = 0,
        DEER = 1,
        WOLF = 2
    };
    // The sides of the player the wolf may appear on (y grows downward).
    enum Side : int
    {
        BELOW = 0,
        ABOVE = 1,
        RIGHT = 2,
        LEFT = 3
    };

    static constexpr float kCentreX = 1870.f;
    static constexpr float kCentreY = 1100.f;
    // A charge still running after this long has surely missed.
    static constexpr float kChargeSeconds = 4.f;

    TheGod(CreatureWorld& world, sf::Vector2f position);

    void update(float dt) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override;

    float restoreHealth() const { return restoreHealth_; }
    unsigned vanishCount() const { return vanishCount_; }
    bool leaning() const { return leaning_; }
    int wolfSide() const { return wolfSide_; }
    const std::string& deerDirection() const { return deerDirection_; }
    // Which attack a draw of rand() mod 101 starts: 0 none, 1 the deer, 2 the wolf.
    static unsigned attackFor(int draw, bool leaning, const TheGodRecord& data);
    // Where the wolf stands for side `side` of a player at `player`, with the bite's
    // frame of `frame` pixels, and the spot beside the player that side must offer.
    static sf::Vector2f wolfSpot(int side, sf::Vector2f player, sf::Vector2u frame);
    static sf::Vector2f wolfPlace(int side, sf::Vector2f player, sf::Vector2u frame);

protected:
    void die(float dt) override;
    void advanceClocks(float dt) override { chargeClock_ += dt; }

private:
    void idle(float dt);
    void deer(float dt);
    void wolf(float dt);
    void endAttack();
    // Puts the wolf beside the player, on a side where the floor has room for it.
    void placeWolf();
    void biteTest();
    sf::Vector2u frameOf(const std::string& key) const;
    const PointList& wolfShape() const;
    const TheGodRecord& data() const;

    float restoreHealth_ = 0.f;
    unsigned vanishCount_ = 0;
    bool leaning_ = true;
    bool biteDone_ = false;
    int wolfSide_ = BELOW;
    std::string deerDirection_ = "Right";
    float chargeClock_ = 0.f;
    bool deathStarted_ = false;
};
