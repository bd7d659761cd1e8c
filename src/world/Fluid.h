#pragma once

#include "world/Props.h"

// A spill of fluid on the floor: a flat decal whose strip plays at twice the pace of other props.
class Fluid : public Props
{
public:
    explicit Fluid(std::string name) : Props(std::move(name), -1) {}
    void update(float dt) override
    {
        advanceAnimation(dt);
        Props::update(dt);
    }
    std::unique_ptr<Props> clone() const override { return std::make_unique<Fluid>(*this); }
};
