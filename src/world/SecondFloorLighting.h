#pragma once

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/System/Vector2.hpp>

#include <memory>
#include <string>

namespace sf
{
class RenderTarget;
}

// The three process-wide flags the run raises around a room change and a room's
// clearing; the door and player lights read them to play their grow, brighten and
// dim animations once each.
struct LightFlags
{
    static bool roomCleared;
    static bool roomEntered;
    static bool clearedEdge;
};

// A light sprite drawn additively into the run's light layer, which the second
// floor multiplies over the dark scene. It belongs to a world point and follows
// the run's camera; the kinds move or scale it.
class SecondFloorLighting
{
public:
    static constexpr const char* kTextureKey = "light";

    explicit SecondFloorLighting(sf::Vector2f position);
    virtual ~SecondFloorLighting() = default;

    virtual void update(float dt);
    virtual void draw(sf::RenderTarget& target);

    // The light a room prop gives ("firefly", the glowing mushrooms), or null.
    static std::unique_ptr<SecondFloorLighting> forProp(const std::string& propName, sf::Vector2f position);

    // Where the last draw put the light on its target (empty before the first draw
    // and when the light has no picture): nothing of it lies outside.
    const sf::FloatRect& drawnBounds() const { return drawnBounds_; }

    sf::Vector2f position;
    sf::Vector2f drawPosition;
    sf::Sprite sprite;

protected:
    // Draws the sprite at drawPosition through the active run's camera, scaled by zoom × scale.
    void drawScaled(sf::RenderTarget& target, float scale);

private:
    sf::FloatRect drawnBounds_;
};
