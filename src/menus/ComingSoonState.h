#pragma once

#include "core/GameState.h"

// Stands where a mode that is not playable yet (the tutorial, the room editor)
// will open: says so in the player's language and goes back to the main
// menu on Escape or a click.
class ComingSoonState : public GameState
{
public:
    enum Mode
    {
        MODE_TUTORIAL,
        MODE_EDITOR,
    };

    ComingSoonState(GroupList groups, Mode mode);

    void update(float frameTime) override;
    void draw(sf::RenderWindow& window) override;
    void handleInput() override;
    void handleEvent(const sf::Event& event) override;

    Mode mode() const { return mode_; }
    bool leaving() const { return leaving_; }

private:
    void leave();

    Mode mode_;
    unsigned language_;
    float time_ = 0.f;
    bool leaving_ = false;
};

// The form LoadingState<T> can construct.
template <ComingSoonState::Mode M> class ComingSoon : public ComingSoonState
{
public:
    explicit ComingSoon(GroupList groups) : ComingSoonState(std::move(groups), M) {}
};
