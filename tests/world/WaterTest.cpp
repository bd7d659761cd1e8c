#include "world/Water.h"

#include "core/AnimationData.h"
#include "support/TestSupport.h"
#include "support/TextureFixture.h"
#include "world/WaterRegistry.h"

#include <gtest/gtest.h>

namespace
{
class WaterRegistryTest : public TextureFixture
{
protected:
    void SetUp() override
    {
        TextureFixture::SetUp();
        WaterRegistry::clear();
        WaterRegistry::registerPuddles();
    }
    void TearDown() override
    {
        WaterRegistry::clear();
        TextureFixture::TearDown();
    }
};
} // namespace

TEST_F(WaterRegistryTest, RegistersTheNinePuddlesUnderEverything)
{
    const std::vector<std::string> expected{"blood",    "lake",     "puddle", "puddle_2",   "puddle_3",
                                            "puddle_4", "puddle_5", "river",  "shop_puddle"};
    EXPECT_EQ(WaterRegistry::registeredNames(), expected);
    for (const auto& name : expected)
    {
        const Water* puddle = WaterRegistry::find(name);
        ASSERT_NE(puddle, nullptr) << name;
        EXPECT_EQ(puddle->getLayer(), -10) << name;
        EXPECT_EQ(WaterRegistry::textureGroup()->flatten().at(name), "Assets/Sprites/Puddles/" + name + ".png");
    }
}

TEST_F(WaterRegistryTest, UnknownPuddleIsLoggedLikeAnUnknownProp)
{
    LogCapture log;
    EXPECT_EQ(WaterRegistry::cloneOf("ocean"), nullptr);
    EXPECT_EQ(log.count("Prop ocean not found in registered list of props"), 1);
}

TEST_F(WaterRegistryTest, AnimationTakesTheWholeTextureAndClonesCopyIt)
{
    TextureManager::loadTexture("lake", picture("lake", 90, 60));
    WaterRegistry::add(std::make_unique<Water>("lake"));
    WaterRegistry::createAnimations();
    const Water* lake = WaterRegistry::find("lake");
    ASSERT_NE(lake->animation(), nullptr);
    EXPECT_EQ(lake->frameSize(), sf::Vector2u(90, 60));
    EXPECT_EQ(lake->animation()->frameRect(), sf::IntRect(0, 0, 90, 60));
    EXPECT_EQ(lake->animation()->sprite.getOrigin(), sf::Vector2f(45.f, 30.f));

    auto copy = WaterRegistry::cloneOf("lake");
    copy->setPosition({10.f, 20.f});
    copy->update(0.5f);
    EXPECT_EQ(copy->name(), "lake");
    EXPECT_NE(copy->animation(), lake->animation());
    EXPECT_EQ(copy->animation()->frameRect(), sf::IntRect(0, 0, 90, 60)) << "a still puddle keeps its one frame";
    EXPECT_EQ(copy->getLayer(), -10);
}
