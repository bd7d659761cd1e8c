#pragma once

#include "core/GameState.h"

// The ending: one full-screen picture, angelic or diabolic as the player's karma
// chose. A left click or Escape returns to the main menu.
class VictoryState : public GameState
{
public:
    explicit VictoryState(GroupList groups);

    void update(float frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    // Polled input, split out so it can be driven without a real mouse.
    void applyInput(bool leftHeld, bool escapeHeld);
    bool left() const { return left_; }

private:
    // The attack that killed the last boss may still be held: only a new press leaves.
    bool leftReleased_ = false;
    bool left_ = false;
};
