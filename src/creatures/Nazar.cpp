#include "creatures/Nazar.h"

#include "creatures/CreatureWorld.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/NazarBrambles.h"
#include "creatures/NazarZaune.h"

#include <cmath>

Nazar::Nazar(CreatureWorld& world, sf::Vector2f position)
    : Enemy(world, "Nazar", EnemyDatabase::records().nazar, position)
{
    show("Nazar_Idle");
    setHandlers({[this](float dt) { wait(dt); }, [this](float dt) { cast(dt); }});
    setDeathAnimations("Nazar_Death", "Nazar_Death");
    restartStateClock();
}

const NazarRecord& Nazar::data() const
{
    return EnemyDatabase::records().nazar;
}

NazarZaune* Nazar::fence()
{
    return static_cast<NazarZaune*>(fence_.get(world_));
}

NazarBrambles* Nazar::brambles()
{
    return static_cast<NazarBrambles*>(brambles_.get(world_));
}

void Nazar::wait(float)
{
    if (stateClock() >= data().attackDelay)
        setState(CAST);
}

void Nazar::cast(float)
{
    const NazarRecord& r = data();
    switch (step_)
    {
    case 0:
        restart("Nazar_Attack_Start");
        step_ = 1;
        break;
    case 1:
        if (finished("Nazar_Attack_Start"))
        {
            restart("Nazar_Attack_Loop");
            auto fence = std::make_unique<NazarZaune>(world_, *this, getPosition());
            fence_ = EntityRef(fence.get());
            world_.addEntity(std::move(fence));
            brambleClock_ = 0.f;
            step_ = 2;
        }
        break;
    case 2:
    {
        NazarZaune* standing = fence();
        if (brambleClock_ >= r.bramblesDelay && !brambles() && standing)
        {
            const sf::Vector2f from = standing->getPosition() + sf::Vector2f(0.f, static_cast<float>(r.bramblesDeltaY));
            if (std::hypot(from.x - target_.x, from.y - target_.y) <= static_cast<float>(r.bramblesReach))
            {
                const sf::Vector2f at = target_ + sf::Vector2f(0.f, static_cast<float>(r.bramblesDeltaY));
                auto brambles = std::make_unique<NazarBrambles>(world_, *this, at);
                brambles_ = EntityRef(brambles.get());
                world_.addEntity(std::move(brambles));
                brambleClock_ = 0.f;
            }
        }
        if (!standing)
        {
            show("Nazar_Idle");
            step_ = 3;
        }
        break;
    }
    default:
        setState(WAIT);
        restartStateClock();
        break;
    }
}

void Nazar::onDeath()
{
    // Its thorns die with it.
    if (NazarBrambles* standing = brambles())
        world_.removeEntity(standing);
    if (NazarZaune* standing = fence())
        world_.removeEntity(standing);
    brambles_.reset();
    fence_.reset();
}
