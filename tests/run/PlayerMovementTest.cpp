#include "run/Player.h"

#include "core/Artefact.h"
#include "support/PlayerRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace
{
using PlayerWalk = PlayerFixture;
using PlayerDodge = PlayerFixture;

struct WalkCase
{
    const char* name;
    std::vector<sf::Keyboard::Key> keys;
    std::map<sf::Joystick::Axis, float> axes;
    sf::Vector2f perSecond;
    int facing;
    const char* animation;
};
} // namespace

TEST_F(PlayerWalk, KeysAndStickMoveAt350PixelsPerSecondPerAxisWithoutNormalising)
{
    const WalkCase cases[] = {
        {"Z", {sf::Keyboard::Z}, {}, {0.f, -350.f}, Player::UP, "walk"},
        {"S", {sf::Keyboard::S}, {}, {0.f, 350.f}, Player::DOWN, "walk"},
        {"Q", {sf::Keyboard::Q}, {}, {-350.f, 0.f}, Player::LEFT, "walk"},
        {"D", {sf::Keyboard::D}, {}, {350.f, 0.f}, Player::RIGHT, "walk"},
        {"Z+Q", {sf::Keyboard::Z, sf::Keyboard::Q}, {}, {-350.f, -350.f}, Player::LEFT, "walk"},
        // The QWERTY set moves the same way.
        {"W", {sf::Keyboard::W}, {}, {0.f, -350.f}, Player::UP, "walk"},
        {"A", {sf::Keyboard::A}, {}, {-350.f, 0.f}, Player::LEFT, "walk"},
        {"W+A", {sf::Keyboard::W, sf::Keyboard::A}, {}, {-350.f, -350.f}, Player::LEFT, "walk"},
        {"W+D", {sf::Keyboard::W, sf::Keyboard::D}, {}, {350.f, -350.f}, Player::RIGHT, "walk"},
        {"Z and W together count once", {sf::Keyboard::Z, sf::Keyboard::W}, {}, {0.f, -350.f}, Player::UP, "walk"},
        {"stick down-right",
         {},
         {{sf::Joystick::X, 100.f}, {sf::Joystick::Y, 60.f}},
         {350.f, 350.f},
         Player::RIGHT,
         "walk"},
        {"stick inside the dead zone",
         {},
         {{sf::Joystick::X, 19.f}, {sf::Joystick::Y, -19.f}},
         {0.f, 0.f},
         Player::RIGHT,
         "idle"},
        {"arrow keys are not movement", {sf::Keyboard::Up, sf::Keyboard::Right}, {}, {0.f, 0.f}, Player::RIGHT, "idle"},
    };
    for (const WalkCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        input.held = {c.keys.begin(), c.keys.end()};
        input.axes = c.axes;
        const sf::Vector2f start = player->getPosition();
        frames(10, 0.1f);
        const sf::Vector2f moved = player->getPosition() - start;
        EXPECT_NEAR(moved.x, c.perSecond.x, 0.01f);
        EXPECT_NEAR(moved.y, c.perSecond.y, 0.01f);
        EXPECT_EQ(player->direction, c.facing);
        EXPECT_EQ(player->currentSlot(), slot(c.animation, c.facing));
        EXPECT_EQ(player->state, c.perSecond == sf::Vector2f() ? Player::IDLE : Player::WALKING);
    }
}

TEST_F(PlayerWalk, ReleasingTheKeysStandsThePlayerIdleFacingItsLastDirection)
{
    input.held = {sf::Keyboard::S};
    frames(3, 0.1f);
    ASSERT_EQ(player->state, Player::WALKING);
    input.held.clear();
    frames(1, 0.1f);
    EXPECT_EQ(player->state, Player::IDLE);
    EXPECT_EQ(player->currentSlot(), slot("idle", Player::DOWN));
    EXPECT_EQ(player->animations[static_cast<std::size_t>(slot("walk", Player::DOWN))]->currentFrame, 0)
        << "the next walk should start from its first step";
}

// The feet probe reaches ahead of the body (w / 1.5 sideways, h / 3 up, h / 8 down):
// one frame of 0.1 s is refused when the probe leaves the floor, granted a little further in.
TEST_F(PlayerWalk, TheFloorOutlineStopsAStepWhoseFeetProbeLeavesIt)
{
    const sf::Vector2f body = player->bodySize();
    ASSERT_FLOAT_EQ(body.x, Player::kBoundsWidth * 0.5f);
    ASSERT_FLOAT_EQ(body.y, Player::kBoundsHeight * 0.5f);
    struct Case
    {
        const char* name;
        sf::Keyboard::Key key;
        sf::Vector2f blockedAt, freeAt, step;
    };
    // Probe reach with w = 64, h = 140 and a 35 px step: right/left 77.7, up 11.7 above
    // the centre, down 122.5 below it.
    const Case cases[] = {
        {"right", sf::Keyboard::D, {3930.f, 2000.f}, {3900.f, 2000.f}, {35.f, 0.f}},
        {"left", sf::Keyboard::Q, {70.f, 2000.f}, {100.f, 2000.f}, {-35.f, 0.f}},
        {"up", sf::Keyboard::Z, {2000.f, 5.f}, {2000.f, 20.f}, {0.f, -35.f}},
        {"down", sf::Keyboard::S, {2000.f, 3880.f}, {2000.f, 3860.f}, {0.f, 35.f}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        input.held = {c.key};
        place(c.blockedAt);
        frames(1, 0.1f);
        EXPECT_EQ(player->getPosition(), c.blockedAt) << "stepped off the floor";
        place(c.freeAt);
        frames(1, 0.1f);
        EXPECT_NEAR(player->getPosition().x, c.freeAt.x + c.step.x, 0.01f);
        EXPECT_NEAR(player->getPosition().y, c.freeAt.y + c.step.y, 0.01f);
    }
}

TEST_F(PlayerWalk, SpeedArtefactsAddTheirBonusOthersDoNot)
{
    Artefact boots;
    boots.artefactKind = Artefact::SPEED;
    boots.speedBonus = 0.5f;
    Artefact blade;
    blade.artefactKind = Artefact::STAT;
    blade.damageBonus = 0.4f;
    player->stats.equippedArtefacts = {&boots, &blade};
    input.held = {sf::Keyboard::D};
    frames(10, 0.1f);
    EXPECT_NEAR(player->getPosition().x, 2000.f + 525.f, 0.01f);
}

TEST_F(PlayerWalk, HeldKeysAreIgnoredWhileTheWindowHasNoFocus)
{
    input.held = {sf::Keyboard::D};
    frames(2, 0.1f);
    ASSERT_EQ(player->state, Player::WALKING);
    const sf::Vector2f walked = player->getPosition();

    player->handleEvent(focusEvent(false));
    EXPECT_EQ(player->state, Player::IDLE) << "still walking after the focus went away";
    input.axes = {{sf::Joystick::X, 100.f}};
    frames(5, 0.1f);
    EXPECT_EQ(player->getPosition(), walked);
    EXPECT_EQ(player->state, Player::IDLE);

    player->handleEvent(focusEvent(true));
    frames(1, 0.1f);
    EXPECT_NEAR(player->getPosition().x, walked.x + 35.f, 0.01f);

    // A key press proves the window is focused again even if the focus event was missed.
    player->releaseKeys();
    player->handleEvent(keyPress(sf::Keyboard::D));
    frames(1, 0.1f);
    EXPECT_NEAR(player->getPosition().x, walked.x + 70.f, 0.01f);
}

TEST_F(PlayerWalk, HitBoxCoversTheHalfOfTheBodyOnTheFacedSide)
{
    const float quarter = Player::kBoundsWidth / 4.f;
    const struct
    {
        sf::Keyboard::Key key;
        float left, right;
    } cases[] = {{sf::Keyboard::D, 0.f, quarter}, {sf::Keyboard::Q, -quarter, 0.f}};
    for (const auto& c : cases)
    {
        input.held = {c.key};
        frames(1, 0.1f);
        input.held.clear();
        frames(1, 0.1f); // the box follows at the start of the next update
        const float x = player->getPosition().x;
        float lo = 1e9f, hi = -1e9f;
        for (std::size_t i = 0; i < player->hitPolygon.vertexCount(); ++i)
        {
            lo = std::min(lo, player->hitPolygon.point(i).x);
            hi = std::max(hi, player->hitPolygon.point(i).x);
        }
        EXPECT_NEAR(lo - x, c.left, 0.01f);
        EXPECT_NEAR(hi - x, c.right, 0.01f);
    }
}

TEST_F(PlayerDodge, RollsTowardTheCursorAt900PixelsPerSecondUntilTheAnimationEnds)
{
    aim({200.f, -300.f});
    player->handleEvent(keyPress(sf::Keyboard::Space));
    ASSERT_EQ(player->state, Player::DODGING);
    EXPECT_EQ(player->currentSlot(), slot("dodge", Player::UP)) << "56 degrees above the horizon points up";
    const sf::Vector2f start = player->getPosition();
    frames(3, 0.1f);
    const sf::Vector2f moved = player->getPosition() - start;
    EXPECT_NEAR(std::hypot(moved.x, moved.y), 270.f, 0.5f);
    EXPECT_GT(moved.x, 0.f);
    EXPECT_LT(moved.y, 0.f);

    // Seven frames of 0.075 s: the roll ends once the last frame shows.
    frames(2, 0.075f);
    EXPECT_EQ(player->state, Player::DODGING);
    frames(1, 0.075f);
    EXPECT_EQ(player->state, Player::IDLE);
    EXPECT_EQ(player->currentSlot(), slot("idle", Player::UP));
}

TEST_F(PlayerDodge, AWallStopsTheRollWithASmallBounceBack)
{
    place({3950.f, 2000.f});
    aim({200.f, 0.f});
    player->handleEvent(keyPress(sf::Keyboard::Space));
    frames(1, 0.1f); // 90 px would cross x = 4000
    EXPECT_NEAR(player->getPosition().x, 3925.f, 0.01f);
    EXPECT_EQ(player->state, Player::IDLE);
}

TEST_F(PlayerDodge, CursorOnThePlayerRollsTheWayItFacesInsteadOfVanishing)
{
    input.held = {sf::Keyboard::Q};
    frames(1, 0.1f);
    input.held.clear();
    frames(1, 0.1f);
    place(player->getPosition()); // cursor exactly on the player's screen point
    const sf::Vector2f start = player->getPosition();
    player->handleEvent(keyPress(sf::Keyboard::Space));
    frames(3, 0.1f);
    const sf::Vector2f end = player->getPosition();
    ASSERT_TRUE(std::isfinite(end.x) && std::isfinite(end.y));
    EXPECT_NEAR(end.x, start.x - 270.f, 0.01f) << "should roll on to the left, the way it faced";
    EXPECT_EQ(player->currentSlot(), slot("dodge", Player::LEFT));
}

TEST_F(PlayerDodge, CooldownOfNineTenthsOfASecondAndNoRollOutOfASwing)
{
    aim({200.f, 0.f});
    player->handleEvent(keyPress(sf::Keyboard::Space));
    ASSERT_EQ(player->state, Player::DODGING);
    frames(6, 0.1f); // the roll is over, 0.3 s of cooldown remain
    ASSERT_EQ(player->state, Player::IDLE);
    player->handleEvent(keyPress(sf::Keyboard::Space));
    EXPECT_EQ(player->state, Player::IDLE) << "rolled again during the cooldown";
    frames(4, 0.1f);
    player->handleEvent(padButton(4));
    EXPECT_EQ(player->state, Player::DODGING) << "the pad's button 4 rolls once the cooldown is over";

    frames(10, 0.1f);
    player->handleEvent(leftClick(input.cursor));
    ASSERT_EQ(player->state, Player::ATTACKING);
    player->handleEvent(keyPress(sf::Keyboard::Space));
    EXPECT_EQ(player->state, Player::ATTACKING) << "a swing must not turn into a roll";
}
