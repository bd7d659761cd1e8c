#pragma once

namespace sf
{
class RenderTarget;
}
struct Camera;

// Something the room draws in its depth-ordered pass, through the run's camera.
class IRenderable
{
public:
    virtual ~IRenderable() = default;

    // The default draws nothing, so logic-only objects need no override.
    virtual void draw(sf::RenderTarget& target, const Camera& camera);
};
