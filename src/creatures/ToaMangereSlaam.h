#pragma once

#include "core/AnimationData.h"
#include "creatures/Entity.h"

#include <memory>

class CreatureWorld;

// The crack a ToaMangere's slam leaves on the ground: a decal under everything that
// plays once and goes. It keeps its own copy of the sheet, so it plays out even if
// its maker is settled and gone meanwhile.
class ToaMangereSlaam : public Entity
{
public:
    ToaMangereSlaam(CreatureWorld& world, sf::Vector2f position, const AnimationData* sheet);

    void update(float dt) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override;

private:
    CreatureWorld& world_;
    std::unique_ptr<AnimationData> animation_;
};
