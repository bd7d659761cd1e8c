#include "core/DepthOrder.h"
#include "core/AnimationData.h"
#include "creatures/LivingEntity.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
class Standing : public IWorldPlaceable
{
public:
    Standing(float y, int l)
    {
        position = {0.f, y};
        layer = l;
    }
};
} // namespace

TEST(DepthOrder, LayerThenFootOfTheShownFrame)
{
    // No texture is needed: only the frame size is read.
    AnimationData tall("no_texture", 10, 100, 1, 0.1f, 0);
    LivingEntity creature; // stands at y 0, feet at 50 while animated
    creature.currentAnimation = &tall;
    LivingEntity plain;
    plain.setPosition({0.f, 40.f});
    Standing prop(45.f, 0);
    Standing decal(500.f, -2);

    std::vector<IWorldPlaceable*> scene{&creature, &prop, &plain, &decal};
    DepthOrder::sort(scene);
    const std::vector<IWorldPlaceable*> expected{&decal, &plain, &prop, &creature};
    EXPECT_EQ(scene, expected);

    creature.currentAnimation = nullptr;
    EXPECT_TRUE(DepthOrder::drawsBefore(creature, plain)) << "without an animation the position counts";
}

TEST(EntityDefaults, ConstructionState)
{
    LivingEntity e;
    EXPECT_EQ(e.getPosition(), sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(e.getLayer(), 0);
    EXPECT_EQ(e.currentAnimation, nullptr);
    EXPECT_TRUE(e.name.empty());
    EXPECT_EQ(e.bounds, sf::FloatRect(0.f, 0.f, 0.f, 0.f));
    EXPECT_TRUE(e.isDead());
    e.health = 1.f;
    EXPECT_FALSE(e.isDead());
    e.setLayer(-2);
    EXPECT_EQ(e.getLayer(), -2);
}
