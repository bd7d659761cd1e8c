#pragma once

#include "creatures/Enemy.h"
#include "creatures/EntityRef.h"

#include <string>

class DarkHulant;

// One of the four little owls the great owl releases during its feather barrage.
// It keeps the player within a band of distances, swoops on it now and then, and
// when it dies it costs its boss health. An owl never outlives its boss: once the
// boss has gone (or is going) the owl leaves the room too.
class LittleOwl : public Enemy
{
public:
    enum State : unsigned
    {
        FOLLOW = 0,
        SWOOP = 1
    };

    // A swoop that has not reached the player by then is given up.
    static constexpr float kGiveUpSeconds = 6.f;

    LittleOwl(CreatureWorld& world, sf::Vector2f position, const std::string& variant, DarkHulant* owner, int corner);

    void update(float dt) override;

    int corner() const { return corner_; }
    const std::string& variant() const { return variant_; }
    float attackDelay() const { return attackDelay_; }
    // The boss while it is still in the room, else null.
    DarkHulant* owner();

protected:
    void die(float dt) override;
    void advanceClocks(float dt) override { attackClock_ += dt; }

private:
    void follow(float dt);
    void swoop(float dt);
    std::string key(const char* part) const { return "LittleOwl_" + variant_ + part; }
    const LittleOwlRecord& data() const;

    EntityRef owner_;
    int corner_ = 0;
    std::string variant_;
    float attackClock_ = 0.f;
    float attackDelay_ = 0.f;
    bool dying_ = false;
    bool gone_ = false;
};
