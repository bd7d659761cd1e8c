#pragma once

#include "creatures/Enemy.h"
#include "creatures/EntityRef.h"

class ToaMangereSlaam;

// A heavy that walks up and slams the ground, leaving a shock-wave decal; it cannot
// be hurt from the moment its slam starts until it stands again.
class ToaMangere : public Enemy
{
public:
    enum State : unsigned
    {
        APPROACH = 0,
        SLAM = 1
    };

    ToaMangere(CreatureWorld& world, sf::Vector2f position);

    ToaMangereSlaam* shockWave();

private:
    void approach(float dt);
    void slam(float dt);
    void hitTest();
    const ToaMangereRecord& data() const;

    EntityRef shockWave_;
};
