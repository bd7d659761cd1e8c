#pragma once

#include "core/AnimationData.h"
#include "creatures/Entity.h"
#include "creatures/EntityRef.h"

#include <memory>

class CreatureWorld;
class Nazar;

// Nazar's thorn fence: a decal under everything that grows, stands for its life
// time and withers. It deals no damage; it blends with the floor it grows on
// through its shader, and is drawn plainly where the room has no picture or mask.
class NazarZaune : public Entity
{
public:
    NazarZaune(CreatureWorld& world, Nazar& owner, sf::Vector2f ownerPosition);

    void update(float dt) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override;

    const std::string& phase() const { return phase_; }

private:
    void enter(const std::string& key);

    CreatureWorld& world_;
    EntityRef owner_;
    // Its own copies of the owner's sheets: the fence may outlive its owner.
    std::unique_ptr<AnimationData> start_, loop_, end_;
    AnimationData* shown_ = nullptr;
    std::string phase_;
    float lifeClock_ = 0.f;
};
