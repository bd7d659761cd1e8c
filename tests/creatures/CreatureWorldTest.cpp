#include "creatures/CreatureWorld.h"

#include "core/Polygon.h"
#include "creatures/LivingEntity.h"
#include "support/FakeWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace
{
// A dart that flies straight and asks the world to remove it when it strikes the
// player or leaves the walkable ground.
class Dart : public Entity
{
public:
    Dart(CreatureWorld& world, sf::Vector2f from, sf::Vector2f velocity) : world_(world), velocity_(velocity)
    {
        setPosition(from);
    }
    void update(float dt) override
    {
        setPosition(getPosition() + velocity_ * dt);
        const Polygon tip({{-4.f, -4.f}, {4.f, -4.f}, {4.f, 4.f}, {-4.f, 4.f}}, getPosition());
        const Polygon* target = world_.playerHitBox();
        if (target && target->intersects(tip))
        {
            world_.hurtPlayer(5);
            world_.removeEntity(this);
            return;
        }
        if (!world_.isWalkable(this, getPosition()))
            world_.removeEntity(this);
    }

private:
    CreatureWorld& world_;
    sf::Vector2f velocity_;
};

// A stand-in creature of the kind the game's enemies are: it walks toward the
// player over walkable ground only, and throws a dart every second once within
// 400 pixels.
class Thrower : public LivingEntity
{
public:
    explicit Thrower(CreatureWorld& world) : world_(world) { speed = 150.f; }
    void update(float dt) override
    {
        const sf::Vector2f to = world_.playerPosition() - getPosition();
        const float distance = std::hypot(to.x, to.y);
        cooldown_ -= dt;
        if (distance > 400.f)
        {
            const sf::Vector2f next = getPosition() + to / distance * speed * dt;
            if (world_.isWalkable(this, next))
                setPosition(next);
        }
        else if (cooldown_ <= 0.f)
        {
            cooldown_ = 1.f;
            ++thrown;
            world_.addEntity(std::make_unique<Dart>(world_, getPosition(), to / distance * 600.f));
        }
    }
    int thrown = 0;

private:
    CreatureWorld& world_;
    float cooldown_ = 0.f;
};

TEST(CreatureInAFakeWorld, WalksUpThrowsAndItsDartsLeaveOnImpact)
{
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        std::srand(seed);
        FakeWorld world;
        // The ground is a 3000 x 2000 hall with a pit the thrower must not cross.
        const Polygon hall({{0.f, 0.f}, {3000.f, 0.f}, {3000.f, 2000.f}, {0.f, 2000.f}});
        const Polygon pit({{1400.f, 0.f}, {1500.f, 0.f}, {1500.f, 900.f}, {1400.f, 900.f}});
        world.walkable = [&](const Entity*, sf::Vector2f p) { return hall.contains(p) && !pit.contains(p); };
        world.movePlayer(
            {200.f + static_cast<float>(std::rand() % 800), 1000.f + static_cast<float>(std::rand() % 800)});
        auto owned = std::make_unique<Thrower>(world);
        Thrower* thrower = owned.get();
        thrower->setPosition({2600.f, 1500.f});
        world.addEntity(std::move(owned));

        world.step(60 * 20);
        const sf::Vector2f gap = world.playerPosition() - thrower->getPosition();
        EXPECT_LE(std::hypot(gap.x, gap.y), 401.f) << "seed " << seed << ": it should have walked up";
        EXPECT_TRUE(world.walkable(thrower, thrower->getPosition())) << "seed " << seed;
        ASSERT_GT(thrower->thrown, 3) << "seed " << seed;
        EXPECT_EQ(world.damageTaken(), 5 * static_cast<int>(world.blows.size()));
        // Every dart but those still in flight struck and left the room.
        EXPECT_GE(static_cast<int>(world.blows.size()), thrower->thrown - 1) << "seed " << seed;
        EXPECT_LE(world.entities.members().size(), 4u) << "darts that struck must be gone";
    }
}

TEST(CreatureInAFakeWorld, NoPlayerMeansNothingToHit)
{
    FakeWorld world;
    world.hasPlayer = false;
    world.addEntity(std::make_unique<Dart>(world, sf::Vector2f(0.f, 0.f), sf::Vector2f(0.f, 0.f)));
    world.step(3);
    EXPECT_TRUE(world.blows.empty());
    EXPECT_EQ(world.entities.members().size(), 2u);
}
} // namespace
