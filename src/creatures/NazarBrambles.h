#pragma once

#include "core/AnimationData.h"
#include "core/Polygon.h"
#include "creatures/Entity.h"
#include "creatures/EntityRef.h"

#include <memory>

class CreatureWorld;
class Nazar;

// Brambles bursting out of the ground under the player; they hurt while they stand
// up (frames 2 to 7) and then sink away.
class NazarBrambles : public Entity
{
public:
    NazarBrambles(CreatureWorld& world, Nazar& owner, sf::Vector2f position);

    void update(float dt) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override;

    const Polygon& attackBox() const { return attackBox_; }

private:
    CreatureWorld& world_;
    EntityRef owner_;
    Polygon attackBox_;
    std::unique_ptr<AnimationData> animation_;
};
