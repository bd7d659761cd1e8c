#pragma once

#include "creatures/Enemy.h"

#include <memory>

// A caster that keeps a fixed height above the player and fires a bolt downward,
// a shock wave bursting from its staff as it casts. It never casts upward.
class ToaKaipupuhi : public Enemy
{
public:
    enum State : unsigned
    {
        APPROACH = 0,
        CAST = 1
    };

    ToaKaipupuhi(CreatureWorld& world, sf::Vector2f position);

    bool projectileFired() const { return fired_; }
    bool shockWavePlaying() const { return shockWave_ != nullptr; }

protected:
    void advanceClocks(float dt) override;
    void drawDetails(sf::RenderTarget& target, const Camera& camera) override;

private:
    void approach(float dt);
    void cast(float dt);
    void keepIdlePair();
    void advanceIdlePair();
    const ToaKaipupuhiRecord& data() const;

    AnimationData* shockWave_ = nullptr;
    bool fired_ = false;
};
