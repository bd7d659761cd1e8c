#pragma once

#include "creatures/Enemy.h"
#include "creatures/EntityRef.h"

#include <array>
#include <string>

class LittleOwl;

// The second floor's boss: a great owl, angelic or demonic after the player's karma
// when it appears. It rests on a perch and leaves it for one of two attacks drawn at
// random: a dive from high above onto the player, after which it lies dizzy on the
// ground and can be hurt; or a barrage of feathers from the perch while four little
// owls harass the player, each owl's death costing the boss health. It flies above
// its own shadow: the altitude separates the body from the shadow on the ground.
class DarkHulant : public Enemy
{
public:
    enum State : unsigned
    {
        INTRO = 0,
        PERCH = 1,
        DIVE = 2,
        BARRAGE = 3
    };

    static constexpr float kPerchX = 1070.f;
    static constexpr float kPerchY = 380.f;
    static constexpr float kCentreX = 1870.f;
    static constexpr float kCentreY = 1100.f;
    // Where the owls are released, about the arena centre.
    static constexpr float kOwlCorner = 1500.f;
    // A flight that has not arrived by then lands where it was going.
    static constexpr float kFlightSeconds = 8.f;

    DarkHulant(CreatureWorld& world, sf::Vector2f position);
    ~DarkHulant() override;

    void update(float dt) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override;

    const std::string& variant() const { return variant_; }
    float altitude() const { return altitude_; }
    float shadowScale() const { return shadowScaleNow_; }
    float dashDownDelay() const { return dashDownDelay_; }
    bool windOn() const { return windOn_; }
    bool onPerch() const { return onPerch_; }
    int introPart() const { return introPart_; }
    // The owl flying from corner `corner` (0 to 3), or null.
    LittleOwl* owl(int corner);
    // An owl's death frees its corner.
    void clearOwl(int corner);
    // Which attack a draw of rand() mod 101 starts: 0 none, 2 the dive, 3 the barrage.
    static unsigned attackFor(int draw, const DarkHulantRecord& data);
    // The point on the ground the dive's blow is tested at, under the body.
    const Polygon& groundAttack() const { return groundAttack_; }

protected:
    void die(float dt) override;
    void onDeath() override;
    void advanceClocks(float dt) override;
    void drawDetails(sf::RenderTarget& target, const Camera& camera) override;

private:
    void intro(float dt);
    void perch(float dt);
    void dive(float dt);
    void barrage(float dt);
    void deathSequence();

    std::string key(const char* part) const { return "DarkHulant_" + variant_ + part; }
    void showPart(const char* part) { show(key(part)); }
    void restartPart(const char* part) { restart(key(part)); }
    bool partFinished(const char* part) const { return finished(key(part)); }
    // Plays "Fly_P01" on into "Fly_P02", "Land_P01" to "Land_P03", "Dive_Load_P01" into "Dive_Load_P02".
    void advanceChains();
    bool chainDone(const char* last) const;

    void takeOff();
    void land();
    // Flies without walls toward `goal`; true on arrival (or when the flight has
    // gone on too long, landing it there).
    bool flyTo(sf::Vector2f goal, float dt);
    bool climb(float dt);
    void releaseOwls();
    void removeOwls();
    void endAttack();
    void advanceWind(float dt);
    const DarkHulantRecord& data() const;

    std::string variant_;
    std::array<EntityRef, 4> owls_;
    float attackClock_ = 0.f;
    float dizzyClock_ = 0.f;
    float featherClock_ = 0.f;
    float dashClock_ = 0.f;
    float flightClock_ = 0.f;
    sf::Vector2f dashPoint_{0.f, 0.f};
    float dashDownDelay_ = 0.f;
    float shadowScaleNow_ = 1.f;
    float altitude_ = 300.f;
    float shadowOffsetX_ = 0.f;
    int introPart_ = 1;
    bool windOn_ = false;
    int windPart_ = 1;
    bool onPerch_ = false;
    bool dashHit_ = false;
    int deathPart_ = 0;
    const sf::Texture* shadow_ = nullptr;
    Polygon groundAttack_;
};
