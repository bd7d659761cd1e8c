#pragma once

#include "creatures/Enemy.h"

// A walker that keeps its distance and lobs rocks where the player stands.
class Kahiyu : public Enemy
{
public:
    enum State : unsigned
    {
        APPROACH = 0,
        THROW = 1
    };

    Kahiyu(CreatureWorld& world, sf::Vector2f position);

    bool rockThrown() const { return rockThrown_; }
    // Where a rock leaves the hand for the throw animation now shown.
    sf::Vector2f releasePoint() const;

protected:
    void stepSoul(float dt) override;

private:
    void approach(float dt);
    void throwRock(float dt);
    const KahiyuRecord& data() const;
    std::string side(const std::string& what) const;

    bool rockThrown_ = false;
};
