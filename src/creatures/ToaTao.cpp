#include "creatures/ToaTao.h"

#include "core/AnimationData.h"
#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"

#include <cmath>
#include <cstdlib>

namespace
{
constexpr float kPi = 3.1415927f;
// A player who keeps out of reach of the attack's starting point is not chased for ever.
constexpr float kGiveUpSeconds = 5.f;
} // namespace

ToaTao::ToaTao(CreatureWorld& world, sf::Vector2f position)
    : Enemy(world, "ToaTao", EnemyDatabase::records().toaTao, position)
{
    setCollisionBox(data().colisionBox);
    setHandlers({[this](float dt) { approach(dt); }, [this](float dt) { spear(dt); }, [this](float dt) { dash(dt); }});
    // No death sheet: the soul stands at once.
    setDeathAnimations("", "");
    show("ToaTao_Idle");
    speed = data().idle.moveSpeed;
    restartStateClock();
}

const ToaTaoRecord& ToaTao::data() const
{
    return EnemyDatabase::records().toaTao;
}

int ToaTao::attackFor(int draw, int spearProb, int dashProb)
{
    if (spearProb >= 1 && draw <= spearProb)
        return 1;
    if (dashProb >= 1 && draw <= spearProb + dashProb)
        return 2;
    return 0;
}

bool ToaTao::spearStrikes(float angle, sf::Vector2f toPlayer, int reach, int reachAngle)
{
    const float d = std::hypot(toPlayer.x, toPlayer.y);
    // Bearings in degrees; the spear's angle turns the other way round from the player's.
    const float bearing = 180.f - std::atan2(toPlayer.y, toPlayer.x) * 180.f / kPi;
    const float spearBearing = -angle * 180.f / kPi - 180.f;
    const float half = static_cast<float>(reachAngle);
    return d <= static_cast<float>(reach) && bearing >= spearBearing - half && bearing <= spearBearing + half;
}

void ToaTao::update(float dt)
{
    Enemy::update(dt);
    if (health <= 0.f || !showing("ToaTao_Move"))
        return;
    // The hop: a second, vertical step toward a point above or below the player.
    const ToaTaoRecord& r = data();
    hopClock_ += dt;
    if (hopClock_ >= r.moveJumpTime)
    {
        hopUp_ = !hopUp_;
        hopClock_ = 0.f;
    }
    const float before = speed;
    speed = r.moveJumpSpeed;
    moveTowards({target_.x, target_.y + (hopUp_ ? -r.moveJumpSpeed : r.moveJumpSpeed)}, true, dt, true);
    speed = before;
    placePolygons();
}

void ToaTao::endAttack()
{
    const ToaTaoRecord& r = data();
    setState(APPROACH);
    speed = r.idle.moveSpeed;
    spearAngle_ = 0.f;
    vulnerable_ = true;
    side_ = true;
    restartStateClock();
}

void ToaTao::approach(float dt)
{
    const ToaTaoRecord& r = data();
    if (distanceToTarget() >= static_cast<float>(r.idle.moveStopDist))
    {
        moveTowards(target_, true, dt, true);
        show("ToaTao_Move");
    }
    else
        show("ToaTao_Idle");
    if (stateClock() < r.attackDelay)
        return;
    const int attack = attackFor(std::rand() % 101, r.attack1.prob, r.attack2.prob);
    if (attack == 0)
    {
        restartStateClock();
        return;
    }
    setState(attack == 1 ? SPEAR : DASH);
    speed = attack == 1 ? r.attack1.moveSpeed : r.attack2.moveSpeed;
    side_ = false;
    vulnerable_ = true;
    spearAngle_ = 0.f;
    restartStateClock();
}

void ToaTao::spear(float dt)
{
    const ToaTaoRecord& r = data();
    switch (step_)
    {
    case 0:
    {
        const sf::Vector2f above(target_.x, target_.y - static_cast<float>(r.attack1.deltaY));
        if (!moveTowards(above, true, dt, true))
        {
            // No way over the player: go for the dash instead.
            setState(DASH);
            speed = r.attack2.moveSpeed;
            spearAngle_ = 0.f;
            vulnerable_ = true;
            side_ = false;
            return;
        }
        if (stateClock() > kGiveUpSeconds)
        {
            endAttack();
            return;
        }
        if (getPosition() == above)
        {
            spearAngle_ = r.attack1.angleStart;
            restart("ToaTao_Attack_Down_P01");
            step_ = 1;
        }
        break;
    }
    case 1:
    {
        // "spearRotateSpeed" is radians per second; the end angle is reached by clamping.
        if ((showing("ToaTao_Attack_Down_P02") && frame() > 4) || (showing("ToaTao_Attack_Down_P03") && frame() < 3))
            spearAngle_ =
                std::max(spearAngle_ - static_cast<float>(r.attack1.spearRotateSpeed) * dt, r.attack1.angleEnd);
        if (world_.playerHitBox() &&
            spearStrikes(spearAngle_, target_ - getPosition(), r.attack1.reach, r.attack1.reachAngle))
            world_.hurtPlayer(r.attack1.damage);
        if (showing("ToaTao_Attack_Down_P01") && finished("ToaTao_Attack_Down_P01"))
            restart("ToaTao_Attack_Down_P02");
        else if (showing("ToaTao_Attack_Down_P02") && finished("ToaTao_Attack_Down_P02"))
            restart("ToaTao_Attack_Down_P03");
        else if (finished("ToaTao_Attack_Down_P03") || !currentAnimation)
        {
            // A sheet missing from the chain must not hold the sweep: the spear
            // still comes round at its speed.
            if (!animation("ToaTao_Attack_Down_P02") || !animation("ToaTao_Attack_Down_P03"))
                spearAngle_ =
                    std::max(spearAngle_ - static_cast<float>(r.attack1.spearRotateSpeed) * dt, r.attack1.angleEnd);
            if (spearAngle_ == r.attack1.angleEnd)
            {
                show("ToaTao_Idle");
                step_ = 2;
            }
            else
                restart("ToaTao_Attack_Down_P03");
        }
        break;
    }
    default:
        endAttack();
        break;
    }
}

void ToaTao::dash(float dt)
{
    const ToaTaoRecord& r = data();
    switch (step_)
    {
    case 0:
        side_ = getPosition().x < target_.x;
        step_ = 1;
        break;
    case 1:
    {
        const float dx = static_cast<float>(r.attack2.deltaX);
        const sf::Vector2f goal(side_ ? target_.x - dx : target_.x + dx, target_.y);
        if (!moveTowards(goal, true, dt, true))
            side_ = !side_;
        if (stateClock() > kGiveUpSeconds)
        {
            endAttack();
            return;
        }
        if (getPosition() == goal)
        {
            const float dist = static_cast<float>(r.attack2.dashDist);
            dashGoal_ = getPosition() + sf::Vector2f(getPosition().x < target_.x ? dist : -dist, 0.f);
            speed = r.attack2.dashSpeed;
            step_ = 2;
        }
        break;
    }
    case 2:
    {
        const bool moved = moveTowards(dashGoal_, true, dt, true);
        if (moved)
        {
            const sf::Vector2f p = getPosition();
            const float width = static_cast<float>(r.attack2.reachWidth);
            const float h = static_cast<float>(r.attack2.reachHeight / 2);
            const bool across =
                side_ ? (p.x <= target_.x && target_.x <= p.x + width) : (p.x - width <= target_.x && target_.x <= p.x);
            if (across && p.y - h <= target_.y && target_.y <= p.y + h && world_.playerHitBox())
                world_.hurtPlayer(r.attack2.damage);
        }
        if (!moved || getPosition() == dashGoal_)
        {
            speed = r.attack2.moveSpeed;
            step_ = 3;
        }
        break;
    }
    default:
        speed = r.idle.moveSpeed;
        endAttack();
        break;
    }
}
