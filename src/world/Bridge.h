#pragma once

#include "world/Props.h"

// A bridge over water or a chasm: lies flat under every walker.
class Bridge : public Props
{
public:
    explicit Bridge(std::string name) : Props(std::move(name), -1) {}
    std::unique_ptr<Props> clone() const override { return std::make_unique<Bridge>(*this); }
};
