#pragma once

#include "core/IRenderable.h"
#include "core/IWorldPlaceable.h"

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <memory>
#include <string>

class AnimationData;

// A puddle: a flat picture the room draws under its whole scene.
class Water : public IRenderable, public IWorldPlaceable
{
public:
    static constexpr std::int32_t kLayer = -10;

    explicit Water(std::string name);
    Water(const Water& other);
    Water& operator=(const Water&) = delete;
    ~Water() override;

    std::unique_ptr<Water> clone() const { return std::make_unique<Water>(*this); }
    // Sizes a whole-texture frame from the texture keyed by the name and builds the sprite.
    void createAnimation();
    void update(float dt);
    void draw(sf::RenderTarget& target, const Camera& camera) override;

    const std::string& name() const { return name_; }
    AnimationData* animation() const { return sprite_.get(); }
    sf::Vector2u frameSize() const { return frameSize_; }

private:
    std::string name_;
    std::unique_ptr<AnimationData> sprite_;
    sf::Vector2u frameSize_{0, 0};
    std::uint32_t frameCount_ = 0;
    float frameTime_ = 0.f;
};
