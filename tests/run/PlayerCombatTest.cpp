#include "run/Player.h"

#include "core/Artefact.h"
#include "core/ItemRegistry.h"
#include "creatures/Enemy.h"
#include "creatures/ItemEntity.h"
#include "support/PlayerRun.h"
#include "world/Vase.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// An enemy reduced to a 20 x 20 hit box that remembers every blow it took.
class TargetDummy : public Enemy
{
public:
    TargetDummy(sf::Vector2f at, float life)
    {
        health = life;
        setPosition(at);
        hitPolygon = Polygon({{-10.f, -10.f}, {10.f, -10.f}, {10.f, 10.f}, {-10.f, 10.f}}, at);
    }
    void takeDamage(int amount) override
    {
        blows.push_back(amount);
        Enemy::takeDamage(amount);
    }
    std::vector<int> blows;
};

class PlayerAttack : public PlayerFixture
{
protected:
    TargetDummy* dummy(sf::Vector2f offset, float life = 30.f)
    {
        auto* d = static_cast<TargetDummy*>(
            run->room()->addEntity(std::make_unique<TargetDummy>(player->getPosition() + offset, life)));
        run->room()->entities.settle();
        return d;
    }
};
using PlayerDamage = PlayerFixture;
} // namespace

TEST(PlayerGeometry, PointingAngleChoosesTheQuarterWithUpAndRightOwningTheirUpperEdges)
{
    const struct
    {
        float degrees;
        int direction;
    } cases[] = {{0.f, Player::RIGHT},     {45.f, Player::RIGHT}, {45.01f, Player::UP},    {135.f, Player::UP},
                 {135.01f, Player::LEFT},  {180.f, Player::LEFT}, {-180.f, Player::LEFT},  {-135.f, Player::LEFT},
                 {-134.99f, Player::DOWN}, {-45.f, Player::DOWN}, {-44.99f, Player::RIGHT}};
    for (const auto& c : cases)
        EXPECT_EQ(Player::directionOfAngle(c.degrees), c.direction) << c.degrees << " degrees";
}

// Body 64 x 140 and R = 25: the swing reaches 57 px sideways and 95 px up or down from
// the centre, fanning out from the player's own position.
TEST_F(PlayerAttack, EachDirectionHitsItsOwnSideOnlyAndOnlyWhenTheSwingEnds)
{
    const struct
    {
        const char* name;
        sf::Vector2f cursor;
        int direction;
        sf::Vector2f inFront, behind;
    } cases[] = {
        {"right", {300.f, 20.f}, Player::RIGHT, {50.f, 0.f}, {-50.f, 0.f}},
        {"left", {-300.f, -20.f}, Player::LEFT, {-50.f, 60.f}, {50.f, 0.f}},
        {"up", {10.f, -300.f}, Player::UP, {40.f, -85.f}, {0.f, 90.f}},
        {"down", {-10.f, 300.f}, Player::DOWN, {0.f, 90.f}, {0.f, -90.f}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        TargetDummy* front = dummy(c.inFront);
        TargetDummy* back = dummy(c.behind);
        aim(c.cursor);
        player->handleEvent(leftClick(input.cursor));
        ASSERT_EQ(player->state, Player::ATTACKING);
        EXPECT_EQ(player->currentSlot(), slot("attack", c.direction));

        frames(5, 0.05f);
        EXPECT_TRUE(front->blows.empty()) << "struck before the swing ended";
        frames(1, 0.05f);
        EXPECT_EQ(front->blows, std::vector<int>{10});
        EXPECT_FLOAT_EQ(front->health, 20.f);
        EXPECT_TRUE(back->blows.empty()) << "struck behind the player";
        EXPECT_EQ(player->state, Player::IDLE);
        EXPECT_EQ(player->currentSlot(), slot("idle", c.direction));
        frames(10, 0.05f);
        EXPECT_EQ(front->blows.size(), 1u) << "one swing, one blow";
    }
}

TEST_F(PlayerAttack, ArtefactsLengthenTheReachAndSharpenTheBlowDeadEnemiesAreSpared)
{
    auto reach = std::make_shared<Artefact>();
    reach->reachBonus = 1.f; // R = 50: the tip reaches 82 px to the side
    auto edge = std::make_shared<Artefact>();
    edge->damageBonus = 0.55f;
    TargetDummy* far = dummy({75.f, 0.f});
    TargetDummy* fallen = dummy({40.f, 0.f}, 0.f);
    aim({300.f, 0.f});

    player->handleEvent(leftClick(input.cursor));
    frames(6, 0.05f);
    EXPECT_TRUE(far->blows.empty()) << "reached 75 px without an artefact";

    player->stats.equippedArtefacts = {reach, edge};
    player->handleEvent(leftClick(input.cursor));
    frames(6, 0.05f);
    EXPECT_EQ(far->blows, std::vector<int>{15}) << "10 x 1.55 truncated";
    EXPECT_TRUE(fallen->blows.empty()) << "a dead enemy was struck again";
}

TEST_F(PlayerAttack, TheMinimapKeepsTheMouseFromSwingingThePadStillSwings)
{
    run->minimap = true;
    player->handleEvent(leftClick(input.cursor));
    EXPECT_EQ(player->state, Player::IDLE);
    player->handleEvent(padButton(5));
    EXPECT_EQ(player->state, Player::ATTACKING);
}

TEST_F(PlayerAttack, WalkingDuringASwingIsSlowAndKeepsItsAim)
{
    aim({300.f, 0.f});
    player->handleEvent(leftClick(input.cursor));
    input.held = {sf::Keyboard::S};
    const sf::Vector2f start = player->getPosition();
    frames(5, 0.05f);
    EXPECT_NEAR(player->getPosition().y - start.y, 175.f * 0.25f, 0.01f);
    EXPECT_EQ(player->direction, Player::RIGHT);
    EXPECT_EQ(player->currentSlot(), slot("attack", Player::RIGHT));
}

TEST_F(PlayerAttack, ASwingBreaksAPotItReaches)
{
    ItemRegistry::clear();
    ItemRegistry::registerItems();
    const Vase prototype("pot_01");
    run->room()->props.push_back(prototype.clone());
    Props* pot = run->room()->props.back().get();
    pot->setPosition(player->getPosition() + sf::Vector2f(60.f, -10.f));
    aim({300.f, 0.f});
    player->handleEvent(leftClick(input.cursor));
    frames(6, 0.05f);
    EXPECT_TRUE(pot->used());
    bool dropped = false;
    for (Entity* entity : run->room()->entities.members())
        dropped = dropped || dynamic_cast<ItemEntity*>(entity) != nullptr;
    EXPECT_TRUE(dropped) << "the pot's gold did not fall out";

    // The interaction key does not break pots.
    run->room()->props.push_back(prototype.clone());
    Props* second = run->room()->props.back().get();
    second->setPosition(player->getPosition() + sf::Vector2f(0.f, 20.f));
    player->handleEvent(keyPress(sf::Keyboard::E));
    EXPECT_FALSE(second->used());
    ItemRegistry::clear();
}

// The flash clock runs twice per update: a blow makes the player untouchable for 0.3 s.
TEST_F(PlayerDamage, ABlowLandsThenTheNextIsRefusedUntilTheFlashIsOver)
{
    player->takeDamage(10);
    EXPECT_FLOAT_EQ(player->health, 90.f);
    EXPECT_FLOAT_EQ(player->damageFlashTimer, 0.f);
    EXPECT_FLOAT_EQ(player->healthGauge.pulse(), healthBar::kHitPulse);

    frames(4, 0.05f); // 0.2 s
    player->takeDamage(10);
    EXPECT_FLOAT_EQ(player->health, 90.f) << "second blow 0.2 s later landed";

    frames(3, 0.05f); // 0.35 s
    player->takeDamage(10);
    EXPECT_FLOAT_EQ(player->health, 80.f) << "blow 0.35 s later was refused";
    EXPECT_FLOAT_EQ(player->healthGauge.shownHealth(), 90.f) << "the bar follows at the next update";
    frames(1, 0.05f);
    EXPECT_FLOAT_EQ(player->healthGauge.shownHealth(), 80.f);
}

TEST_F(PlayerDamage, NothingLandsDuringADodge)
{
    aim({200.f, 0.f});
    player->handleEvent(keyPress(sf::Keyboard::Space));
    ASSERT_EQ(player->state, Player::DODGING);
    player->takeDamage(40);
    EXPECT_FLOAT_EQ(player->health, 100.f);
}

TEST_F(PlayerDamage, DeathFallsTheFacedWayAndTheBodyStaysDown)
{
    const struct
    {
        sf::Keyboard::Key turn;
        int deadSlot;
    } cases[] = {{sf::Keyboard::D, Player::slotOf("dead", Player::RIGHT)},
                 {sf::Keyboard::Z, Player::slotOf("dead", Player::RIGHT)},
                 {sf::Keyboard::Q, Player::slotOf("dead", Player::LEFT)},
                 {sf::Keyboard::S, Player::slotOf("dead", Player::LEFT)}};
    for (const auto& c : cases)
    {
        TearDown();
        SetUp();
        input.held = {c.turn};
        frames(1, 0.05f);
        input.held.clear();
        frames(20, 0.05f);

        player->takeDamage(150);
        EXPECT_EQ(player->state, Player::DYING);
        EXPECT_EQ(player->currentSlot(), c.deadSlot);
        input.held = {sf::Keyboard::D};
        frames(9, 0.1f);
        EXPECT_EQ(player->state, Player::DYING) << "fell too soon";
        frames(1, 0.1f);
        EXPECT_EQ(player->state, Player::DEAD);
        const sf::Vector2f body = player->getPosition();
        frames(30, 0.1f);
        EXPECT_EQ(player->state, Player::DEAD);
        EXPECT_EQ(player->currentSlot(), c.deadSlot) << "the dead player stood up";
        EXPECT_EQ(player->currentAnimation->currentFrame, 10);
        EXPECT_EQ(player->getPosition(), body) << "the dead player walked";

        const float health = player->health;
        player->takeDamage(10);
        EXPECT_FLOAT_EQ(player->health, health) << "a corpse took another blow";
        player->handleEvent(leftClick(input.cursor));
        EXPECT_EQ(player->state, Player::DEAD);
    }
}
