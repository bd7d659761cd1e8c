#pragma once

#include <SFML/System/Vector2.hpp>

#include <cstdint>

// Anything that stands somewhere in a room: a world position (the anchor, for
// creatures the centre of their sprite) and a signed depth layer. Decals use
// negative layers to lie under everything on layer 0.
class IWorldPlaceable
{
public:
    virtual ~IWorldPlaceable() = default;

    virtual sf::Vector2f getPosition() const { return position; }
    virtual void setPosition(sf::Vector2f p) { position = p; }
    virtual std::int32_t getLayer() const { return layer; }
    virtual void setLayer(std::int32_t l) { layer = l; }
    // The height the object stands at, which orders it among others of its layer:
    // its position unless it knows better (an animated entity stands on its frame's
    // lower edge).
    virtual float footY() const { return position.y; }

protected:
    sf::Vector2f position{0.f, 0.f};
    std::int32_t layer = 0;
};
