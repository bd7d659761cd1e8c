#include "creatures/Nepturath.h"

#include "core/AnimationData.h"
#include "core/Camera.h"
#include "core/TextureManager.h"
#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace
{
constexpr float kPi = 3.1415927f;
constexpr float kTenDegrees = 0.17453292519943295f;
const sf::Vector2f kCentre(Nepturath::kCentreX, Nepturath::kCentreY);

float lengthOf(sf::Vector2f v)
{
    return std::hypot(v.x, v.y);
}

const char* const kDirections[] = {"Up", "Down", "Left", "Right", "Up_Left", "Up_Right", "Down_Left", "Down_Right"};
} // namespace

Nepturath::Nepturath(CreatureWorld& world, sf::Vector2f position)
    : Enemy(world, "Nepturath", EnemyDatabase::records().nepturath, position)
{
    const NepturathRecord& r = data();
    shadow_ = TextureManager::getTexture("Nepturath_shadow");
    setCollisionBox(r.colisionBox);
    // Nothing to strike until it lies stunned or shows its sardines.
    hitPolygon = Polygon(PointList{}, position);
    setAttackBox({{0.f, 0.f}});
    setHandlers({[this](float dt) { intro(dt); }, [this](float dt) { circling(dt); }, [this](float dt) { dive(dt); },
                 [this](float dt) { charge(dt); }});
    show("Nepturath_Intro");
    speed = r.idle.moveSpeed;
    vulnerable_ = false;
    world.showBossBar(r.hp);
}

const NepturathRecord& Nepturath::data() const
{
    return EnemyDatabase::records().nepturath;
}

const char* Nepturath::directionFor(float d)
{
    if (d >= -112.5f && d <= -67.5f)
        return "Up";
    if (d >= 67.5f && d <= 112.5f)
        return "Down";
    if (d >= 157.5f || d <= -157.5f)
        return "Left";
    if (d >= -22.5f && d <= 22.5f)
        return "Right";
    if (d >= -67.5f && d <= -22.5f)
        return "Up_Right";
    if (d >= -157.5f && d <= -112.5f)
        return "Up_Left";
    if (d >= 22.5f && d <= 67.5f)
        return "Down_Right";
    return "Down_Left";
}

unsigned Nepturath::attackFor(int r, float playerCentreDistance, const NepturathRecord& d)
{
    if (playerCentreDistance <= static_cast<float>(d.attack1.startPlayerCenterDist) && d.attack1.prob >= 1 &&
        r <= d.attack1.prob)
        return DIVE;
    if (d.attack2.prob >= 1 && r <= d.attack1.prob + d.attack2.prob)
        return CHARGE;
    return 0;
}

void Nepturath::advanceClocks(float dt)
{
    attackClock_ += dt;
    stunClock_ += dt;
    sardineClock_ += dt;
    deathClock_ += dt;
    travelClock_ += dt;
}

void Nepturath::update(float dt)
{
    Enemy::update(dt);
    world_.updateBossBar(health);
}

void Nepturath::exposeHitBox(const PointList& shape)
{
    hitPolygon = Polygon(shape, getPosition());
    vulnerable_ = true;
}

void Nepturath::hideHitBox()
{
    hitPolygon.clear();
    vulnerable_ = false;
}

bool Nepturath::swimTo(sf::Vector2f goal, float dt, bool animate)
{
    const sf::Vector2f before = getPosition();
    const bool moved = moveTowards(goal, true, dt, true);
    const sf::Vector2f step = getPosition() - before;
    if (animate && moved && (step.x != 0.f || step.y != 0.f))
        show(std::string("Nepturath_Move_Fin_") + directionFor(std::atan2(step.y, step.x) * 180.f / kPi));
    if (getPosition() == goal)
        return true;
    // A goal on dry land, behind a rock or beyond the shore counts as reached once
    // the room stops the move, or once sliding along the shore has stopped bringing
    // it closer (the nearest approach can only shrink so often, so this always ends).
    const sf::Vector2f left = goal - getPosition();
    const float distance = std::hypot(left.x, left.y);
    if (distance < nearest_ - 1.f)
    {
        nearest_ = distance;
        travelClock_ = 0.f;
    }
    return !moved || travelClock_ >= kGiveUpSeconds;
}

void Nepturath::circleStep(float dt, bool diving)
{
    const NepturathRecord& r = data();
    const sf::Vector2f p = getPosition();
    const float a = std::atan2(p.y - kCentre.y, p.x - kCentre.x) - kTenDegrees;
    const float dist = static_cast<float>(r.idle.moveCenterDist);
    const sf::Vector2f goal = kCentre + sf::Vector2f(std::cos(a), std::sin(a)) * dist;
    if (!moveTowards(goal, true, dt, true))
        return;
    const sf::Vector2f step = getPosition() - p;
    if (step.x == 0.f && step.y == 0.f)
        return;
    const std::string direction = directionFor(std::atan2(step.y, step.x) * 180.f / kPi);
    if (diving)
    {
        plungeShown_ = "Nepturath_Plunge_" + direction;
        show(plungeShown_);
    }
    else
        show("Nepturath_Move_Fin_" + direction);
}

void Nepturath::intro(float)
{
    const NepturathRecord& r = data();
    if (step_ == 0 && finished("Nepturath_Intro"))
    {
        if (AnimationData* intro = animation("Nepturath_Intro"))
            intro->reset();
        restart("Nepturath_Plunge_After_Stunned");
        step_ = 1;
    }
    else if (step_ == 1 && finished("Nepturath_Plunge_After_Stunned"))
    {
        show("Nepturath_Move_Fin_Down");
        setState(CIRCLING);
        travelClock_ = 0.f, nearest_ = 1e30f;
        vulnerable_ = false;
        speed = r.idle.moveSpeed;
    }
}

void Nepturath::circling(float dt)
{
    const NepturathRecord& r = data();
    if (step_ == 0)
    {
        const sf::Vector2f p = getPosition();
        const sf::Vector2f out = p - kCentre;
        const float length = lengthOf(out);
        const sf::Vector2f unit = length > 0.f ? out / length : sf::Vector2f(0.f, 1.f);
        const sf::Vector2f goal = kCentre + unit * static_cast<float>(r.idle.moveCenterDist);
        if (swimTo(goal, dt, true))
        {
            attackClock_ = 0.f;
            step_ = 1;
        }
        return;
    }
    circleStep(dt, false);
    if (attackClock_ < r.attackDelay)
        return;
    const int draw = std::rand() % 101;
    std::cout << "Nepturath draws " << draw << std::endl;
    const unsigned attack = attackFor(draw, lengthOf(target_ - kCentre), r);
    attackClock_ = 0.f;
    if (attack == 0)
        return;
    setState(attack);
    speed = attack == DIVE ? r.idle.moveSpeed : r.attack2.moveSpeed;
    vulnerable_ = false;
    travelClock_ = 0.f, nearest_ = 1e30f;
    plungeShown_.clear();
}

void Nepturath::backToCircling()
{
    speed = data().idle.moveSpeed;
    hideHitBox();
    setState(CIRCLING);
    travelClock_ = 0.f, nearest_ = 1e30f;
}

void Nepturath::dive(float dt)
{
    const NepturathRecord& r = data();
    switch (step_)
    {
    case 0:
        circleStep(dt, true);
        // Under once the plunge has played (or at once when its sheets are missing).
        if ((!plungeShown_.empty() && finished(plungeShown_)) || !currentAnimation || travelClock_ >= kGiveUpSeconds)
        {
            speed = r.attack1.moveSpeed;
            show("Nepturath_Move_Underwater");
            travelClock_ = 0.f, nearest_ = 1e30f;
            step_ = 1;
        }
        break;
    case 1:
    {
        if (lengthOf(getPosition() - kCentre) > static_cast<float>(r.attack1.maxCenterDist))
        {
            // Drifted too far from the lake's middle: the dive is abandoned under water.
            show("Nepturath_Move_Fin_Down");
            step_ = 6;
            break;
        }
        const sf::Vector2f before = getPosition();
        const bool moved = moveTowards(target_, true, dt, true);
        if (getPosition() == target_ || !moved || (getPosition() == before && travelClock_ >= kGiveUpSeconds))
        {
            restart("Nepturath_Close_Surface");
            step_ = 2;
        }
        break;
    }
    case 2:
        if (finished("Nepturath_Close_Surface"))
        {
            restart("Nepturath_Exit_Water");
            step_ = 3;
        }
        break;
    case 3:
        if (frame() < 10 && showing("Nepturath_Exit_Water") && !finished("Nepturath_Exit_Water") &&
            attackHitsPlayer(r.exitWaterBox))
            world_.hurtPlayer(r.attack1.damage);
        if (finished("Nepturath_Exit_Water"))
        {
            show("Nepturath_Stunned");
            stunClock_ = 0.f;
            exposeHitBox(r.stunnedHitBox);
            step_ = 4;
        }
        break;
    case 4:
        if (stunClock_ >= r.attack1.stunnedTime)
        {
            hideHitBox();
            restart("Nepturath_Plunge_After_Stunned");
            step_ = 5;
        }
        break;
    case 5:
        if (finished("Nepturath_Plunge_After_Stunned"))
        {
            show("Nepturath_Move_Fin_Down");
            step_ = 6;
        }
        break;
    default:
        for (const char* direction : kDirections)
            if (AnimationData* plunge = animation(std::string("Nepturath_Plunge_") + direction))
                plunge->reset();
        for (const char* key : {"Nepturath_Close_Surface", "Nepturath_Exit_Water", "Nepturath_Plunge_After_Stunned"})
            if (AnimationData* shown = animation(key))
                shown->reset();
        backToCircling();
        break;
    }
}

void Nepturath::chargeHitTest()
{
    const NepturathRecord& r = data();
    const PointList* shape = nullptr;
    if ((showing("Nepturath_Charge_Build_Left") && frame() > 10) || showing("Nepturath_Charge_Left"))
        shape = &r.chargeLeftBox;
    else if ((showing("Nepturath_Charge_Build_Right") && frame() > 10) || showing("Nepturath_Charge_Right"))
        shape = &r.chargeRightBox;
    // A missing sheet still charges: the side decides.
    else if (step_ == 2 && !currentAnimation)
        shape = chargeRight_ ? &r.chargeRightBox : &r.chargeLeftBox;
    if (shape && attackHitsPlayer(*shape))
        world_.hurtPlayer(r.attack2.damage);
}

void Nepturath::charge(float dt)
{
    const NepturathRecord& r = data();
    const char* side = chargeRight_ ? "Right" : "Left";
    switch (step_)
    {
    case 0:
    {
        const float h = static_cast<float>(r.attack2.chargeBuildCenterDelataY);
        const float lo = std::min(kCentre.y - h, kCentre.y + h), hi = std::max(kCentre.y - h, kCentre.y + h);
        const sf::Vector2f goal(kCentre.x, std::clamp(target_.y, lo, hi));
        if (swimTo(goal, dt, true))
        {
            chargeRight_ = target_.x > getPosition().x;
            restart(std::string("Nepturath_Charge_Build_") + (chargeRight_ ? "Right" : "Left"));
            travelClock_ = 0.f, nearest_ = 1e30f;
            step_ = 1;
        }
        break;
    }
    case 1:
        if (finished(std::string("Nepturath_Charge_Build_") + side))
        {
            if (AnimationData* build = animation(std::string("Nepturath_Charge_Build_") + side))
                build->reset();
            show(std::string("Nepturath_Charge_") + side);
            speed = r.attack2.chargeSpeed;
            travelClock_ = 0.f, nearest_ = 1e30f;
            step_ = 2;
        }
        chargeHitTest();
        break;
    case 2:
    {
        const sf::Vector2f p = getPosition();
        const float a = std::atan2(target_.y - p.y, target_.x - p.x);
        const float delta = static_cast<float>(r.attack2.chargeDelta);
        const sf::Vector2f goal(chargeRight_ ? p.x + delta : p.x - delta, p.y + delta * std::sin(a));
        const bool moved = moveTowards(goal, true, dt, true);
        // Sliding along the shore is no charge: it has hit the wall once it stops
        // gaining ground in its direction.
        const float gained = chargeRight_ ? getPosition().x - p.x : p.x - getPosition().x;
        chargeHitTest();
        if (!moved || gained <= 0.01f || travelClock_ >= kChargeSeconds)
        {
            restart(std::string("Nepturath_Chock_Wall_") + side);
            step_ = 3;
        }
        break;
    }
    case 3:
        if (finished(std::string("Nepturath_Chock_Wall_") + side))
        {
            if (AnimationData* crash = animation(std::string("Nepturath_Chock_Wall_") + side))
                crash->reset();
            show(std::string("Nepturath_Sardine_") + side);
            exposeHitBox(r.sardineHitBox);
            speed = r.attack2.sardineSpeed;
            sardines_ = true;
            sardineClock_ = 0.f;
            step_ = 4;
        }
        break;
    case 4:
        moveTowards(kCentre, true, dt, true);
        if (sardineClock_ >= r.attack2.sardineTime)
        {
            show(std::string("Nepturath_Move_Fin_") + side);
            hideHitBox();
            sardines_ = false;
            step_ = 5;
        }
        break;
    default:
        backToCircling();
        break;
    }
}

void Nepturath::die(float)
{
    const NepturathRecord& r = data();
    if (deathPart_ == 0)
    {
        deathPart_ = 1;
        world_.hideBossBar();
        sardines_ = false;
        hitPolygon.clear();
        restart("Nepturath_Death_P01");
        deathClock_ = 0.f;
        return;
    }
    // Each part follows the last once it has finished; a missing sheet is skipped.
    if (deathPart_ == 1 && finished("Nepturath_Death_P01") && deathClock_ >= r.deathEmergeDelay)
    {
        deathPart_ = 2;
        restart("Nepturath_Death_P02");
    }
    else if (deathPart_ == 2 && finished("Nepturath_Death_P02"))
    {
        deathPart_ = 3;
        restart("Nepturath_Death_P03");
    }
    else if (deathPart_ == 3 && finished("Nepturath_Death_P03") && !soulShown_)
    {
        soulAnimation_ = animation("Nepturath_Soul");
        soulShown_ = true;
    }
    if (soulShown_)
        registerSoul(soulOffset_);
}

void Nepturath::stepSoul(float dt)
{
    // The carcass keeps sinking while its soul rises.
    if (currentAnimation && currentAnimation != soulAnimation_)
        currentAnimation->step(dt);
    if (soulAnimation_)
        soulAnimation_->step(dt);
}

void Nepturath::draw(sf::RenderTarget& target, const Camera& camera)
{
    if (sardines_ && health > 0.f && shadow_ && currentAnimation)
    {
        const sf::Vector2f body(currentAnimation->frameSize);
        const float w = body.x * scale_, h = body.y * scale_;
        sf::Sprite shadow(*shadow_);
        shadow.setPosition(camera.toScreen(getPosition() - sf::Vector2f(w / 2.f, h / 4.f)));
        shadow.setScale(scale_ * camera.zoom, scale_ * camera.zoom);
        target.draw(shadow);
    }
    Enemy::draw(target, camera);
}
