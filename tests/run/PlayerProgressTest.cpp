#include "run/Player.h"

#include "core/GameSettings.h"
#include "core/Inventory.h"
#include "core/Item.h"
#include "core/RoomNameRegistry.h"
#include "creatures/Enemy.h"
#include "creatures/ItemEntity.h"
#include "support/PlayerRun.h"
#include "world/Pentagram.h"

#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace
{
using PlayerForm = PlayerFixture;
using PlayerPickUp = PlayerFixture;
using PlayerInteraction = PlayerFixture;
using PlayerSetup = PlayerFixture;

const sf::Texture* sheetTexture(const Player& player, std::size_t slot)
{
    return player.animations[slot]->sprite.getTexture();
}

bool tableShows(const Player& player, Player::Form form)
{
    for (std::size_t i = 0; i < Player::kSheets.size(); ++i)
        if (sheetTexture(player, i) != TextureManager::getTexture(Player::textureKey(Player::kSheets[i], form)))
            return false;
    return true;
}
} // namespace

TEST_F(PlayerForm, CrossingFortyStartsAFourSecondChangeThatNothingInterrupts)
{
    player->karmaGauge.set(39.9f);
    frames(1, 0.1f);
    EXPECT_FALSE(player->changingForm);
    EXPECT_EQ(player->form, Player::Form::Neutral);

    // Steps of 1/8 s add up exactly, so the end of the change falls on a known frame.
    player->karmaGauge.set(40.f);
    frames(1, 0.125f);
    ASSERT_TRUE(player->changingForm);
    EXPECT_EQ(player->form, Player::Form::Good);
    EXPECT_TRUE(tableShows(*player, Player::Form::Neutral)) << "the old look stays until the change ends";

    // Falling back below 40 during the change does nothing yet.
    player->karmaGauge.set(39.f);
    frames(31, 0.125f); // the timer has just reached 4 s
    EXPECT_TRUE(player->changingForm);
    EXPECT_EQ(player->form, Player::Form::Good);
    EXPECT_TRUE(tableShows(*player, Player::Form::Neutral));

    const int slotBefore = player->currentSlot();
    frames(1, 0.125f);
    EXPECT_FALSE(player->changingForm);
    EXPECT_TRUE(tableShows(*player, Player::Form::Good)) << "the table was not rebuilt with the good set";
    EXPECT_EQ(player->currentSlot(), slotBefore);
    EXPECT_EQ(player->currentAnimation, player->animations[static_cast<std::size_t>(slotBefore)].get());

    frames(1, 0.1f);
    EXPECT_TRUE(player->changingForm) << "the karma of 39 should now bring the neutral look back";
    EXPECT_EQ(player->form, Player::Form::Neutral);
}

TEST_F(PlayerForm, MinusFortyTurnsThePlayerDemonic)
{
    player->karmaGauge.set(-40.f);
    frames(42, 0.1f);
    EXPECT_EQ(player->form, Player::Form::Bad);
    EXPECT_FALSE(player->changingForm);
    EXPECT_TRUE(tableShows(*player, Player::Form::Bad));
}

TEST_F(PlayerForm, ASwingStartedBeforeTheNewLookStillLandsOnTime)
{
    player->karmaGauge.set(100.f);
    frames(39, 0.1f); // 3.8 s into the change
    ASSERT_TRUE(player->changingForm);
    auto* dummy = new Enemy();
    dummy->health = 30.f;
    dummy->hitPolygon = Polygon({{-10.f, -10.f}, {10.f, -10.f}, {10.f, 10.f}, {-10.f, 10.f}},
                                player->getPosition() + sf::Vector2f(50.f, 0.f));
    admit(*run->room(), dummy);
    aim({300.f, 0.f});
    player->handleEvent(leftClick(input.cursor));
    frames(6, 0.05f); // the change ends halfway through the swing
    EXPECT_FALSE(player->changingForm);
    EXPECT_FLOAT_EQ(dummy->health, 20.f);
}

TEST_F(PlayerPickUp, FifteenIntoStacksOfTenFillOneSlotAndStartAnotherWithOneNotice)
{
    auto feather = std::make_shared<Item>("Raven Feather", Item::MATERIAL, 10, 3);
    auto* drop = new ItemEntity(feather, 15);
    drop->setPosition(player->getPosition() + sf::Vector2f(60.f, 30.f));
    admit(*run->room(), drop);
    auto* farAway = new ItemEntity(feather, 4);
    farAway->setPosition(player->getPosition() + sf::Vector2f(100.f, 0.f));
    admit(*run->room(), farAway);

    player->handleEvent(keyPress(sf::Keyboard::F));
    EXPECT_EQ(player->inventory->slot(0).count, 10);
    EXPECT_EQ(player->inventory->slot(1).count, 5);
    EXPECT_EQ(player->inventory->countOf(*feather), 15) << "the stack 100 px away was taken too";
    EXPECT_TRUE(drop->isLeaving()) << "the emptied stack must leave the room";
    run->room()->entities.settle();
    ASSERT_EQ(run->room()->entities.members().size(), 2u) << "the emptied stack is still lying in the room";
    EXPECT_EQ(run->room()->entities.members()[1], farAway);

    ASSERT_EQ(run->notices.size(), 1u);
    const FloatingText& notice = *run->notices[0];
    EXPECT_EQ(notice.text, "+ 15 Raven Feather");
    EXPECT_EQ(notice.position, sf::Vector2f(50.f, 540.f));
    EXPECT_GE(notice.velocity.y, -100.f);
    EXPECT_LE(notice.velocity.y, -50.f);
    EXPECT_FLOAT_EQ(notice.velocity.x, 0.f);
    EXPECT_FLOAT_EQ(notice.duration, 3.f);
    EXPECT_EQ(notice.fillColour, sf::Color(208, 177, 31, 255));
    EXPECT_EQ(notice.outlineColour, sf::Color(68, 53, 21, 255));
    EXPECT_FLOAT_EQ(notice.outlineThickness, 2.f);
}

TEST_F(PlayerPickUp, AFullBagLeavesTheRestOnTheGroundAndNoticesComeInNameOrder)
{
    auto stone = std::make_shared<Item>("Ash Stone", Item::MATERIAL, 1, 1);
    auto feather = std::make_shared<Item>("Raven Feather", Item::MATERIAL, 10, 3);
    ASSERT_TRUE(player->inventory->addItem(stone, Inventory::kSlotCount - 1));
    auto* feathers = new ItemEntity(feather, 13);
    auto* stones = new ItemEntity(stone, 2);
    feathers->setPosition(player->getPosition());
    stones->setPosition(player->getPosition());
    admit(*run->room(), feathers);
    admit(*run->room(), stones);

    player->handleEvent(padButton(3));
    EXPECT_EQ(player->inventory->countOf(*feather), 10);
    ASSERT_EQ(run->room()->entities.members().size(), 3u);
    EXPECT_EQ(feathers->count, 3) << "what did not fit stays on the ground";
    EXPECT_EQ(stones->count, 2) << "a full bag took stones";
    ASSERT_EQ(run->notices.size(), 1u);
    EXPECT_EQ(run->notices[0]->text, "+ 10 Raven Feather");

    // Two kinds at once: one notice each, alphabetical, stacked upward.
    PlayerFixture::TearDown();
    PlayerFixture::SetUp();
    for (const auto& item : {feather, stone})
    {
        auto* drop = new ItemEntity(item, 2);
        drop->setPosition(player->getPosition());
        admit(*run->room(), drop);
    }
    player->handleEvent(keyPress(sf::Keyboard::F));
    ASSERT_EQ(run->notices.size(), 2u);
    EXPECT_EQ(run->notices[0]->text, "+ 2 Ash Stone");
    EXPECT_EQ(run->notices[1]->text, "+ 2 Raven Feather");
    EXPECT_EQ(run->notices[1]->position, sf::Vector2f(50.f, 525.f));
}

TEST_F(PlayerInteraction, PentagramHealsThirtyFiveForFifteenKarmaOnceAtATime)
{
    run->room()->type = ROOM_HEAL;
    auto pentagram = std::make_unique<Pentagram>();
    pentagram->setPosition(player->getPosition() + sf::Vector2f(40.f, 40.f));
    Pentagram* circle = pentagram.get();
    run->room()->props.push_back(std::move(pentagram));
    circle->update(0.f);
    ASSERT_TRUE(circle->playerInRange());

    player->health = 80.f;
    player->handleEvent(keyPress(sf::Keyboard::E));
    EXPECT_FLOAT_EQ(player->health, 100.f) << "capped at the maximum";
    EXPECT_FLOAT_EQ(player->karma(), -15.f);
    EXPECT_TRUE(player->healing);

    player->health = 50.f;
    player->handleEvent(keyPress(sf::Keyboard::E));
    EXPECT_FLOAT_EQ(player->health, 50.f) << "healed again during the ritual";

    player->healing = false;
    player->handleEvent(keyPress(sf::Keyboard::E));
    EXPECT_FLOAT_EQ(player->health, 85.f);
    EXPECT_FLOAT_EQ(player->karma(), -30.f);

    // Out of range, or no longer alive: nothing.
    player->healing = false;
    player->takeDamage(200);
    ASSERT_EQ(player->state, Player::DYING);
    player->handleEvent(keyPress(sf::Keyboard::E));
    EXPECT_LE(player->health, 0.f) << "the pentagram raised the dead";
}

TEST_F(PlayerInteraction, GodModeTogglesWhileNumpadAddIsHeld)
{
    player->handleEvent(keyPress(sf::Keyboard::A));
    EXPECT_FALSE(player->godMode);
    input.held = {sf::Keyboard::Add};
    player->handleEvent(keyPress(sf::Keyboard::Add));
    EXPECT_TRUE(player->godMode);
    EXPECT_FLOAT_EQ(player->health, 100000.f);
    EXPECT_EQ(player->maximumHealth, 100000);
    EXPECT_FLOAT_EQ(player->stats.damage, 100000.f);
    player->handleEvent(keyPress(sf::Keyboard::Add));
    EXPECT_FALSE(player->godMode);
    EXPECT_FLOAT_EQ(player->health, 100.f);
    EXPECT_FLOAT_EQ(player->stats.damage, 10.f);
}

TEST_F(PlayerInteraction, TheExitPromptShowsOnlyNearAUsableDoorOfAClearedRoom)
{
    Room& room = *run->room();
    Door door;
    door.position = player->getPosition() + sf::Vector2f(0.f, 140.f);
    door.direction = DOOR_BOTTOM;
    room.doors.push_back(door);

    frames(1, 0.f);
    EXPECT_FALSE(player->nearExit) << "a door leading nowhere in a normal room";

    room.type = ROOM_BOSS;
    frames(1, 0.f);
    EXPECT_TRUE(player->nearExit);

    auto* guard = new Enemy();
    guard->health = 5.f;
    admit(room, guard);
    frames(1, 0.f);
    EXPECT_FALSE(player->nearExit) << "a living enemy still holds the room";

    guard->health = 0.f;
    place(door.position + sf::Vector2f(0.f, 151.f));
    frames(1, 0.f);
    EXPECT_FALSE(player->nearExit) << "151 px away";
}

TEST_F(PlayerInteraction, ShortcutsWithoutAFloorDoNothing)
{
    const sf::Vector2f start = player->getPosition();
    player->handleEvent(keyPress(sf::Keyboard::B, true));
    player->handleEvent(keyPress(sf::Keyboard::E));
    EXPECT_EQ(player->getPosition(), start);
    EXPECT_EQ(run->roomChanges, 0);
}

TEST_F(PlayerSetup, ANewPlayerStandsIdleFacingRightAndHearsTheEffectsVolume)
{
    const std::string file =
        (std::filesystem::temp_directory_path() / ("umbravale-player-settings-" + std::to_string(::getpid()) + ".json"))
            .string();
    std::ofstream(file) << R"({"languageSelected":0,"volumeParameters":{"music":0.2,"sfx":0.35,"volume":0.9}})";
    GameSettings::setFilePath(file);
    Player fresh;
    GameSettings::resetFilePath();
    std::remove(file.c_str());

    EXPECT_EQ(fresh.getPosition(), sf::Vector2f(1010.f, 590.f));
    EXPECT_FLOAT_EQ(fresh.health, 100.f);
    EXPECT_EQ(fresh.state, Player::IDLE);
    EXPECT_EQ(fresh.direction, Player::RIGHT);
    EXPECT_EQ(fresh.currentSlot(), slot("idle", Player::RIGHT));
    EXPECT_EQ(fresh.form, Player::Form::Neutral);
    for (int i = 0; i < 5; ++i)
        EXPECT_FLOAT_EQ(fresh.soundVolume(i), 35.f) << "sound " << i << " ignores the effects volume";
}
