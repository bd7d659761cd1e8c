#include "world/Wall.h"

#include "core/AnimationData.h"
#include "core/Camera.h"
#include "core/DepthOrder.h"
#include "creatures/LivingEntity.h"
#include "support/FakeRun.h"
#include "support/TestSupport.h"
#include "support/TextureFixture.h"
#include "world/Props.h"
#include "world/WallRegistry.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
class WallRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WallRegistry::clear();
        WallRegistry::registerWalls();
    }
    void TearDown() override { WallRegistry::clear(); }
};
} // namespace

TEST_F(WallRegistryTest, KarmaWallShowsItsDemonicSideBelowZeroAndItsAngelicSideFromZero)
{
    const Wall* wall = WallRegistry::find("sf_norm1_wall");
    ASSERT_NE(wall, nullptr);
    FakeRun run(0, -0.5f);
    EXPECT_EQ(wall->shownTextureKey(&run), "sf_norm1_wall_e");
    run.setKarma(0.f);
    EXPECT_EQ(wall->shownTextureKey(&run), "sf_norm1_wall_g");
    run.setKarma(160.f);
    EXPECT_EQ(wall->shownTextureKey(&run), "sf_norm1_wall_g");
    EXPECT_EQ(wall->shownTextureKey(nullptr), "sf_norm1_wall_e") << "the editor, with no run, shows the evil side";
    // A single-picture wall shows the same picture on both sides.
    const Wall* plain = WallRegistry::find("tf_norm2_wall_1");
    ASSERT_NE(plain, nullptr);
    run.setKarma(-100.f);
    EXPECT_EQ(plain->shownTextureKey(&run), "tf_norm2_wall_1");
    run.setKarma(100.f);
    EXPECT_EQ(plain->shownTextureKey(&run), "tf_norm2_wall_1");
}

TEST_F(WallRegistryTest, WallFadesOnlyWhileThePlayerStandsInsideItsOutline)
{
    auto wall = WallRegistry::cloneOf("ff_norm1_wall");
    ASSERT_NE(wall, nullptr);
    wall->setPosition({300.f, 200.f});
    FakeRun run;
    run.movePlayer({310.f, 210.f});
    EXPECT_EQ(wall->shownAlpha(&run), 255) << "a wall without boundaries never turns translucent";
    for (sf::Vector2f p : {sf::Vector2f{-50.f, -20.f}, {50.f, -20.f}, {50.f, 20.f}, {-50.f, 20.f}})
        wall->outline().addPoint(wall->getPosition() + p);
    EXPECT_EQ(wall->shownAlpha(&run), Wall::kBehindAlpha);
    run.movePlayer({351.f, 210.f});
    EXPECT_EQ(wall->shownAlpha(&run), 255);
    EXPECT_EQ(wall->shownAlpha(nullptr), 255);
}

TEST_F(WallRegistryTest, CloneKeepsPositionAndKeysButStartsWithAnEmptyOutline)
{
    Wall source("a_e", "a_g");
    source.setPosition({12.f, 34.f});
    source.outline().addPoint({1.f, 1.f});
    auto copy = source.clone();
    EXPECT_EQ(copy->getPosition(), sf::Vector2f(12.f, 34.f));
    EXPECT_EQ(copy->evilKey(), "a_e");
    EXPECT_EQ(copy->goodKey(), "a_g");
    EXPECT_EQ(copy->outline().vertexCount(), 0u);
}

TEST_F(WallRegistryTest, RegistersThirtyWallsAndLogsUnknownNames)
{
    EXPECT_EQ(WallRegistry::registeredNames().size(), 30u);
    LogCapture log;
    EXPECT_EQ(WallRegistry::find("ff_norm3_wall"), nullptr);
    EXPECT_EQ(log.count("Wall with name ff_norm3_wall not found"), 1);
}

TEST(WallTextures, GroupHoldsEveryWallPictureAndBothSidesOfEachKarmaWall)
{
    const auto files = WallRegistry::textureGroup()->flatten();
    EXPECT_EQ(files.size(), 23u + 7u * 2u);
    EXPECT_EQ(files.at("tf_norm2_wall_1"), "Assets/Sprites/Walls/tf_norm2_1.png");
    EXPECT_EQ(files.at("ff_norm1_wall"), "Assets/Sprites/Walls/ff_norm1.png");
    EXPECT_EQ(files.at("sf_elite_wall_2_e"), "Assets/Sprites/Walls/sf_elite_2_e.png");
    EXPECT_EQ(files.at("sf_norm6_wall_g"), "Assets/Sprites/Walls/sf_norm6_g.png");
    for (const auto& name : WallRegistry::karmaWallNames())
    {
        EXPECT_TRUE(files.count(name + "_e")) << name;
        EXPECT_TRUE(files.count(name + "_g")) << name;
    }
    const auto masks = WallRegistry::wallMaskGroup()->flatten();
    EXPECT_EQ(masks.size(), 11u) << "one mask per first-floor room";
    EXPECT_EQ(masks.at("ff_boss_wall_mask"), "Assets/Sprites/Masks/Wall/ff_boss.png");
}

// Drawn for real: the evil and good pictures are two flat colours, the wall is
// centred on its position, and a player behind it sees through it.
class WallDrawTest : public TextureFixture
{
};

TEST_F(WallDrawTest, DrawsTheSideOfTheKarmaAtItsPositionAndFadesBehind)
{
    TextureManager::loadTexture("w_e", picture("w_e", 20, 10, sf::Color(200, 0, 0)));
    TextureManager::loadTexture("w_g", picture("w_g", 20, 10, sf::Color(0, 0, 200)));
    Wall wall("w_e", "w_g");
    wall.setPosition({100.f, 100.f});
    Camera camera;
    camera.centre = {100.f, 100.f}; // the wall lands in the middle of the reference screen
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1920, 1080));
    auto centrePixel = [&]
    {
        target.clear(sf::Color::Black);
        wall.draw(target, camera);
        target.display();
        return target.getTexture().copyToImage().getPixel(960, 540);
    };
    FakeRun run(0, -0.5f);
    EXPECT_EQ(centrePixel(), sf::Color(200, 0, 0));
    run.setKarma(0.f);
    EXPECT_EQ(centrePixel(), sf::Color(0, 0, 200));
    for (sf::Vector2f p : {sf::Vector2f{90.f, 95.f}, {110.f, 95.f}, {110.f, 105.f}, {90.f, 105.f}})
        wall.outline().addPoint(p);
    run.movePlayer({100.f, 100.f});
    const sf::Color faded = centrePixel();
    EXPECT_LT(faded.b, 60) << "the wall should be mostly see-through with the player behind it";
    EXPECT_GT(faded.b, 20);
}

// The room sorts its scene by where each thing stands: a wall on its foot (as its
// outline gives the picture), a prop on its frame's lower edge, the player on his.
TEST(WallAndPropDepth, ThePlayerIsDrawnBehindWhatStandsInFrontOfHisFeetAndOverWhatStandsBehind)
{
    // A 400 x 250 wall at (1000, 600): the outline runs from its top (475) to its back (625).
    Wall wall("w", "w");
    wall.setPosition({1000.f, 600.f});
    for (const sf::Vector2f p : {sf::Vector2f(-200.f, -125.f), {200.f, -125.f}, {200.f, 25.f}, {-200.f, 25.f}})
        wall.outline().addPoint(wall.getPosition() + p);
    EXPECT_FLOAT_EQ(wall.pictureHeight(), 250.f);
    EXPECT_FLOAT_EQ(wall.footY(), 700.f);

    Props statue("statue");
    statue.setStrip({220, 320}, 1, 0.f);
    statue.setPosition({1400.f, 600.f}); // its frame ends at 760

    AnimationData frame("no_texture", 130, 140, 1, 0.1f, 0);
    LivingEntity player;
    player.currentAnimation = &frame;
    const struct
    {
        float feet;
        bool behindWall, behindStatue;
    } cases[] = {{640.f, true, true}, {690.f, true, true}, {720.f, false, true}, {780.f, false, false}};
    for (const auto& c : cases)
    {
        player.setPosition({1000.f, c.feet - 70.f});
        std::vector<IWorldPlaceable*> scene{&wall, &statue, &player};
        DepthOrder::sort(scene);
        const auto at = [&](IWorldPlaceable* o) { return std::find(scene.begin(), scene.end(), o) - scene.begin(); };
        EXPECT_EQ(at(&player) < at(&wall), c.behindWall) << "feet at " << c.feet;
        EXPECT_EQ(at(&player) < at(&statue), c.behindStatue) << "feet at " << c.feet;
    }
}
