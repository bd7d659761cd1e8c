#pragma once

#include "core/Polygon.h"
#include "creatures/EnemyRecords.h"
#include "creatures/LivingEntity.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class AnimationData;
class CreatureWorld;
struct Camera;
namespace sf
{
class RenderTarget;
class Texture;
} // namespace sf

// Base of every hostile creature. A kind supplies a table of behaviour handlers
// (indexed by its state, each with a sub-step counter), its death animations and
// its draw details; the base runs them through one update template, takes the
// player's blows with an invincibility window and a damage flash, and after death
// leaves the soul standing until the player's soul choice settles it.
//
// All timing is counted in frame time, so a test can step a creature at a fixed
// rate against a fake world; the logic touches no window and needs no texture (a
// missing sheet is measured from its data file and simply not drawn).
class Enemy : public LivingEntity
{
public:
    using Handler = std::function<void(float dt)>;
    using AnimationTable = std::map<std::string, std::unique_ptr<AnimationData>>;

    // A bare enemy with 1 health and no behaviour, in no world: a stand-in target.
    Enemy();
    ~Enemy() override;

    void update(float dt) override;
    void draw(sf::RenderTarget& target, const Camera& camera) override;

    // A blow of the player's scythe: ignored while not vulnerable, dead, or within
    // the invincibility window of the last accepted hit.
    virtual void takeDamage(int amount);

    // Steps toward (or away from) `point` at the current speed; false when the probe
    // vertex of the collision polygon would leave walkable ground and `block` holds.
    bool moveTowards(sf::Vector2f point, bool toward, float dt, bool block);
    // Whether the shape (local to the enemy) touches the player's hit polygon.
    bool attackHitsPlayer(const PointList& shape);
    // Offers this dead enemy's soul as the one the soul choice settles.
    void registerSoul(int offset);
    // The kill and save icons beside the soul, when the choice is open on it.
    void drawSoulChoice(sf::RenderTarget& target, const Camera& camera) const;

    // The eight-vertex probe the movement tests walkability with, by heading in degrees.
    static std::size_t probeVertexFor(float degrees);

    const std::string& kind() const { return kind_; }
    unsigned state() const { return state_; }
    unsigned step() const { return step_; }
    bool isVulnerable() const { return vulnerable_; }
    bool hitFlash() const { return hitFlash_; }
    bool soulShown() const { return soulShown_; }
    sf::Vector2f soulPoint() const { return getPosition() + sf::Vector2f(0.f, static_cast<float>(soulOffset_)); }
    sf::Vector2f target() const { return target_; }
    std::size_t handlerCount() const { return handlers_.size(); }
    // The entry of the animation table under `key`, or null.
    AnimationData* animation(const std::string& key) const;
    // The key of the animation now shown (empty when none).
    const std::string& currentKey() const { return currentKey_; }
    const Polygon* collisionBox() const { return collisionBox_.get(); }
    const Polygon* attackBox() const { return attackBox_.get(); }
    CreatureWorld& world() const { return world_; }

    // Where the player's attacks land, in world coordinates (empty for none).
    Polygon hitPolygon;

    // The animation tables are built from each kind's data file, read once per file.
    static void clearAnimationCache();

protected:
    // `kind` names the kind's data and animations; `common` is its record.
    Enemy(CreatureWorld& world, const std::string& kind, const EnemyCommonRecord& common, sf::Vector2f position);

    // What a kind does once health has reached 0; the default plays the death
    // animation of the side facing the player (or the single one), then shows the soul.
    virtual void die(float dt);
    // Called once, on the first frame after death (a kind drops its hazards here).
    virtual void onDeath() {}
    // Kind clocks advanced every frame before the handler.
    virtual void advanceClocks(float dt) { (void)dt; }
    // After the soul is shown: most kinds step nothing more.
    virtual void stepSoul(float dt) { (void)dt; }
    // Drawn over the body (and the soul), through the same camera.
    virtual void drawDetails(sf::RenderTarget& target, const Camera& camera) { (void)target, (void)camera; }

    // Shows the animation under `key` (nothing changes when the table lacks it).
    void show(const std::string& key);
    // Shows `key` from its first frame.
    void restart(const std::string& key);
    // True when `key` is shown and has finished, or when it is missing (a missing
    // sheet must never hold a creature).
    bool finished(const std::string& key) const;
    bool showing(const std::string& key) const { return currentKey_ == key; }
    // The current frame of the animation shown (0 without one).
    int frame() const;
    // True once the animation shown has reached `frame` or has finished: a handler
    // waiting on a frame goes on even when the sheet is shorter than it expects.
    bool reachedFrame(int frameIndex) const;
    void setState(unsigned state);
    void setHandlers(std::vector<Handler> handlers) { handlers_ = std::move(handlers); }
    void setDeathAnimations(std::string left, std::string right);
    void restartStateClock() { stateClock_ = 0.f; }
    float stateClock() const { return stateClock_; }
    float distanceToTarget() const;
    void setCollisionBox(const PointList& points);
    void setAttackBox(const PointList& points);
    void placePolygons();

    CreatureWorld& world_;
    std::string kind_;
    sf::Vector2f target_{0.f, 0.f};
    unsigned state_ = 0;
    unsigned step_ = 0;
    bool vulnerable_ = true;
    bool hitFlash_ = false;
    bool soulShown_ = false;
    int soulOffset_ = 0;
    float soulScale_ = 1.f;
    float scale_ = 1.f;
    int shadowPosDeltaY_ = 0;
    float shadowScale_ = 0.f;
    AnimationData* soulAnimation_ = nullptr;
    AnimationTable animations_;

private:
    // Whether the collision polygon's probe for a step to `candidate` stands on walkable ground.
    bool probeIsWalkable(sf::Vector2f candidate);
    void drawAnimation(sf::RenderTarget& target, const Camera& camera, AnimationData& animation, sf::Vector2f at,
                       float scale, bool flash) const;

    std::vector<Handler> handlers_;
    std::string currentKey_;
    std::string deathLeft_;
    std::string deathRight_;
    bool deathSeen_ = false;
    std::unique_ptr<Polygon> collisionBox_;
    std::unique_ptr<Polygon> attackBox_;
    float stateClock_ = 0.f;
    // Start past any window, so the first blow always lands.
    float flashClock_ = 1e9f;
    float invincibilityClock_ = 1e9f;
    const sf::Texture* shadow_ = nullptr;
};

// True for an enemy above 0 health: a room is cleared when it holds none.
bool isLivingEnemy(const Entity& entity);
// True for an enemy at 0 health or below (its body and soul may still stand there).
bool isDeadEnemy(const Entity& entity);
