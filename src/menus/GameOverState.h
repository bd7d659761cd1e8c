#pragma once

#include "core/GameState.h"
#include "core/button.h"

#include <SFML/System/Clock.hpp>

// Shown when the player dies: the game-over picture over a short burst of flame.
// A left click returns to the main menu; holding the right button replays the flame.
class GameOverState : public GameState
{
public:
    static constexpr int kFlameFrames = 17;
    static constexpr float kFlameRate = 8.f;

    explicit GameOverState(GroupList groups);

    void update(float frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    // The flame frame shown `seconds` after the burst started, or -1 once it is over.
    static int flameFrame(float seconds);
    // Polled mouse state, split out so it can be driven without a real mouse.
    void applyButtons(bool leftHeld, bool rightHeld);
    void restartFlame() { flameClock_.restart(); }
    bool left() const { return left_; }

private:
    button picture_;
    sf::Clock flameClock_;
    // A press still held from the run (the attack that ended it) must not skip the
    // screen before the player has seen it.
    bool leftReleased_ = false;
    bool left_ = false;
};
