#pragma once

#include "core/IRenderable.h"
#include "core/IWorldPlaceable.h"
#include "world/Interactible.h"

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <memory>
#include <string>

class AnimationData;
class Inventory;
class Polygon;

// A piece of room decoration (grave, root, moss, pot...): drawn from an
// animation strip of its own texture, sorted in the room's depth order, and
// possibly blocking walkers with an outline. Rooms clone registered prototypes.
class Props : public Interactible, public IWorldPlaceable, public IRenderable
{
public:
    explicit Props(std::string name, std::int32_t layer = 0);
    // A full copy with its own outline and sprite (frame, elapsed time and loop flag kept).
    Props(const Props& other);
    Props& operator=(const Props&) = delete;
    ~Props() override;

    bool interact(Entity* player, RunContext* run, bool byAttack) override;
    bool isInteractible(const Entity* player, const RunContext* run, bool byAttack) const override;
    void onInteract(Entity* player, RunContext* run) override;
    bool blocksWalking(const Entity* walker) const override;
    bool allowsStanding(const Entity* walker, const RunContext* run) const override;
    bool isSolid(const Entity* walker) const override;

    // Also carries the outline along, so a prop placed by the room blocks where it
    // stands before its first update.
    void setPosition(sf::Vector2f p) override;
    // A prop stands on the lower edge of its frame, as a creature does, so a walker in
    // front of its foot is drawn over it and one behind it under it.
    float footY() const override;

    virtual void update(float dt);
    virtual std::unique_ptr<Props> clone() const;
    void draw(sf::RenderTarget& target, const Camera& camera) override;

    // The room's walkability rule for one prop: true when this prop keeps the
    // walker from standing on `point` (solid, outline containing the point, and no standing allowed).
    bool standsInTheWay(const Entity* walker, sf::Vector2f point, const RunContext* run) const;

    // The strip layout; a (0, 0) frame means the whole texture.
    void setStrip(sf::Vector2u frameSize, std::uint32_t frameCount, float frameTime);
    // Builds the animated sprite from the texture keyed by the name (loaded by then).
    void createAnimation();

    void setOutline(std::unique_ptr<Polygon> outline);
    const Polygon* outline() const { return outline_.get(); }
    AnimationData* animation() const { return sprite_.get(); }
    const Inventory* loot() const { return loot_.get(); }
    const std::string& name() const { return name_; }
    sf::Vector2u frameSize() const { return frameSize_; }
    std::uint32_t frameCount() const { return frameCount_; }
    float frameTime() const { return frameTime_; }
    bool used() const { return used_; }

protected:
    // Steps the strip once; kinds that animate faster call it more than once a frame.
    void advanceAnimation(float dt);

    std::unique_ptr<Inventory> loot_;

private:
    std::string name_;
    std::unique_ptr<Polygon> outline_;
    std::unique_ptr<AnimationData> sprite_;
    sf::Vector2u frameSize_{0, 0};
    std::uint32_t frameCount_ = 1;
    float frameTime_ = 0.f;
    bool used_ = false;
};
