#include "creatures/ToaMangere.h"

#include "core/AnimationData.h"
#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/ToaMangereSlaam.h"

#include <cmath>

ToaMangere::ToaMangere(CreatureWorld& world, sf::Vector2f position)
    : Enemy(world, "ToaMangere", EnemyDatabase::records().toaMangere, position)
{
    setCollisionBox(data().colisionBox);
    setAttackBox(data().attackBox);
    setHandlers({[this](float dt) { approach(dt); }, [this](float dt) { slam(dt); }});
    setDeathAnimations("ToaMangere_Death", "ToaMangere_Death");
    show("ToaMangere_Idle");
    speed = data().idle.moveSpeed;
    restartStateClock();
}

const ToaMangereRecord& ToaMangere::data() const
{
    return EnemyDatabase::records().toaMangere;
}

ToaMangereSlaam* ToaMangere::shockWave()
{
    return static_cast<ToaMangereSlaam*>(shockWave_.get(world_));
}

void ToaMangere::approach(float dt)
{
    if (step_ != 0)
        return;
    const ToaMangereRecord& r = data();
    const sf::Vector2f feet = getPosition() + sf::Vector2f(0.f, static_cast<float>(r.attackBoxDeltaY));
    const float d = std::hypot(target_.x - feet.x, target_.y - feet.y);
    if (d > static_cast<float>(r.idle.moveStopDist))
        show(moveTowards(target_, true, dt, true) ? "ToaMangere_Walk" : "ToaMangere_Idle");
    else
        show("ToaMangere_Idle");
    if (stateClock() >= r.attackDelay && d <= static_cast<float>(r.idle.startAttackDist))
    {
        setState(SLAM);
        vulnerable_ = false;
        speed = r.idle.moveSpeed;
    }
}

void ToaMangere::hitTest()
{
    const ToaMangereRecord& r = data();
    if (frame() >= 12 && frame() <= 14 && attackHitsPlayer(r.attackBox))
        world_.hurtPlayer(r.attack.damage);
}

void ToaMangere::slam(float)
{
    const ToaMangereRecord& r = data();
    switch (step_)
    {
    case 0:
        restart("ToaMangere_Attack");
        step_ = 1;
        break;
    case 1:
        // The fists land on frame 12; a shorter sheet lands when it has played out,
        // so ToaMangere is never left invulnerable.
        if (reachedFrame(12))
        {
            const sf::Vector2f at = getPosition() + sf::Vector2f(0.f, static_cast<float>(r.slaam.posDeltaY));
            auto decal = std::make_unique<ToaMangereSlaam>(world_, at, animation("ToaMangere_Slaam"));
            shockWave_ = EntityRef(decal.get());
            world_.addEntity(std::move(decal));
            hitTest();
            step_ = 2;
        }
        break;
    case 2:
        hitTest();
        if (finished("ToaMangere_Attack"))
        {
            if (AnimationData* shown = animation("ToaMangere_Attack"))
                shown->reset();
            show("ToaMangere_Idle");
            step_ = 3;
        }
        break;
    default:
        setState(APPROACH);
        vulnerable_ = true;
        speed = r.idle.moveSpeed;
        restartStateClock();
        break;
    }
}
