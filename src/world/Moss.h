#pragma once

#include "world/Props.h"

// Ground moss that breathes, or a spill of fluid: a flat decal whose strip plays at
// twice the pace of other props.
class Moss : public Props
{
public:
    explicit Moss(std::string name) : Props(std::move(name), -1) {}
    void update(float dt) override
    {
        advanceAnimation(dt);
        Props::update(dt);
    }
    std::unique_ptr<Props> clone() const override { return std::make_unique<Moss>(*this); }
};

// Fluid spills behave exactly as moss.
using Fluid = Moss;
