#pragma once

#include "world/Props.h"

// A breakable pot. Each placed pot holds its own loot, drawn when it is cloned
// into a room (gold, rarely an artefact); a strike breaks it and scatters the loot.
class Vase : public Props
{
public:
    explicit Vase(std::string name);
    Vase(const Vase& other);

    bool isInteractible(const Entity* player, const RunContext* run, bool byAttack) const override;
    void onInteract(Entity* player, RunContext* run) override;
    std::unique_ptr<Props> clone() const override;

    static constexpr float kArtefactChance = 0.009f;
};
