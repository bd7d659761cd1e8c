#pragma once

#include "core/IRenderable.h"
#include "core/IWorldPlaceable.h"
#include "core/Polygon.h"

#include <SFML/Config.hpp>

#include <memory>
#include <string>

class RunContext;

// A free-standing piece of wall art over the room picture. It fades while the
// player stands behind it (inside its outline) and may show a demonic or an
// angelic picture depending on the karma. It never blocks walking: the room's
// template restricts the ground under its foot.
//
// The picture (h high, centred on the position) is a capped top over a face whose
// bottom, the foot, lies kFootLine × h below the centre; the wall is as deep as its
// cap, so its back meets the floor kBackLine × h below the centre. The outline covers
// the picture from its top edge down to that back line: the ground it hides.
class Wall : public IRenderable, public IWorldPlaceable
{
public:
    static constexpr sf::Uint8 kBehindAlpha = 50;
    static constexpr float kFootLine = 0.4f;
    static constexpr float kBackLine = 0.1f;

    Wall(std::string evilKey, std::string goodKey);
    // A placed copy: position and both keys, with an empty outline for the room to fill.
    std::unique_ptr<Wall> clone() const;

    void draw(sf::RenderTarget& target, const Camera& camera) override;
    // The wall stands on its foot: what is behind the foot is drawn before it.
    float footY() const override;
    // The picture's height as the outline gives it; 0 without an outline.
    float pictureHeight() const;

    // The picture shown: the evil one while the run's karma is below 0 or with no run.
    const std::string& shownTextureKey(const RunContext* run) const;
    sf::Uint8 shownAlpha(const RunContext* run) const;

    const std::string& evilKey() const { return evilKey_; }
    const std::string& goodKey() const { return goodKey_; }
    Polygon& outline() { return outline_; }
    const Polygon& outline() const { return outline_; }

    std::string name;

private:
    std::string evilKey_;
    std::string goodKey_;
    Polygon outline_;
};
