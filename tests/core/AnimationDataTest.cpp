#include "core/AnimationData.h"

#include "support/TextureFixture.h"

#include <gtest/gtest.h>

using Animation = TextureFixture;

TEST_F(Animation, FrameRectanglePicksTheColumnsOfTheFrame)
{
    TextureManager::loadTexture("sheet", picture("sheet", 800, 50));
    AnimationData animation("sheet", 100, 50, 8, 0.1f, 0);
    animation.currentFrame = 3;
    EXPECT_EQ(animation.frameRect(), sf::IntRect(300, 0, 100, 50));
    EXPECT_EQ(animation.frameSprite().getTextureRect(), sf::IntRect(300, 0, 100, 50));
}

TEST_F(Animation, OriginFlagsAreMeasuredOnOneFrame)
{
    TextureManager::loadTexture("sheet", picture("sheet", 800, 50));
    EXPECT_EQ(AnimationData("sheet", 100, 50, 8, 0.1f, 18).sprite.getOrigin(), sf::Vector2f(50, 25));
    EXPECT_EQ(AnimationData("sheet", 100, 50, 8, 0.1f, 33).sprite.getOrigin(), sf::Vector2f(0, 50));
    EXPECT_EQ(AnimationData("sheet", 100, 50, 8, 0.1f, 0).sprite.getOrigin(), sf::Vector2f(0, 0));
}

TEST_F(Animation, LoopingStepAdvancesOneFramePerStepAndCarriesTheRest)
{
    AnimationData animation("unknown", 10, 10, 3, 0.1f, 0);
    const int expected[] = {1, 2, 0, 1, 2, 0};
    for (int frame : expected)
    {
        animation.step(0.25f);
        EXPECT_EQ(animation.currentFrame, frame);
    }
    // Each step carried 0.15 s more than it used.
    EXPECT_NEAR(animation.elapsed, 6 * 0.15f, 1e-4);
}

TEST_F(Animation, OneShotHoldsItsLastFrameAndReportsFinished)
{
    AnimationData animation("unknown", 10, 10, 6, 0.1f, 0);
    animation.once = true;
    for (int i = 0; i < 4; ++i)
        animation.step(0.1f);
    EXPECT_FALSE(animation.finished());
    animation.step(0.1f);
    EXPECT_EQ(animation.currentFrame, 5);
    EXPECT_TRUE(animation.finished());
    for (int i = 0; i < 50; ++i)
        animation.step(0.3f);
    EXPECT_EQ(animation.currentFrame, 5);
    animation.reset();
    EXPECT_EQ(animation.currentFrame, 0);
    EXPECT_EQ(animation.elapsed, 0.f);
    EXPECT_FALSE(animation.finished());
}

TEST_F(Animation, SheetTooWideForOneRowContinuesOnTheNextRows)
{
    // 24 frames of 100 × 60 laid out 10 to a row: frame 13 is the fourth of the second row.
    TextureManager::loadTexture("grid", picture("grid", 1000, 180));
    AnimationData animation("grid", 100, 60, 24, 0.05f, 0);
    animation.currentFrame = 13;
    EXPECT_EQ(animation.frameRect(), sf::IntRect(300, 60, 100, 60));
    animation.currentFrame = 23;
    EXPECT_EQ(animation.frameRect(), sf::IntRect(300, 120, 100, 60));
}
