#include "creatures/Kahiyu.h"

#include "core/AnimationData.h"
#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/KahiyuProj.h"

#include <cstdlib>

Kahiyu::Kahiyu(CreatureWorld& world, sf::Vector2f position)
    : Enemy(world, "Kahiyu", EnemyDatabase::records().kahiyu, position)
{
    setCollisionBox(data().colisionBox);
    show(std::rand() % 2 == 1 ? "Kahiyu_Idle_Left" : "Kahiyu_Idle_Right");
    setHandlers({[this](float dt) { approach(dt); }, [this](float dt) { throwRock(dt); }});
    setDeathAnimations("Kahiyu_Death_Left", "Kahiyu_Death_Right");
    speed = data().defaultSpeed;
    restartStateClock();
}

const KahiyuRecord& Kahiyu::data() const
{
    return EnemyDatabase::records().kahiyu;
}

// Kahiyu faces left only when the player is strictly on its left.
std::string Kahiyu::side(const std::string& what) const
{
    return "Kahiyu_" + what + (getPosition().x > target_.x ? "_Left" : "_Right");
}

sf::Vector2f Kahiyu::releasePoint() const
{
    // The rock leaves from behind the shoulder: to the right when facing left.
    const float dx = showing("Kahiyu_Attack_Left_P02") ? 80.f : -80.f;
    return getPosition() + sf::Vector2f(dx, 0.f);
}

void Kahiyu::approach(float dt)
{
    const KahiyuRecord& r = data();
    const float d = distanceToTarget();
    if (d <= static_cast<float>(r.attackReach) && stateClock() >= r.attackDelay)
    {
        setState(THROW);
        rockThrown_ = false;
        restart(getPosition().x > target_.x ? "Kahiyu_Attack_Left_P01" : "Kahiyu_Attack_Right_P01");
        return;
    }
    if (d > static_cast<float>(r.moveStopDist))
    {
        const bool moved = moveTowards(target_, true, dt, true);
        show(side(moved ? "Walk" : "Idle"));
    }
    else
        show(side("Idle"));
}

void Kahiyu::throwRock(float)
{
    const KahiyuRecord& r = data();
    const bool left = showing("Kahiyu_Attack_Left_P01") || showing("Kahiyu_Attack_Left_P02");
    const std::string facing = left ? "_Left" : "_Right";
    switch (step_)
    {
    case 0:
        if (finished("Kahiyu_Attack" + facing + "_P01"))
        {
            restart("Kahiyu_Attack" + facing + "_P02");
            step_ = 1;
        }
        break;
    case 1:
    {
        const std::string release = "Kahiyu_Attack" + facing + "_P02";
        // The rock leaves on frame 6; a shorter sheet throws when it has played out.
        if (!rockThrown_ && reachedFrame(6))
        {
            rockThrown_ = true;
            world_.addEntity(std::make_unique<KahiyuProj>(world_, releasePoint(), target_));
        }
        if (finished(release))
        {
            if (AnimationData* shown = animation(release))
                shown->reset();
            show("Kahiyu_Idle" + facing);
            step_ = 2;
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

void Kahiyu::stepSoul(float dt)
{
    // Kahiyu's soul flickers on after death.
    if (soulAnimation_)
        soulAnimation_->step(dt);
}
