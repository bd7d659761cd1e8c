#include "creatures/LittleOwl.h"

#include "core/AnimationData.h"
#include "core/Random.h"
#include "creatures/CreatureWorld.h"
#include "creatures/DarkHulant.h"
#include "creatures/EnemyDatabase.h"

#include <algorithm>
#include <cmath>

LittleOwl::LittleOwl(CreatureWorld& world, sf::Vector2f position, const std::string& variant, DarkHulant* owner,
                     int corner)
    : Enemy(world, "LittleOwl", EnemyDatabase::records().littleOwl, position), owner_(owner), corner_(corner),
      variant_(variant)
{
    const LittleOwlRecord& r = data();
    // No loot and no soul: an owl simply falls.
    name.clear();
    setCollisionBox(r.colisionBox);
    setHandlers({[this](float dt) { follow(dt); }, [this](float dt) { swoop(dt); }});
    show(key("Fly"));
    speed = r.moveSpeed;
}

const LittleOwlRecord& LittleOwl::data() const
{
    return EnemyDatabase::records().littleOwl;
}

DarkHulant* LittleOwl::owner()
{
    return static_cast<DarkHulant*>(owner_.get(world_));
}

void LittleOwl::update(float dt)
{
    if (gone_)
        return;
    if (!owner())
    {
        // The boss has left the room: its owls go with it.
        gone_ = true;
        world_.removeEntity(this);
        return;
    }
    Enemy::update(dt);
}

void LittleOwl::follow(float dt)
{
    const LittleOwlRecord& r = data();
    if (step_ == 0)
    {
        // A fraction of the one uniform draw, whatever the library's rand() range.
        const float low = std::min(r.attackDelayMin, r.attackDelayMax);
        const float high = std::max(r.attackDelayMin, r.attackDelayMax);
        attackDelay_ = low + (high - low) * uniformDraw();
        attackClock_ = 0.f;
        step_ = 1;
        return;
    }
    const float d = distanceToTarget();
    if (d < r.followBackDist)
        moveTowards(target_, false, dt, false);
    else if (d > r.followMaxCloseDist)
        moveTowards(target_, true, dt, false);
    if (attackClock_ >= attackDelay_)
    {
        speed = r.attackMoveSpeed;
        setState(SWOOP);
        attackClock_ = 0.f;
    }
}

void LittleOwl::swoop(float dt)
{
    const LittleOwlRecord& r = data();
    switch (step_)
    {
    case 0:
    {
        const sf::Vector2f above(target_.x, target_.y - 60.f);
        moveTowards(above, true, dt, false);
        const sf::Vector2f p = getPosition();
        if (std::hypot(above.x - p.x, above.y - p.y) <= r.startAttackDist)
        {
            restart(key("Attack"));
            setLayer(1);
            step_ = 1;
        }
        else if (attackClock_ >= kGiveUpSeconds)
            step_ = 2;
        break;
    }
    case 1:
    {
        if (reachedFrame(9))
        {
            const sf::Vector2f p = getPosition();
            const float dx = target_.x - p.x, dy = target_.y - p.y;
            const float b = std::atan2(dy, dx) * 180.f / 3.14f;
            if (std::hypot(dx, dy) <= r.attackReach && b >= 0.f && b <= 180.f)
                world_.hurtPlayer(r.damage);
        }
        if (finished(key("Attack")))
        {
            if (AnimationData* attack = animation(key("Attack")))
                attack->reset();
            show(key("Fly"));
            setLayer(0);
            step_ = 2;
        }
        break;
    }
    default:
        setState(FOLLOW);
        setLayer(0);
        speed = r.moveSpeed;
        attackClock_ = 0.f;
        break;
    }
}

void LittleOwl::die(float)
{
    if (!dying_)
    {
        dying_ = true;
        restart(key("Death"));
        return;
    }
    if (gone_ || !finished(key("Death")))
        return;
    gone_ = true;
    if (DarkHulant* boss = owner())
    {
        boss->clearOwl(corner_);
        boss->health -= static_cast<float>(data().damageToBoss);
    }
    world_.removeEntity(this);
}
