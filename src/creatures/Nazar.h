#pragma once

#include "creatures/Enemy.h"
#include "creatures/EntityRef.h"

class NazarBrambles;
class NazarZaune;

// A rooted caster: it raises a thorn fence around itself and, while the fence
// stands, makes brambles burst under the player.
class Nazar : public Enemy
{
public:
    enum State : unsigned
    {
        WAIT = 0,
        CAST = 1
    };

    Nazar(CreatureWorld& world, sf::Vector2f position);

    // The hazards it has standing, or null once they have gone.
    NazarZaune* fence();
    NazarBrambles* brambles();
    // Called by the hazards when they end.
    void fenceEnded() { fence_.reset(); }
    void bramblesEnded() { brambles_.reset(); }

protected:
    void onDeath() override;

private:
    void wait(float dt);
    void cast(float dt);
    void advanceClocks(float dt) override { brambleClock_ += dt; }
    const NazarRecord& data() const;

    float brambleClock_ = 0.f;
    EntityRef fence_;
    EntityRef brambles_;
};
