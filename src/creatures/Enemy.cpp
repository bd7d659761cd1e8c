#include "creatures/Enemy.h"

#include "core/AnimationData.h"
#include "core/Camera.h"
#include "core/JsonReader.h"
#include "core/Logger.h"
#include "core/TextureManager.h"
#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/SoulChoice.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <json/json.h>

#include <cmath>

namespace
{
constexpr float kPi = 3.1415927f;

// Each kind's "animData", parsed the first time an instance of the kind is built.
std::map<std::string, std::vector<EnemyDatabase::AnimationSpec>>& specCache()
{
    static std::map<std::string, std::vector<EnemyDatabase::AnimationSpec>> cache;
    return cache;
}

const std::vector<EnemyDatabase::AnimationSpec>& specsOf(const std::string& kind, const std::string& dataPath)
{
    auto& cache = specCache();
    auto it = cache.find(dataPath);
    if (it != cache.end())
        return it->second;
    Json::Value document;
    std::vector<EnemyDatabase::AnimationSpec> specs;
    if (dataPath.empty())
        return cache.emplace(dataPath, std::move(specs)).first->second;
    if (JsonReader::parseFile(dataPath, document) && document.isObject())
        specs = EnemyDatabase::animationSpecs(document, dataPath);
    else
        Logger::Error("Failed to load " + kind + " data");
    return cache.emplace(dataPath, std::move(specs)).first->second;
}

// The table of one instance: a sheet that is loaded is measured as it is; one that
// is not (a test without textures) takes the frame size its data file declares.
void buildAnimations(Enemy::AnimationTable& table, const std::string& kind, const std::string& dataPath)
{
    for (const EnemyDatabase::AnimationSpec& sheet : specsOf(kind, dataPath))
    {
        if (sheet.frameCount < 1)
        {
            Logger::Error("Skipped animation " + sheet.key + " of " + kind + ": frameCount " +
                          std::to_string(sheet.frameCount) + " is below 1");
            continue;
        }
        sf::Vector2u frame(static_cast<unsigned>(std::max<std::int64_t>(sheet.frameWidth, 1)),
                           static_cast<unsigned>(std::max<std::int64_t>(sheet.frameHeight, 1)));
        if (const sf::Texture* texture = TextureManager::getTexture(sheet.key))
        {
            const auto measured = EnemyDatabase::frameSizeFor(sheet, texture->getSize());
            if (!measured)
            {
                Logger::Error("Skipped animation " + sheet.key + " of " + kind + ": its sheet cannot hold " +
                              std::to_string(sheet.frameCount) + " frames");
                continue;
            }
            frame = *measured;
        }
        auto animation = std::make_unique<AnimationData>(
            sheet.key, frame.x, frame.y, static_cast<std::uint32_t>(sheet.frameCount), sheet.time, ORIGIN_CENTER);
        animation->once = !sheet.isLoop;
        table[sheet.key] = std::move(animation);
    }
}

// The world of an enemy built outside any: nothing to see, walk on or hurt.
class NoWorld : public CreatureWorld
{
public:
    sf::Vector2f playerPosition() const override { return {0.f, 0.f}; }
    const Polygon* playerHitBox() const override { return nullptr; }
    void hurtPlayer(int) override {}
    bool isWalkable(const Entity*, sf::Vector2f) const override { return false; }
    void addEntity(std::unique_ptr<Entity>) override {}
    void removeEntity(Entity*) override {}
    bool holds(const Entity*) const override { return false; }
    float karma() const override { return 0.f; }
    void changeKarma(float) override {}
    int roomType() const override { return 0; }
    const Camera& camera() const override { return view; }

private:
    Camera view;
};

CreatureWorld& noWorld()
{
    static NoWorld instance;
    return instance;
}

EnemyCommonRecord bareRecord()
{
    EnemyCommonRecord record;
    record.hp = 1.f;
    return record;
}
} // namespace

Enemy::Enemy(CreatureWorld& world, const std::string& kind, const EnemyCommonRecord& common, sf::Vector2f position)
    : world_(world), kind_(kind)
{
    setPosition(position);
    name = common.lootFileName;
    health = common.hp;
    scale_ = common.scale;
    shadowPosDeltaY_ = common.shadowPosDeltaY;
    shadowScale_ = common.shadowScale;
    soulOffset_ = common.soulPosDeltaY;
    soulScale_ = common.soulScale;
    target_ = world.playerPosition();
    hitPolygon = Polygon(common.hitBox, position);
    buildAnimations(animations_, kind, common.dataPath);
    shadow_ = TextureManager::getTexture("EnemyShadow");
}

Enemy::Enemy() : Enemy(noWorld(), "", bareRecord(), {0.f, 0.f}) {}

Enemy::~Enemy() = default;

void Enemy::clearAnimationCache()
{
    specCache().clear();
}

AnimationData* Enemy::animation(const std::string& key) const
{
    auto it = animations_.find(key);
    return it == animations_.end() ? nullptr : it->second.get();
}

void Enemy::show(const std::string& key)
{
    if (AnimationData* next = animation(key))
    {
        currentAnimation = next;
        currentKey_ = key;
    }
}

void Enemy::restart(const std::string& key)
{
    show(key);
    if (AnimationData* shown = animation(key))
        shown->reset();
}

bool Enemy::finished(const std::string& key) const
{
    const AnimationData* shown = animation(key);
    if (!shown)
        return true;
    return currentKey_ == key && shown->finished();
}

int Enemy::frame() const
{
    return currentAnimation ? currentAnimation->currentFrame : 0;
}

bool Enemy::reachedFrame(int frameIndex) const
{
    return !currentAnimation || currentAnimation->currentFrame >= frameIndex || currentAnimation->finished();
}

void Enemy::setState(unsigned state)
{
    state_ = state;
    step_ = 0;
}

void Enemy::setDeathAnimations(std::string left, std::string right)
{
    deathLeft_ = std::move(left);
    deathRight_ = std::move(right);
}

float Enemy::distanceToTarget() const
{
    const sf::Vector2f p = getPosition();
    return std::hypot(target_.x - p.x, target_.y - p.y);
}

void Enemy::setCollisionBox(const PointList& points)
{
    collisionBox_ = std::make_unique<Polygon>(points, getPosition());
}

void Enemy::setAttackBox(const PointList& points)
{
    attackBox_ = std::make_unique<Polygon>(points, getPosition());
}

void Enemy::placePolygons()
{
    const sf::Vector2f p = getPosition();
    hitPolygon.setPosition(p);
    if (collisionBox_)
        collisionBox_->setPosition(p);
    if (attackBox_)
        attackBox_->setPosition(p);
}

void Enemy::update(float dt)
{
    target_ = world_.playerPosition();
    stateClock_ += dt;
    flashClock_ += dt;
    invincibilityClock_ += dt;
    advanceClocks(dt);

    if (health > 0.f)
    {
        if (state_ >= handlers_.size())
            setState(0);
        if (state_ < handlers_.size() && handlers_[state_])
            handlers_[state_](dt);
    }
    else
    {
        if (!deathSeen_)
        {
            deathSeen_ = true;
            vulnerable_ = false;
            onDeath();
        }
        die(dt);
    }

    placePolygons();
    const float flashTime = EnemyDatabase::records().shared.getDamageEffectTime;
    if (hitFlash_ && flashClock_ >= flashTime)
        hitFlash_ = false;
    if (!soulShown_)
    {
        if (currentAnimation)
            currentAnimation->step(dt);
    }
    else
        stepSoul(dt);
}

void Enemy::die(float)
{
    if (!soulShown_)
    {
        const std::string& side = getPosition().x >= target_.x ? deathLeft_ : deathRight_;
        const bool dying = !deathLeft_.empty() && (showing(deathLeft_) || showing(deathRight_));
        if (!dying && animation(side))
        {
            restart(side);
            return;
        }
        // A kind without a death sheet (or a missing one) shows its soul at once.
        if (!dying || currentAnimation->finished())
        {
            soulAnimation_ = animation(kind_ + "_Soul");
            soulShown_ = true;
        }
    }
    if (soulShown_)
        registerSoul(soulOffset_);
}

void Enemy::takeDamage(int amount)
{
    if (!vulnerable_ || health <= 0.f)
        return;
    if (invincibilityClock_ < EnemyDatabase::records().shared.invincibilityTime)
        return;
    hitFlash_ = true;
    health -= static_cast<float>(amount);
    flashClock_ = 0.f;
    invincibilityClock_ = 0.f;
}

std::size_t Enemy::probeVertexFor(float d)
{
    if (d >= -170.f && d <= -100.f)
        return 0;
    if (d >= -100.f && d <= -80.f)
        return 1;
    if (d >= -80.f && d <= -10.f)
        return 2;
    if (d >= -10.f && d <= 10.f)
        return 3;
    if (d >= 10.f && d <= 80.f)
        return 4;
    if (d >= 80.f && d <= 100.f)
        return 5;
    if (d >= 100.f && d <= 170.f)
        return 6;
    return 7;
}

bool Enemy::moveTowards(sf::Vector2f p, bool toward, float dt, bool block)
{
    const sf::Vector2f here = getPosition();
    const float a = std::atan2(p.y - here.y, p.x - here.x);
    const float degrees = a * 180.f / kPi;
    const float stepLength = speed * dt;
    const sf::Vector2f heading(std::cos(a) * stepLength, std::sin(a) * stepLength);
    sf::Vector2f candidate = toward ? here + heading : here - heading;

    // The snap lands an enemy exactly on a point it walks to; one walking away from
    // a point it stands near must not be pulled back onto it.
    const float r = speed / 30.f;
    if (toward && candidate.x >= p.x - r && candidate.x <= p.x + r && candidate.y >= p.y - r && candidate.y <= p.y + r)
        candidate = p;

    // The probe is the collision polygon's vertex facing the heading; a polygon
    // short of its eight vertices (a broken data file) probes the candidate itself.
    sf::Vector2f probe = candidate;
    if (collisionBox_)
    {
        collisionBox_->setPosition(candidate);
        const std::size_t index = probeVertexFor(degrees);
        if (index < collisionBox_->vertexCount() && collisionBox_->vertexCount() >= 8)
            probe = collisionBox_->point(index);
    }
    if (block && !world_.isWalkable(this, probe))
    {
        // Straight on is walled off: slide along the wall on one axis, so a corner
        // between the enemy and its goal does not hold it for ever.
        const sf::Vector2f step = candidate - here;
        for (const sf::Vector2f slide : {sf::Vector2f(step.x, 0.f), sf::Vector2f(0.f, step.y)})
            if (std::abs(slide.x) + std::abs(slide.y) > 0.01f && probeIsWalkable(here + slide))
            {
                setPosition(here + slide);
                if (collisionBox_)
                    collisionBox_->setPosition(here + slide);
                return true;
            }
        if (collisionBox_)
            collisionBox_->setPosition(here);
        return false;
    }
    setPosition(candidate);
    if (collisionBox_)
        collisionBox_->setPosition(candidate);
    return true;
}

bool Enemy::probeIsWalkable(sf::Vector2f candidate)
{
    const sf::Vector2f here = getPosition();
    const sf::Vector2f d = candidate - here;
    sf::Vector2f probe = candidate;
    if (collisionBox_ && collisionBox_->vertexCount() >= 8)
    {
        collisionBox_->setPosition(candidate);
        probe = collisionBox_->point(probeVertexFor(std::atan2(d.y, d.x) * 180.f / kPi));
    }
    return world_.isWalkable(this, probe);
}

bool Enemy::attackHitsPlayer(const PointList& shape)
{
    if (!attackBox_)
        attackBox_ = std::make_unique<Polygon>();
    attackBox_->setPoints(Polygon(shape));
    attackBox_->setPosition(getPosition());
    const Polygon* player = world_.playerHitBox();
    return player && attackBox_->intersects(*player);
}

void Enemy::registerSoul(int offset)
{
    const sf::Vector2f soul = getPosition() + sf::Vector2f(0.f, static_cast<float>(offset));
    SoulChoice::registerSoul(*this, soul, std::hypot(soul.x - target_.x, soul.y - target_.y));
}

// Drawing ---------------------------------------------------------------------------

void Enemy::drawAnimation(sf::RenderTarget& target, const Camera& camera, AnimationData& animation, sf::Vector2f at,
                          float scale, bool flash) const
{
    sf::Sprite& sprite = animation.frameSprite();
    if (!sprite.getTexture())
        return;
    sprite.setPosition(camera.toScreen(at));
    sprite.setRotation(0.f);
    sprite.setScale(scale * camera.zoom, scale * camera.zoom);
    sf::Shader* shader = flash ? EnemyDatabase::damageShader() : nullptr;
    if (shader)
    {
        shader->setUniform("texture", sf::Shader::CurrentTexture);
        target.draw(sprite, shader);
    }
    else
        target.draw(sprite);
}

void Enemy::draw(sf::RenderTarget& target, const Camera& camera)
{
    const sf::Vector2f p = getPosition();
    if (shadow_ && shadowScale_ > 0.f)
    {
        sf::Sprite shadow(*shadow_);
        shadow.setOrigin(sf::Vector2f(shadow_->getSize()) / 2.f);
        shadow.setPosition(camera.toScreen(p + sf::Vector2f(0.f, static_cast<float>(shadowPosDeltaY_))));
        shadow.setScale(shadowScale_ * camera.zoom, shadowScale_ * camera.zoom);
        target.draw(shadow);
    }
    if (currentAnimation && !(soulShown_ && currentAnimation == soulAnimation_))
        drawAnimation(target, camera, *currentAnimation, p, scale_, hitFlash_);
    if (soulShown_ && soulAnimation_)
        drawAnimation(target, camera, *soulAnimation_, soulPoint(), soulScale_, false);
    // The soul choice's icons are drawn once a frame by the run, over the whole room.
    drawDetails(target, camera);
}

void Enemy::drawSoulChoice(sf::RenderTarget& target, const Camera& camera) const
{
    if (!SoulChoice::isOpen() || !soulShown_ ||
        SoulChoice::pendingDistance() > static_cast<float>(EnemyDatabase::records().shared.maxSoulChoiceDistDraw))
        return;
    const float w = soulAnimation_ ? static_cast<float>(soulAnimation_->frameSize.x) : 0.f;
    const sf::Vector2f soul = soulPoint();
    sf::Sprite kill = EnemyDatabase::killIcon();
    sf::Sprite save = EnemyDatabase::saveIcon();
    if (kill.getTexture())
    {
        kill.setPosition(camera.toScreen({soul.x + w * soulScale_ * 0.5f, soul.y}));
        target.draw(kill);
    }
    if (save.getTexture())
    {
        save.setPosition(camera.toScreen({soul.x - w * soulScale_ * 0.5f, soul.y}));
        target.draw(save);
    }
}

bool isLivingEnemy(const Entity& entity)
{
    const auto* enemy = dynamic_cast<const Enemy*>(&entity);
    return enemy && enemy->health > 0.f;
}

bool isDeadEnemy(const Entity& entity)
{
    const auto* enemy = dynamic_cast<const Enemy*>(&entity);
    return enemy && enemy->health <= 0.f;
}
