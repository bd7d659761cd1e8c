#include "creatures/Zeyn.h"

#include "core/AnimationData.h"
#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"

#include <cmath>
#include <cstdlib>

Zeyn::Zeyn(CreatureWorld& world, sf::Vector2f position) : Enemy(world, "Zeyn", EnemyDatabase::records().zeyn, position)
{
    const ZeynRecord& r = data();
    setCollisionBox(r.colisionBox);
    // The blade is a segment set each frame of the sweep.
    setAttackBox({{0.f, 0.f}});
    show(std::rand() % 2 == 1 ? "Zeyn_Idle_Left" : "Zeyn_Idle_Right");
    setHandlers({[this](float dt) { approach(dt); }, [this](float dt) { sweep(dt); }});
    setDeathAnimations("Zeyn_Death_Left", "Zeyn_Death_Right");
    speed = r.defaultSpeed;
    restartStateClock();
}

const ZeynRecord& Zeyn::data() const
{
    return EnemyDatabase::records().zeyn;
}

void Zeyn::approach(float dt)
{
    const ZeynRecord& r = data();
    const float d = distanceToTarget();
    if (d > static_cast<float>(r.moveStopDist))
        moveTowards(target_, true, dt, true);
    show(getPosition().x >= target_.x ? "Zeyn_Idle_Left" : "Zeyn_Idle_Right");
    if (stateClock() >= r.attackDelay && d <= static_cast<float>(r.attackStartDist))
    {
        setState(SWEEP);
        speed = r.attack.speed;
    }
}

void Zeyn::sweep(float dt)
{
    const ZeynRecord& r = data();
    switch (step_)
    {
    case 0:
        moveTowards(target_, true, dt, true);
        if (distanceToTarget() <= static_cast<float>(r.attack.startHitDist))
        {
            leftward_ = getPosition().x >= target_.x;
            restart(leftward_ ? "Zeyn_Attack_Left" : "Zeyn_Attack_Right");
            bladeAngle_ = leftward_ ? r.attack.leftStartAngle : r.attack.rightStartAngle;
            step_ = 1;
        }
        break;
    case 1:
        // The blade comes round on frame 8 (or when a shorter sheet has played out).
        if (reachedFrame(8))
            step_ = 2;
        break;
    case 2:
    {
        const float end = leftward_ ? r.attack.leftEndAngle : r.attack.rightEndAngle;
        if (leftward_)
            bladeAngle_ = std::max(bladeAngle_ - r.attack.rotateSpeed * dt, end);
        else
            bladeAngle_ = std::min(bladeAngle_ + r.attack.rotateSpeed * dt, end);
        const float reach = static_cast<float>(r.attack.reach);
        const PointList blade = {{0.f, 0.f}, {reach * std::cos(bladeAngle_), reach * std::sin(bladeAngle_)}};
        if (attackHitsPlayer(blade))
            world_.hurtPlayer(r.attack.damage);
        if (bladeAngle_ == end)
            step_ = 3;
        break;
    }
    case 3:
    {
        const std::string attack = leftward_ ? "Zeyn_Attack_Left" : "Zeyn_Attack_Right";
        if (finished(attack))
        {
            if (AnimationData* shown = animation(attack))
                shown->reset();
            show(leftward_ ? "Zeyn_Idle_Left" : "Zeyn_Idle_Right");
            step_ = 4;
        }
        break;
    }
    default:
        setState(APPROACH);
        speed = r.defaultSpeed;
        restartStateClock();
        break;
    }
}
