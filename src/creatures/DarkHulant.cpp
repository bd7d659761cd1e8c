#include "creatures/DarkHulant.h"

#include "core/AnimationData.h"
#include "core/Camera.h"
#include "core/Logger.h"
#include "core/Random.h"
#include "core/TextureManager.h"
#include "creatures/CreatureWorld.h"
#include "creatures/DarkHulantFeather.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/LittleOwl.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace
{
constexpr float kTenDegrees = 0.17453292519943295f;
const sf::Vector2f kPerch(DarkHulant::kPerchX, DarkHulant::kPerchY);
const sf::Vector2f kCentre(DarkHulant::kCentreX, DarkHulant::kCentreY);
constexpr float kCruisingAltitude = 950.f;
constexpr float kGroundAltitude = 300.f;
constexpr float kLeastShadow = 0.1f;

using Chain = std::initializer_list<const char*>;
const Chain kFlyChain = {"Fly_P01", "Fly_P02"};
const Chain kLandChain = {"Land_P01", "Land_P02", "Land_P03"};
const Chain kLoadChain = {"Dive_Load_P01", "Dive_Load_P02"};
} // namespace

DarkHulant::DarkHulant(CreatureWorld& world, sf::Vector2f position)
    : Enemy(world, "DarkHulant", EnemyDatabase::records().darkHulant, position),
      variant_(world.karma() >= 0.f ? "Angel_" : "Demon_")
{
    const DarkHulantRecord& r = data();
    shadow_ = TextureManager::getTexture("DarkHulant_Shadow");
    setCollisionBox(r.colisionBox);
    setAttackBox(r.attackBox);
    groundAttack_ = Polygon(r.attackBox, position + sf::Vector2f(0.f, 290.f));
    setHandlers({[this](float dt) { intro(dt); }, [this](float dt) { perch(dt); }, [this](float dt) { dive(dt); },
                 [this](float dt) { barrage(dt); }});
    showPart("Intro_P01");
    speed = r.idle.moveSpeed;
    vulnerable_ = false;
    soulScale_ = 1.f;
    world.showBossBar(r.hp);
}

DarkHulant::~DarkHulant() = default;

const DarkHulantRecord& DarkHulant::data() const
{
    return EnemyDatabase::records().darkHulant;
}

unsigned DarkHulant::attackFor(int draw, const DarkHulantRecord& d)
{
    if (d.attack1.prob >= 1 && draw <= d.attack1.prob)
        return DIVE;
    if (d.attack2.prob >= 1 && draw <= d.attack1.prob + d.attack2.prob)
        return BARRAGE;
    return 0;
}

LittleOwl* DarkHulant::owl(int corner)
{
    if (corner < 0 || corner > 3)
        return nullptr;
    return static_cast<LittleOwl*>(owls_[static_cast<std::size_t>(corner)].get(world_));
}

void DarkHulant::clearOwl(int corner)
{
    if (corner >= 0 && corner <= 3)
        owls_[static_cast<std::size_t>(corner)].reset();
}

void DarkHulant::advanceClocks(float dt)
{
    attackClock_ += dt;
    dizzyClock_ += dt;
    featherClock_ += dt;
    dashClock_ += dt;
    flightClock_ += dt;
    advanceWind(dt);
}

void DarkHulant::update(float dt)
{
    advanceChains();
    Enemy::update(dt);
    groundAttack_.setPosition(getPosition() + sf::Vector2f(0.f, 290.f));
    world_.updateBossBar(health);
}

// Animation chains -----------------------------------------------------------------

void DarkHulant::advanceChains()
{
    for (const Chain& chain : {kFlyChain, kLandChain, kLoadChain})
    {
        const char* const* part = chain.begin();
        for (; part + 1 != chain.end(); ++part)
            if (showing(key(*part)) && partFinished(*part))
                break;
        if (part + 1 == chain.end())
            continue;
        // On to the next part the table holds.
        for (const char* const* next = part + 1; next != chain.end(); ++next)
            if (animation(key(*next)))
            {
                restartPart(*next);
                break;
            }
    }
}

bool DarkHulant::chainDone(const char* last) const
{
    // Done when its last part has played, or at once when the sheets are missing.
    for (const Chain& chain : {kFlyChain, kLandChain, kLoadChain})
    {
        if (std::string(*(chain.end() - 1)) != last)
            continue;
        for (const char* const* part = chain.end(); part != chain.begin();)
        {
            --part;
            if (animation(key(*part)))
                return partFinished(*part);
        }
        return true;
    }
    return partFinished(last);
}

namespace
{
// The first part of `chain` the table holds, from its first frame.
template <typename Restart, typename Has> void startChain(const Chain& chain, Restart restart, Has has)
{
    for (const char* part : chain)
        if (has(part))
        {
            restart(part);
            return;
        }
}
} // namespace

// Flight ---------------------------------------------------------------------------

void DarkHulant::takeOff()
{
    restartPart("Takes_Off");
    setPosition(getPosition() - sf::Vector2f(0.f, 25.f));
    altitude_ += 25.f;
    onPerch_ = false;
    setLayer(1);
}

void DarkHulant::land()
{
    setPosition(getPosition() + sf::Vector2f(0.f, 25.f));
    altitude_ = std::max(0.f, altitude_ - 25.f);
    setLayer(0);
}

bool DarkHulant::flyTo(sf::Vector2f goal, float dt)
{
    moveTowards(goal, true, dt, false);
    if (getPosition() == goal)
        return true;
    if (flightClock_ < kFlightSeconds)
        return false;
    setPosition(goal);
    return true;
}

bool DarkHulant::climb(float dt)
{
    const float rise = std::min(200.f * dt, std::max(0.f, kCruisingAltitude - altitude_));
    altitude_ += rise;
    setPosition(getPosition() - sf::Vector2f(0.f, rise));
    shadowScaleNow_ = std::max(kLeastShadow, shadowScaleNow_ - 0.015f * dt);
    return altitude_ >= kCruisingAltitude;
}

// Handlers -------------------------------------------------------------------------

void DarkHulant::intro(float)
{
    const std::string part = key(("Intro_P0" + std::to_string(introPart_)).c_str());
    if (!finished(part))
        return;
    if (AnimationData* shown = animation(part))
        shown->reset();
    if (introPart_ < 7)
    {
        ++introPart_;
        restart(key(("Intro_P0" + std::to_string(introPart_)).c_str()));
        return;
    }
    setState(PERCH);
    vulnerable_ = false;
    speed = data().idle.moveSpeed;
    attackClock_ = 0.f;
}

void DarkHulant::perch(float dt)
{
    const DarkHulantRecord& r = data();
    auto next = [this](unsigned step) { step_ = step, flightClock_ = 0.f; };
    auto restartFn = [this](const char* part) { restartPart(part); };
    auto hasFn = [this](const char* part) { return animation(key(part)) != nullptr; };
    switch (step_)
    {
    case 0:
        if (onPerch_)
        {
            next(4);
            break;
        }
        takeOff();
        next(1);
        break;
    case 1:
        if (partFinished("Takes_Off"))
        {
            startChain(kFlyChain, restartFn, hasFn);
            next(2);
        }
        break;
    case 2:
        if (climb(dt))
            next(3);
        break;
    case 3:
        if (flyTo(kPerch + sf::Vector2f(0.f, static_cast<float>(r.idle.step1DeltaY)), dt))
        {
            startChain(kLandChain, restartFn, hasFn);
            next(5);
        }
        break;
    case 5:
        if (flyTo(kPerch - sf::Vector2f(0.f, 25.f), dt) && chainDone("Land_P03"))
        {
            showPart("Idle");
            land();
            onPerch_ = true;
            next(4);
        }
        break;
    default:
    {
        // The decision. A draw that starts nothing is drawn again next frame, as the
        // attack clock is not restarted; only a draw that starts an attack is logged,
        // or the log would fill sixty lines a second.
        if (attackClock_ < r.attackDelay)
            break;
        const int draw = std::rand() % 101;
        const unsigned attack = attackFor(draw, r);
        if (attack == 0)
            break;
        Logger::Info("Rand result -> " + std::to_string(draw));
        Logger::Info(attack == DIVE ? "Attack1" : "Attack2");
        setState(attack);
        vulnerable_ = false;
        flightClock_ = 0.f;
        if (attack == DIVE)
            speed = r.attack1.moveSpeed;
        else
            featherClock_ = 0.f;
        break;
    }
    }
}

void DarkHulant::dive(float dt)
{
    const DarkHulantRecord& r = data();
    auto next = [this](unsigned step) { step_ = step, flightClock_ = 0.f; };
    auto restartFn = [this](const char* part) { restartPart(part); };
    auto hasFn = [this](const char* part) { return animation(key(part)) != nullptr; };
    switch (step_)
    {
    case 0:
        if (onPerch_)
            takeOff();
        next(1);
        break;
    case 1:
        if (partFinished("Takes_Off"))
        {
            startChain(kFlyChain, restartFn, hasFn);
            next(2);
        }
        break;
    case 2:
        if (flyTo(kPerch + sf::Vector2f(0.f, static_cast<float>(r.idle.step1DeltaY)), dt))
            next(3);
        break;
    case 3:
        altitude_ = std::max(kGroundAltitude, altitude_ - 280.f * dt);
        shadowScaleNow_ = std::min(1.f, shadowScaleNow_ + 0.015f * dt);
        if (flyTo(kCentre, dt))
        {
            startChain(kLoadChain, restartFn, hasFn);
            windOn_ = true;
            windPart_ = 1;
            if (AnimationData* wind = animation("DarkHulant_Wind_Effect_P01"))
                wind->reset();
            altitude_ = kGroundAltitude;
            shadowScaleNow_ = 1.f;
            next(4);
        }
        break;
    case 4:
        if (chainDone("Dive_Load_P02"))
        {
            showPart("Dash_Up");
            speed = r.attack1.dashUpSpeed;
            next(5);
        }
        break;
    case 5:
        altitude_ = std::max(0.f, altitude_ + (speed - 300.f) * dt);
        shadowScaleNow_ = std::max(kLeastShadow, shadowScaleNow_ - 0.4f * dt);
        if (flyTo(kCentre - sf::Vector2f(0.f, static_cast<float>(r.attack1.dashUpDeltaY)), dt))
        {
            speed = r.attack1.moveSpeed;
            // A fraction of the one uniform draw, whatever the library's rand() range.
            const float low = std::min(r.attack1.dashDownDelayMin, r.attack1.dashDownDelayMax);
            const float high = std::max(r.attack1.dashDownDelayMin, r.attack1.dashDownDelayMax);
            dashDownDelay_ = low + (high - low) * uniformDraw();
            dashClock_ = 0.f;
            windOn_ = false;
            windPart_ = 4;
            if (AnimationData* wind = animation("DarkHulant_Wind_Effect_P04"))
                wind->reset();
            next(6);
        }
        break;
    case 6:
        moveTowards({target_.x, target_.y - static_cast<float>(r.attack1.dashUpDeltaY)}, true, dt, false);
        if (dashClock_ >= dashDownDelay_)
        {
            showPart("Dash_Down");
            dashPoint_ = {target_.x, target_.y - 232.f};
            speed = r.attack1.dashUpSpeed;
            dashHit_ = false;
            next(7);
        }
        break;
    case 7:
        altitude_ = std::max(0.f, altitude_ - speed * dt);
        shadowScaleNow_ = std::min(1.f, shadowScaleNow_ + 0.4f * dt);
        if (flyTo(dashPoint_, dt))
        {
            groundAttack_.setPosition(getPosition() + sf::Vector2f(0.f, 290.f));
            const Polygon* player = world_.playerHitBox();
            if (!dashHit_ && player && groundAttack_.intersects(*player))
            {
                dashHit_ = true;
                world_.hurtPlayer(r.attack1.damage);
            }
            showPart("Dizzy");
            vulnerable_ = true;
            speed = r.attack1.moveSpeed;
            // Lowered by 100, as the take-off's 25 is added and the landing's taken away.
            altitude_ = std::max(0.f, altitude_ - 100.f);
            dizzyClock_ = 0.f;
            setLayer(0);
            next(8);
        }
        break;
    default:
        if (dizzyClock_ >= r.attack1.stunnedTime)
        {
            vulnerable_ = false;
            // The perch's first step takes it off the ground again.
            endAttack();
        }
        break;
    }
}

void DarkHulant::endAttack()
{
    setState(PERCH);
    vulnerable_ = false;
    speed = data().idle.moveSpeed;
    attackClock_ = 0.f;
    flightClock_ = 0.f;
}

void DarkHulant::releaseOwls()
{
    const sf::Vector2f corners[4] = {
        {-kOwlCorner, -kOwlCorner}, {kOwlCorner, -kOwlCorner}, {kOwlCorner, kOwlCorner}, {-kOwlCorner, kOwlCorner}};
    for (int i = 0; i < 4; ++i)
    {
        auto owl = std::make_unique<LittleOwl>(world_, kCentre + corners[i], variant_, this, i);
        owls_[static_cast<std::size_t>(i)] = EntityRef(owl.get());
        world_.addEntity(std::move(owl));
    }
}

void DarkHulant::removeOwls()
{
    for (EntityRef& link : owls_)
    {
        if (Entity* owl = link.get(world_))
            world_.removeEntity(owl);
        link.reset();
    }
}

void DarkHulant::barrage(float dt)
{
    const DarkHulantRecord& r = data();
    auto next = [this](unsigned step) { step_ = step, flightClock_ = 0.f; };
    auto restartFn = [this](const char* part) { restartPart(part); };
    auto hasFn = [this](const char* part) { return animation(key(part)) != nullptr; };
    const float shift = static_cast<float>(r.attack2.featherDeltaPosX);
    switch (step_)
    {
    case 0:
        releaseOwls();
        next(1);
        break;
    case 1:
        if (health <= 0.f)
        {
            // The owls' deaths have brought it down: they go with it, and it comes
            // down to the middle of the arena to die.
            removeOwls();
            next(4);
            break;
        }
        if (std::all_of(owls_.begin(), owls_.end(), [this](EntityRef& link) { return link.get(world_) == nullptr; }))
        {
            next(3);
            break;
        }
        if (featherClock_ >= r.attack2.launchFeatherDelay)
        {
            restartPart("Feather_Attack");
            featherClock_ = 0.f;
            setPosition(getPosition() + sf::Vector2f(shift, 0.f));
            shadowOffsetX_ = -shift;
            next(2);
        }
        break;
    case 2:
        if (health <= 0.f || partFinished("Feather_Attack"))
        {
            if (AnimationData* throwing = animation(key("Feather_Attack")))
                throwing->reset();
            if (health > 0.f)
            {
                const sf::Vector2f p = getPosition();
                const float a = std::atan2(target_.y - p.y, target_.x - p.x);
                for (const float angle : {a, a + kTenDegrees, a - kTenDegrees})
                    world_.addEntity(std::make_unique<DarkHulantFeather>(world_, p, angle, variant_));
            }
            showPart("Idle");
            setPosition(getPosition() - sf::Vector2f(shift, 0.f));
            shadowOffsetX_ = 0.f;
            next(1);
        }
        break;
    case 3:
        endAttack();
        break;
    case 4:
        takeOff();
        next(5);
        break;
    case 5:
        if (partFinished("Takes_Off"))
        {
            startChain(kFlyChain, restartFn, hasFn);
            next(6);
        }
        break;
    case 6:
        if (flyTo(kPerch + sf::Vector2f(0.f, static_cast<float>(r.idle.step1DeltaY)), dt))
            next(7);
        break;
    case 7:
        altitude_ = std::max(kGroundAltitude, altitude_ - 280.f * dt);
        shadowScaleNow_ = std::min(1.f, shadowScaleNow_ + 0.015f * dt);
        if (flyTo(kCentre, dt))
        {
            startChain(kLandChain, restartFn, hasFn);
            next(8);
        }
        break;
    default:
        if (chainDone("Land_P03"))
        {
            land();
            restartPart("Death_P01");
            // The next update, out of the barrage, runs the death itself.
            endAttack();
        }
        break;
    }
}

// Death ----------------------------------------------------------------------------

void DarkHulant::onDeath()
{
    // Owls never outlive their boss, whatever brought it down.
    if (state_ != BARRAGE)
        removeOwls();
}

void DarkHulant::die(float dt)
{
    if (state_ == BARRAGE)
    {
        barrage(dt);
        return;
    }
    deathSequence();
}

void DarkHulant::deathSequence()
{
    if (deathPart_ == 0)
    {
        removeOwls();
        world_.hideBossBar();
        windOn_ = false;
        shadowOffsetX_ = 0.f;
        setLayer(0);
        deathPart_ = 1;
        restartPart("Death_P01");
        return;
    }
    if (deathPart_ == 1 && partFinished("Death_P01"))
    {
        deathPart_ = 2;
        restartPart("Death_P02");
    }
    else if (deathPart_ == 2 && partFinished("Death_P02"))
    {
        deathPart_ = 3;
        restartPart("Death_P03");
    }
    else if (deathPart_ == 3 && partFinished("Death_P03") && !soulShown_)
    {
        soulAnimation_ = animation(key("Soul"));
        soulShown_ = true;
    }
    if (soulShown_)
        registerSoul(soulOffset_);
}

// Drawing --------------------------------------------------------------------------

void DarkHulant::advanceWind(float dt)
{
    if (windPart_ < 1 || windPart_ > 4 || (!windOn_ && windPart_ != 4))
        return;
    AnimationData* part = animation("DarkHulant_Wind_Effect_P0" + std::to_string(windPart_));
    if (!part)
    {
        if (windPart_ == 4)
            windPart_ = 0;
        return;
    }
    const int before = part->currentFrame;
    part->step(dt);
    if (windPart_ == 4)
    {
        if (part->finished())
            windPart_ = 0;
        return;
    }
    // The gust turns through its first three parts while it blows, and dies away through the fourth.
    if (part->currentFrame < before)
    {
        windPart_ = windPart_ % 3 + 1;
        if (AnimationData* following = animation("DarkHulant_Wind_Effect_P0" + std::to_string(windPart_)))
            following->reset();
    }
}

void DarkHulant::draw(sf::RenderTarget& target, const Camera& camera)
{
    if (shadow_ && !soulShown_)
    {
        sf::Sprite shadow(*shadow_);
        shadow.setOrigin(sf::Vector2f(shadow_->getSize()) / 2.f);
        shadow.setPosition(camera.toScreen(getPosition() + sf::Vector2f(shadowOffsetX_, altitude_)));
        shadow.setScale(shadowScaleNow_ * camera.zoom, shadowScaleNow_ * camera.zoom);
        target.draw(shadow);
    }
    Enemy::draw(target, camera);
}

void DarkHulant::drawDetails(sf::RenderTarget& target, const Camera& camera)
{
    if (windPart_ < 1 || windPart_ > 4)
        return;
    AnimationData* part = animation("DarkHulant_Wind_Effect_P0" + std::to_string(windPart_));
    if (!part)
        return;
    sf::Sprite& sprite = part->frameSprite();
    if (!sprite.getTexture())
        return;
    sprite.setPosition(camera.toScreen(kCentre));
    sprite.setScale(scale_ * camera.zoom, scale_ * camera.zoom);
    target.draw(sprite);
}
