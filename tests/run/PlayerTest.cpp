#include "run/Player.h"

#include "core/LoadingScreen.h"
#include "run/RunTextures.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace
{
struct ExpectedSheet
{
    const char* key;
    unsigned width, height, frames;
    float frameTime;
    bool once;
};

// The animation table of one set as the game's design gives it.
const ExpectedSheet kDesigned[] = {
    {"Player_walk_top", 127, 145, 6, 0.1f, false},    {"Player_walk_down", 132, 134, 6, 0.1f, false},
    {"Player_walk_left", 147, 152, 6, 0.1f, false},   {"Player_walk_right", 147, 152, 6, 0.1f, false},
    {"Player_idle_top", 130, 132, 11, 0.1f, false},   {"Player_idle_down", 131, 124, 11, 0.1f, false},
    {"Player_idle_left", 154, 147, 11, 0.1f, false},  {"Player_idle_right", 154, 147, 11, 0.1f, false},
    {"Player_attack_top", 186, 157, 7, 0.05f, true},  {"Player_attack_down", 171, 171, 7, 0.05f, true},
    {"Player_attack_left", 159, 170, 7, 0.05f, true}, {"Player_attack_right", 159, 170, 7, 0.05f, true},
    {"Player_dodge_top", 154, 135, 7, 0.075f, true},  {"Player_dodge_down", 126, 153, 7, 0.075f, true},
    {"Player_dodge_left", 138, 146, 7, 0.075f, true}, {"Player_dodge_right", 138, 146, 7, 0.075f, true},
    {"Player_dead_left", 152, 143, 11, 0.1f, true},   {"Player_dead_right", 152, 143, 11, 0.1f, true},
};
} // namespace

TEST(PlayerTextureGroup, HoldsThreeFullSetsTheNepturathShadowAndTheHealRune)
{
    const auto entries = Player::textureGroup()->flatten();
    EXPECT_EQ(entries.size(), 56u);
    std::set<std::string> files;
    for (const auto& sheet : kDesigned)
        for (const std::string suffix : {"", "_good", "_bad"})
        {
            const auto it = entries.find(sheet.key + suffix);
            ASSERT_NE(it, entries.end()) << sheet.key + suffix << " is missing from the player's group";
            files.insert(it->second);
        }
    EXPECT_EQ(entries.at("Heal_penta"), "Assets/Sprites/HealRune/spritesheet.png");
    ASSERT_TRUE(entries.count("Nepturath_shadow"));
    files.insert(entries.at("Heal_penta"));
    files.insert(entries.at("Nepturath_shadow"));
    EXPECT_EQ(files.size(), 56u) << "two keys share one picture";

    // The file names the run's set is known by.
    EXPECT_EQ(entries.at("Player_attack_right"), "Assets/Sprites/Player/Attack_Right/SpriteSheet_Player_AttackR.png");
    EXPECT_EQ(entries.at("Player_attack_top_bad"), "Assets/Sprites/Player/Attack/SpriteSheet-Evil_Player_Attack_U.png");
}

TEST(PlayerTextureGroup, EverySheetLayoutFollowsTheAnimationTable)
{
    ASSERT_EQ(Player::kSheets.size(), std::size(kDesigned));
    for (std::size_t i = 0; i < Player::kSheets.size(); ++i)
    {
        const auto& sheet = Player::kSheets[i];
        const auto& expected = kDesigned[i];
        EXPECT_EQ(Player::textureKey(sheet, Player::Form::Neutral), expected.key);
        EXPECT_EQ(std::tie(sheet.frameWidth, sheet.frameHeight, sheet.frameCount, sheet.once),
                  std::tie(expected.width, expected.height, expected.frames, expected.once))
            << expected.key;
        EXPECT_FLOAT_EQ(sheet.frameTime, expected.frameTime) << expected.key;
        // The generator finds each sheet back from its file name.
        for (Player::Form form : Player::kForms)
        {
            Player::SheetLayout found{};
            Player::Form foundForm{};
            ASSERT_TRUE(Player::sheetOfFile(Player::sheetFile(sheet, form), found, foundForm)) << expected.key;
            EXPECT_EQ(Player::textureKey(found, foundForm), Player::textureKey(sheet, form));
        }
    }
}

// The loading screen's running figure is the neutral walk-right sheet: one picture must fit both.
TEST(PlayerTextureGroup, LoadingFigureIsTheNeutralWalkRightSheet)
{
    const auto& walkRight = Player::kSheets[3];
    ASSERT_EQ(Player::textureKey(walkRight, Player::Form::Neutral), "Player_walk_right");
    EXPECT_EQ(Player::sheetFile(walkRight, Player::Form::Neutral), LoadingScreen::kAnimationFile);
    EXPECT_EQ(walkRight.frameWidth, LoadingScreen::kFrameWidth);
    EXPECT_EQ(walkRight.frameHeight, LoadingScreen::kFrameHeight);
    EXPECT_EQ(walkRight.frameCount, LoadingScreen::kFrameCount);
}
