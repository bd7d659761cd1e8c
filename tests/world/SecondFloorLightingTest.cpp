#include "world/SecondFloorLighting.h"
#include "world/DoorLight.h"
#include "world/Firefly.h"
#include "world/PlayerLight.h"
#include "world/ShroomLight.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
// Every test starts with the flags down and leaves them down.
class Lights : public ::testing::Test
{
protected:
    void SetUp() override { lower(); }
    void TearDown() override { lower(); }
    static void lower()
    {
        LightFlags::roomCleared = false;
        LightFlags::roomEntered = false;
        LightFlags::clearedEdge = false;
    }
    static void run(SecondFloorLighting& light, float seconds, float step = 0.05f)
    {
        for (float t = 0.f; t < seconds - 1e-4f; t += step)
        {
            float dt = step;
            light.update(dt);
        }
    }
};
} // namespace

TEST_F(Lights, DoorLightStaysDarkUntilTheRoomIsClearedThenGrowsInHalfASecond)
{
    DoorLight light({300.f, 40.f});
    run(light, 2.f);
    EXPECT_EQ(light.scale, 0.f) << "no glow while enemies live";
    EXPECT_EQ(light.drawPosition, sf::Vector2f(300.f, 40.f));

    LightFlags::clearedEdge = true;
    run(light, 0.25f);
    EXPECT_NEAR(light.scale, 0.5f, 1e-3f) << "halfway through its growth";
    run(light, 0.5f);
    EXPECT_TRUE(light.done);
    EXPECT_EQ(light.scale, 1.f);
    run(light, 1.f);
    EXPECT_EQ(light.scale, 1.f) << "it grows once";
}

TEST_F(Lights, FireflyTracesAFigureEightAroundItsProp)
{
    Firefly fly({100.f, 200.f});
    const float period = 2.f * 3.14159265f / 5.f;
    float maxDx = 0.f, maxDy = 0.f;
    for (int i = 0; i < 400; ++i)
    {
        float dt = period / 200.f;
        fly.update(dt);
        maxDx = std::max(maxDx, std::abs(fly.drawPosition.x - 100.f));
        maxDy = std::max(maxDy, std::abs(fly.drawPosition.y - 200.f));
    }
    EXPECT_NEAR(maxDx, 10.f, 0.05f);
    EXPECT_NEAR(maxDy, 5.f, 0.05f);
    // After one horizontal cycle it is back where the cycle began.
    Firefly again({0.f, 0.f});
    float dt = period;
    again.update(dt);
    EXPECT_NEAR(again.drawPosition.x, 10.f, 1e-3f);
    EXPECT_NEAR(again.drawPosition.y, 0.f, 1e-3f);
}

TEST_F(Lights, PlayerLightBrightensWhenClearedAndDimsWhenEntering)
{
    PlayerLight light(sf::Color(255, 255, 255, 150), 0.5f);
    LightFlags::roomCleared = true;
    run(light, 0.25f);
    EXPECT_NEAR(light.scale, 0.5f + 0.7f * 0.5f, 1e-3f);
    EXPECT_NEAR(light.sprite.getColor().a, 202, 1);
    run(light, 0.5f);
    EXPECT_TRUE(light.done);
    EXPECT_FALSE(LightFlags::roomCleared) << "the brightening lowers its flag";
    EXPECT_EQ(light.scale, 1.2f);
    EXPECT_EQ(light.sprite.getColor().a, 255);

    PlayerLight entering(sf::Color(255, 255, 255, 150), 1.2f);
    LightFlags::roomEntered = true;
    run(entering, 0.7f);
    EXPECT_FALSE(LightFlags::roomEntered);
    EXPECT_EQ(entering.scale, 0.5f);
    EXPECT_EQ(entering.sprite.getColor().a, 150);
}

TEST_F(Lights, GlowingPropsGiveTheirLightsAndOthersNone)
{
    struct Case
    {
        const char* prop;
        bool firefly;
        bool shroom;
    };
    for (const Case& c :
         {Case{"firefly", true, false}, Case{"mushroom_01", false, true}, Case{"double_mushroom_02", false, true},
          Case{"mushroom_03", false, true}, Case{"grave_01", false, false}, Case{"", false, false}})
    {
        auto light = SecondFloorLighting::forProp(c.prop, {5.f, 6.f});
        EXPECT_EQ(dynamic_cast<Firefly*>(light.get()) != nullptr, c.firefly) << c.prop;
        EXPECT_EQ(dynamic_cast<ShroomLight*>(light.get()) != nullptr, c.shroom) << c.prop;
        if (light)
        {
            EXPECT_EQ(light->position, sf::Vector2f(5.f, 6.f)) << c.prop;
        }
        if (c.shroom)
        {
            EXPECT_EQ(light->sprite.getColor(), sf::Color(174, 60, 81, 255));
        }
    }
}
