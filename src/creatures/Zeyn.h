#pragma once

#include "creatures/Enemy.h"

// A glider that closes in on the player and sweeps a blade through an arc.
class Zeyn : public Enemy
{
public:
    enum State : unsigned
    {
        APPROACH = 0,
        SWEEP = 1
    };

    Zeyn(CreatureWorld& world, sf::Vector2f position);

    bool attacksLeftward() const { return leftward_; }
    float bladeAngle() const { return bladeAngle_; }

private:
    void approach(float dt);
    void sweep(float dt);
    const ZeynRecord& data() const;

    bool leftward_ = false;
    float bladeAngle_ = 0.f;
};
