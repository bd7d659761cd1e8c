#pragma once

#include "core/GameState.h"
#include "core/button.h"

// The credits: the studio's picture of who made the game, and an exit button back
// to the main menu (Escape too).
class CreditsState : public GameState
{
public:
    explicit CreditsState(GroupList groups);

    void update(float frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    const button& exitButton() const { return exit_; }
    void leave();
    bool left() const { return left_; }

private:
    button exit_;
    bool left_ = false;
};
