#pragma once

#include "world/Props.h"

#include <SFML/Graphics/Text.hpp>

// The healing ritual circle of Heal rooms: it watches whether the player stands
// close enough to heal and carries the prompt the player shows then. The heal
// itself is the player's.
class Pentagram : public Props
{
public:
    static constexpr float kReach = 100.f;
    // The font its prompt is lettered in, in `language` (one that has all its letters).
    static const char* promptFont(unsigned language);

    Pentagram();

    void update(float dt) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override;
    std::unique_ptr<Props> clone() const override { return std::make_unique<Pentagram>(*this); }

    bool playerInRange() const { return playerInRange_; }
    const sf::Text& prompt() const { return prompt_; }

private:
    sf::Text prompt_;
    bool playerInRange_ = false;
};
