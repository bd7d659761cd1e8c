#include "core/AnimationData.h"
#include "core/TextureManager.h"
#include "run/BossLifeBar.h"
#include "run/Player.h"
#include "run/RunTextures.h"
#include "run/karmaBar.h"
#include "support/PngHeader.h"
#include "support/TextureFixture.h"

#include <gtest/gtest.h>

// The game cuts every generated sheet into frames of its table's size: a sheet of
// another size would show slices of two frames or run past its edge.
TEST(GeneratedPlayerContent, EverySheetIsItsFrameSizeTimesItsFrameCount)
{
    for (const auto& sheet : Player::kSheets)
        for (Player::Form form : Player::kForms)
        {
            const std::string file = Player::sheetFile(sheet, form);
            const auto size = pngSize(file);
            ASSERT_TRUE(size) << file << " is missing or not a PNG";
            EXPECT_EQ(*size, sf::Vector2u(sheet.frameWidth * sheet.frameCount, sheet.frameHeight))
                << Player::textureKey(sheet, form) << " in " << file;
        }
    const auto bounds = pngSize(Player::kBoundsFile);
    ASSERT_TRUE(bounds);
    EXPECT_EQ(*bounds, sf::Vector2u(Player::kBoundsWidth, Player::kBoundsHeight));
}

TEST(GeneratedPlayerContent, HudPiecesLeaveRoomForWhatTheGameDrawsInThem)
{
    // The boss's life fills the life picture's width less its two fixed ends.
    std::optional<sf::Vector2u> first;
    for (const auto& piece : BossLifeBar::kPieces)
    {
        const auto size = pngSize(piece.file);
        ASSERT_TRUE(size) << piece.file;
        EXPECT_GT(size->x, 2 * BossLifeBar::kEndWidth) << piece.file;
        if (first)
        {
            EXPECT_EQ(*size, *first) << piece.file << ": the stacked pieces must share one size";
        }
        first = size;
    }
    // The karma marker travels 160 pixels each way from the bar's centre, inside the bar.
    const auto bar = pngSize(karmaBar::kBarFile);
    ASSERT_TRUE(bar);
    EXPECT_GE(bar->x * karmaBar::kScale / 2, karmaBar::kLimit);
}

using HealRune = TextureFixture;

// 24 frames of 793 pixels in one row would pass the widest texture graphics cards accept.
TEST_F(HealRune, SheetIsAGridThatTheAnimationWalksRowByRow)
{
    const auto size = pngSize(RunTextures::kHealRuneFile);
    ASSERT_TRUE(size);
    EXPECT_LE(size->x, 16384u);
    EXPECT_LE(size->y, 16384u);
    const unsigned columns = size->x / RunTextures::kHealRuneFrameWidth;
    ASSERT_GE(columns, 1u);
    const unsigned rows = (RunTextures::kHealRuneFrameCount + columns - 1) / columns;
    EXPECT_EQ(*size,
              sf::Vector2u(columns * RunTextures::kHealRuneFrameWidth, rows * RunTextures::kHealRuneFrameHeight));

    // A one-pixel-high stand-in of the sheet's width: the animation reads only the width.
    TextureManager::loadTexture(RunTextures::kHealRuneKey, picture("rune", size->x, 1));
    AnimationData animation(RunTextures::kHealRuneKey, RunTextures::kHealRuneFrameWidth,
                            RunTextures::kHealRuneFrameHeight, RunTextures::kHealRuneFrameCount,
                            RunTextures::kHealRuneFrameTime, 18);
    animation.once = true;
    for (unsigned frame = 0; frame < RunTextures::kHealRuneFrameCount; ++frame)
    {
        const sf::IntRect rect = animation.frameRect();
        EXPECT_EQ(rect, sf::IntRect(int(frame % columns * RunTextures::kHealRuneFrameWidth),
                                    int(frame / columns * RunTextures::kHealRuneFrameHeight),
                                    int(RunTextures::kHealRuneFrameWidth), int(RunTextures::kHealRuneFrameHeight)))
            << "frame " << frame;
        EXPECT_LE(unsigned(rect.left + rect.width), size->x);
        EXPECT_LE(unsigned(rect.top + rect.height), size->y);
        EXPECT_EQ(animation.finished(), frame == RunTextures::kHealRuneFrameCount - 1);
        animation.step(RunTextures::kHealRuneFrameTime);
    }
}
