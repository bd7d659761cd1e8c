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
// angelic picture depending on the karma. It never blocks walking.
class Wall : public IRenderable, public IWorldPlaceable
{
public:
    static constexpr sf::Uint8 kBehindAlpha = 50;

    Wall(std::string evilKey, std::string goodKey);
    // A placed copy: position and both keys, with an empty outline for the room to fill.
    std::unique_ptr<Wall> clone() const;

    void draw(sf::RenderTarget& target, const Camera& camera) override;

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
