#pragma once

#include "creatures/Enemy.h"

// A hopping spear-bearer that picks at random between an overhead spear sweep
// (from above the player) and a dash across the player from the side.
class ToaTao : public Enemy
{
public:
    enum State : unsigned
    {
        APPROACH = 0,
        SPEAR = 1,
        DASH = 2
    };

    ToaTao(CreatureWorld& world, sf::Vector2f position);

    void update(float dt) override;

    float spearAngle() const { return spearAngle_; }
    bool sideFlag() const { return side_; }
    // Which attack a draw of rand() mod 101 chooses: 0 none, 1 spear, 2 dash.
    static int attackFor(int draw, int spearProb, int dashProb);
    // Whether the spear at `angle` (radians) strikes a player at `toPlayer`.
    static bool spearStrikes(float angle, sf::Vector2f toPlayer, int reach, int reachAngle);

private:
    void approach(float dt);
    void spear(float dt);
    void dash(float dt);
    void endAttack();
    const ToaTaoRecord& data() const;

    float hopClock_ = 0.f;
    float spearAngle_ = 0.f;
    sf::Vector2f dashGoal_{0.f, 0.f};
    bool side_ = true;
    bool hopUp_ = false;
};
