#include "creatures/ToaKaipupuhi.h"

#include "core/AnimationData.h"
#include "core/Camera.h"
#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/ToaKaipupuhiProj.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <cmath>

ToaKaipupuhi::ToaKaipupuhi(CreatureWorld& world, sf::Vector2f position)
    : Enemy(world, "ToaKaipupuhi", EnemyDatabase::records().toaKaipupuhi, position)
{
    setCollisionBox(data().colisionBox);
    setHandlers({[this](float dt) { approach(dt); }, [this](float dt) { cast(dt); }});
    setDeathAnimations("ToaKaipupuhi_Death", "ToaKaipupuhi_Death");
    show("ToaKaipupuhi_Idle_P01");
    speed = data().idle.moveSpeed;
    restartStateClock();
}

const ToaKaipupuhiRecord& ToaKaipupuhi::data() const
{
    return EnemyDatabase::records().toaKaipupuhi;
}

void ToaKaipupuhi::keepIdlePair()
{
    if (!showing("ToaKaipupuhi_Idle_P01") && !showing("ToaKaipupuhi_Idle_P02"))
        show("ToaKaipupuhi_Idle_P01");
}

void ToaKaipupuhi::advanceIdlePair()
{
    if (showing("ToaKaipupuhi_Idle_P01") && finished("ToaKaipupuhi_Idle_P01"))
        restart("ToaKaipupuhi_Idle_P02");
    else if (showing("ToaKaipupuhi_Idle_P02") && finished("ToaKaipupuhi_Idle_P02"))
        restart("ToaKaipupuhi_Idle_P01");
}

void ToaKaipupuhi::approach(float dt)
{
    const ToaKaipupuhiRecord& r = data();
    const float goalY = target_.y + static_cast<float>(r.idle.deltaY);
    if (getPosition().y == goalY && distanceToTarget() <= static_cast<float>(r.idle.moveStopDist))
        keepIdlePair();
    else if (moveTowards({target_.x, goalY}, true, dt, true))
        show("ToaKaipupuhi_Walk");
    else
        keepIdlePair();
    advanceIdlePair();
    // Only downward: a player level with it or above is never shot at.
    if (stateClock() >= r.attackDelay && target_.y > getPosition().y)
    {
        setState(CAST);
        vulnerable_ = false;
        speed = r.idle.moveSpeed;
        fired_ = false;
    }
}

void ToaKaipupuhi::cast(float)
{
    const ToaKaipupuhiRecord& r = data();
    switch (step_)
    {
    case 0:
        restart("ToaKaipupuhi_Attack_P01");
        step_ = 1;
        break;
    case 1:
        if (finished("ToaKaipupuhi_Attack_P01"))
        {
            restart("ToaKaipupuhi_Attack_P02");
            step_ = 2;
        }
        break;
    case 2:
        // The bolt leaves between frames 3 and 5 (or once a shorter sheet has played).
        if (!fired_ && reachedFrame(3))
        {
            const sf::Vector2f p = getPosition();
            const float a = std::atan2(target_.y - p.y, target_.x - p.x);
            world_.addEntity(std::make_unique<ToaKaipupuhiProj>(world_, p, a));
            if ((shockWave_ = animation("ToaKaipupuhi_ChockWave")))
                shockWave_->reset();
            fired_ = true;
        }
        if (finished("ToaKaipupuhi_Attack_P02"))
        {
            if (AnimationData* shown = animation("ToaKaipupuhi_Attack_P02"))
                shown->reset();
            show("ToaKaipupuhi_Idle_P01");
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
    (void)r;
}

void ToaKaipupuhi::advanceClocks(float dt)
{
    if (!shockWave_)
        return;
    if (shockWave_->finished())
    {
        shockWave_->reset();
        shockWave_ = nullptr;
        return;
    }
    shockWave_->step(dt);
}

void ToaKaipupuhi::drawDetails(sf::RenderTarget& target, const Camera& camera)
{
    if (!shockWave_)
        return;
    sf::Sprite& sprite = shockWave_->frameSprite();
    if (!sprite.getTexture())
        return;
    const sf::Vector2f at = getPosition() + sf::Vector2f(0.f, static_cast<float>(data().chockWaveDeltaY));
    sprite.setPosition(camera.toScreen(at));
    sprite.setRotation(0.f);
    sprite.setScale(scale_ * camera.zoom, scale_ * camera.zoom);
    target.draw(sprite);
}
