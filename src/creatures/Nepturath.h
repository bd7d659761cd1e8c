#pragma once

#include "creatures/Enemy.h"

#include <string>

// The first floor's boss: a water beast that swims in circles round the middle of
// its lake and attacks in one of two ways, drawn at random. It dives under the
// player and bursts out of the water, then lies stunned; or it charges across the
// arena until it crashes into the shore and lies exposed for a while as a shoal of
// sardines. It can be hurt only while stunned or while the sardines show.
class Nepturath : public Enemy
{
public:
    enum State : unsigned
    {
        INTRO = 0,
        CIRCLING = 1,
        DIVE = 2,
        CHARGE = 3
    };

    // The fixed middle of the arena all its movement turns round.
    static constexpr float kCentreX = 1870.f;
    static constexpr float kCentreY = 1250.f;
    // A goal it has come no nearer to for this long counts as reached: a shore, a
    // rock or the water's edge in the way must never leave it circling for ever.
    static constexpr float kGiveUpSeconds = 1.5f;
    // A charge still running after this long has crashed, wall or no wall.
    static constexpr float kChargeSeconds = 4.f;

    Nepturath(CreatureWorld& world, sf::Vector2f position);

    void update(float dt) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override;

    bool sardines() const { return sardines_; }
    bool chargingRight() const { return chargeRight_; }
    // The direction animation's suffix for a heading in degrees (screen angles).
    static const char* directionFor(float degrees);
    // What a draw of rand() mod 101 starts: 0 nothing, 2 the dive, 3 the charge.
    static unsigned attackFor(int draw, float playerCentreDistance, const NepturathRecord& data);

protected:
    void die(float dt) override;
    void advanceClocks(float dt) override;
    void stepSoul(float dt) override;

private:
    void intro(float dt);
    void circling(float dt);
    void dive(float dt);
    void charge(float dt);
    // One step round the centre: the swimming or the diving animations.
    void circleStep(float dt, bool diving);
    // Swims toward `goal`; true once there, or once the room has stopped it.
    bool swimTo(sf::Vector2f goal, float dt, bool animate);
    void backToCircling();
    void chargeHitTest();
    void exposeHitBox(const PointList& shape);
    void hideHitBox();
    const NepturathRecord& data() const;

    const sf::Texture* shadow_ = nullptr;
    bool sardines_ = false;
    bool chargeRight_ = false;
    std::string plungeShown_;
    float attackClock_ = 0.f;
    float stunClock_ = 0.f;
    float sardineClock_ = 0.f;
    float deathClock_ = 0.f;
    float travelClock_ = 0.f;
    float nearest_ = 1e30f;
    int deathPart_ = 0;
};
