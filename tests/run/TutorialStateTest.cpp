// The tutorial screen in the real engine (under the test's X display): its start,
// a page that freezes the world, the goals met in the real rooms, the pause chord,
// the notices, a fall, and the way back to the menu after the last page.

#include "run/TutorialState.h"

#include "core/Engine.h"
#include "core/FloatingText.h"
#include "core/FontManager.h"
#include "core/GameSettings.h"
#include "core/LoadingScreen.h"
#include "creatures/Enemy.h"
#include "creatures/EnemyDatabase.h"
#include "menus/MenuExits.h"
#include "menus/MenuGroups.h"
#include "menus/PreparedSets.h"
#include "run/Player.h"
#include "run/PlayerInput.h"
#include "run/RunExits.h"
#include "world/Floor.h"
#include "world/Room.h"

#include <gtest/gtest.h>

#include <SFML/Window/Event.hpp>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include <unistd.h>

namespace
{
namespace fs = std::filesystem;
constexpr float kFrame = 1.f / 60.f;

sf::Event keyPress(sf::Keyboard::Key key, bool control = false)
{
    sf::Event event;
    event.type = sf::Event::KeyPressed;
    event.key = {key, false, control, false, false};
    return event;
}

sf::Event mouseMove(int x, int y)
{
    sf::Event event;
    event.type = sf::Event::MouseMoved;
    event.mouseMove = {x, y};
    return event;
}

sf::Event leftClick(int x, int y)
{
    sf::Event event;
    event.type = sf::Event::MouseButtonPressed;
    event.mouseButton = {sf::Mouse::Left, x, y};
    return event;
}

// Keys the test holds down, read by the player and by the pause chord.
class HeldKeys : public PlayerInput
{
public:
    bool keyHeld(sf::Keyboard::Key key) const override { return held.count(key) > 0; }
    sf::Vector2f pointer() const override { return {960.f, 300.f}; }
    std::set<sf::Keyboard::Key> held;
};

class Tutorial : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!fs::exists(Player::kBoundsFile) || !fs::exists(TutorialState::pageFile(1, 0)))
            return;
        Engine::instance();
        FontManager::loadAll();
        EnemyDatabase::loadAll();
        PreparedSets::Set set = PreparedSets::tutorial();
        PreparedSets::takeReady(set)->load();
        PreparedSets::props()->load();
        loaded_ = true;
    }

    void SetUp() override
    {
        if (!loaded_)
            GTEST_SKIP() << "the content generator has not run";
        engine_ = Engine::instance();
        settingsFile_ = (fs::temp_directory_path() / ("umbravale-tuto-GameData-" + std::to_string(getpid()) + ".json"))
                            .string();
        std::ofstream(settingsFile_)
            << R"({"languageSelected": 0, "volumeParameters": {"music": 0.5, "volume": 0.0, "sfx": 0.0}})";
        GameSettings::setFilePath(settingsFile_);
        RunExits::install(&MenuExits::instance());
        PlayerInput::install(&keys_);
        engine_->retireChain(engine_->currentState);
        engine_->collectRetired();
        srand(7);
        tutorial_ = new TutorialState({});
        engine_->currentState = tutorial_;
    }

    void TearDown() override
    {
        if (!engine_)
            return;
        for (int i = 0; i < 500; ++i)
        {
            auto* loading = dynamic_cast<LoadingScreen*>(engine_->currentState);
            if (!loading || !loading->loading())
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        engine_->retireChain(engine_->currentState);
        engine_->currentState = nullptr;
        engine_->collectRetired();
        PlayerInput::install(nullptr);
        GameSettings::resetFilePath();
        fs::remove(settingsFile_);
    }

    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            tutorial_->update(kFrame);
    }

    // The first enemy of the room, or null.
    Enemy* anEnemy() const
    {
        for (Entity* entity : tutorial_->room()->entities.members())
            if (auto* enemy = dynamic_cast<Enemy*>(entity))
                return enemy;
        return nullptr;
    }

    // E on a page, checking the page was the step's own.
    void readOn()
    {
        ASSERT_TRUE(tutorial_->steps().reading()) << "step " << tutorial_->steps().step();
        EXPECT_EQ(tutorial_->pageShown(), (tutorial_->steps().step() + 1) / 2);
        tutorial_->handleEvent(keyPress(sf::Keyboard::E));
    }

    // Takes the room's enemies away, so no goal of a fight is met and no page freezes
    // the world while a test watches something else.
    void sendEnemiesAway()
    {
        for (Entity* entity : tutorial_->room()->entities.members())
            if (dynamic_cast<Enemy*>(entity))
                tutorial_->room()->removeEntity(entity);
        frames(1);
        ASSERT_EQ(anEnemy(), nullptr);
    }

    void nextRoom()
    {
        for (Entity* entity : tutorial_->room()->entities.members())
            if (auto* enemy = dynamic_cast<Enemy*>(entity))
                enemy->health = 0.f;
        tutorial_->floor()->moveToRoom(tutorial_->thePlayer(), DOOR_TOP);
        frames(1);
    }

    static inline bool loaded_ = false;
    Engine* engine_ = nullptr;
    TutorialState* tutorial_ = nullptr;
    HeldKeys keys_;
    std::string settingsFile_;
};

TEST_F(Tutorial, StartsSilentAtTheFirstRoomsBottomDoorOnTheFirstPage)
{
    ASSERT_NE(tutorial_->room(), nullptr);
    EXPECT_EQ(tutorial_->room()->name, "Tuto_1");
    EXPECT_EQ(tutorial_->floor()->floorIndex, TUTORIAL_FLOOR);
    sf::Vector2f bottom;
    for (const Door& door : tutorial_->room()->doors)
        if (door.direction == DOOR_BOTTOM)
            bottom = door.position;
    EXPECT_EQ(tutorial_->thePlayer()->getPosition(), bottom);
    EXPECT_NE(tutorial_->musicStatus(), sf::SoundSource::Playing) << "the tutorial is silent";
    EXPECT_TRUE(tutorial_->parchmentLoaded());
    EXPECT_EQ(tutorial_->helpText().getString().toAnsiString(),
              "- E : interact\n\n- M : minimap\n\n- T : last tutorial");
    frames(1);
    EXPECT_EQ(tutorial_->steps().step(), 1);
    EXPECT_EQ(tutorial_->pageShown(), 1);
}

TEST_F(Tutorial, OnAPageTheWorldStandsStillAndOnlyEActs)
{
    frames(1);
    ASSERT_EQ(tutorial_->steps().step(), 1);
    const sf::Vector2f start = tutorial_->thePlayer()->getPosition();
    keys_.held = {sf::Keyboard::Z, sf::Keyboard::D};
    tutorial_->handleEvent(keyPress(sf::Keyboard::Z));
    tutorial_->handleEvent(leftClick(960, 300));
    tutorial_->handleEvent(keyPress(sf::Keyboard::Tab));
    tutorial_->handleEvent(keyPress(sf::Keyboard::M));
    tutorial_->handleEvent(keyPress(sf::Keyboard::T));
    frames(30);
    EXPECT_EQ(tutorial_->thePlayer()->getPosition(), start) << "the player walked on a page";
    EXPECT_NE(tutorial_->thePlayer()->state, Player::ATTACKING);
    EXPECT_FALSE(tutorial_->inventoryOpen);
    EXPECT_FALSE(tutorial_->minimapOpen());
    EXPECT_EQ(tutorial_->steps().step(), 1);

    tutorial_->handleEvent(keyPress(sf::Keyboard::E));
    EXPECT_EQ(tutorial_->steps().step(), 2);
    keys_.held.clear();
}

TEST_F(Tutorial, PlayedThroughTheRoomsEachGoalBringsItsPageAndTheLastReturnsToTheMenu)
{
    frames(1);
    readOn();
    ASSERT_EQ(tutorial_->steps().step(), 2);
    // Walking up to the first enemy brings page 2 before any fight.
    Enemy* first = anEnemy();
    ASSERT_NE(first, nullptr) << "the first room holds an enemy";
    const float fullHealth = first->health;
    frames(5);
    ASSERT_EQ(tutorial_->steps().step(), 2) << "the enemy stands in reach from the door";
    tutorial_->thePlayer()->setPosition(first->getPosition() + sf::Vector2f(0.f, 300.f));
    frames(1);
    EXPECT_EQ(tutorial_->steps().step(), 3);
    EXPECT_EQ(tutorial_->pageShown(), 2);
    EXPECT_EQ(first->health, fullHealth) << "page 2 comes before any fight";
    readOn();

    // Killing an enemy in the next room brings page 3.
    nextRoom();
    ASSERT_EQ(tutorial_->room()->name, "Tuto_2");
    ASSERT_EQ(tutorial_->steps().step(), 4) << "the bodies of the first room are gone with it";
    anEnemy()->health = 0.f;
    frames(1);
    EXPECT_EQ(tutorial_->steps().step(), 5);
    readOn();
    // Its loot or its going brings page 4.
    for (Entity* entity : tutorial_->room()->entities.members())
        if (dynamic_cast<Enemy*>(entity))
            tutorial_->room()->removeEntity(entity);
    frames(2);
    EXPECT_EQ(tutorial_->steps().step(), 7);
    readOn();

    // T at step 8 shows page 4 again; E returns to step 8 set for page 5.
    tutorial_->handleEvent(keyPress(sf::Keyboard::T));
    EXPECT_EQ(tutorial_->steps().step(), 7);
    EXPECT_EQ(tutorial_->pageShown(), 4);
    tutorial_->handleEvent(keyPress(sf::Keyboard::E));
    EXPECT_EQ(tutorial_->steps().step(), 8);
    EXPECT_EQ(tutorial_->pageShown(), 5);

    struct Entry
    {
        const char* room;
        int playingStep;
        int page;
    };
    for (const Entry& entry : {Entry{"Tuto_3", 8, 5}, Entry{"Tuto_4", 10, 6}})
    {
        ASSERT_EQ(tutorial_->steps().step(), entry.playingStep);
        nextRoom();
        ASSERT_EQ(tutorial_->room()->name, entry.room);
        EXPECT_EQ(tutorial_->steps().step(), entry.playingStep + 1) << entry.room;
        EXPECT_EQ(tutorial_->pageShown(), entry.page) << entry.room;
        readOn();
    }
    EXPECT_EQ(tutorial_->room()->type, ROOM_ELITE);
    anEnemy()->health = 0.f;
    frames(1);
    ASSERT_EQ(tutorial_->steps().step(), 13);
    readOn();
    nextRoom();
    ASSERT_EQ(tutorial_->room()->name, "Tuto_5");
    EXPECT_EQ(tutorial_->steps().step(), 15);
    EXPECT_EQ(tutorial_->pageShown(), 8);
    readOn();
    frames(10);
    EXPECT_EQ(tutorial_->steps().step(), 16) << "the shop's entrance lies below the last goal";
    tutorial_->thePlayer()->setPosition({tutorial_->thePlayer()->getPosition().x, 790.f});
    frames(1);
    ASSERT_EQ(tutorial_->steps().step(), 17);
    EXPECT_EQ(tutorial_->pageShown(), 9);

    // E on the last page leaves for the menu, and nothing of the tutorial runs after.
    readOn();
    EXPECT_TRUE(tutorial_->finished());
    EXPECT_NE(engine_->currentState, tutorial_);
    EXPECT_NE(dynamic_cast<LoadingScreen*>(engine_->currentState), nullptr);
    const int step = tutorial_->steps().step();
    tutorial_->handleEvent(keyPress(sf::Keyboard::E));
    tutorial_->handleEvent(keyPress(sf::Keyboard::T));
    tutorial_->update(kFrame);
    tutorial_->draw(*engine_->window);
    EXPECT_EQ(tutorial_->steps().step(), step);
    engine_->collectRetired();
}

TEST_F(Tutorial, EscapeAloneDoesNotPauseAndTheHeldChordTogglesOnce)
{
    frames(1);
    keys_.held = {sf::Keyboard::Escape};
    tutorial_->handleEvent(keyPress(sf::Keyboard::Escape));
    EXPECT_FALSE(tutorial_->paused()) << "Escape alone";
    keys_.held = {sf::Keyboard::Escape, sf::Keyboard::F1};
    tutorial_->handleEvent(keyPress(sf::Keyboard::F1));
    EXPECT_TRUE(tutorial_->paused());
    // Key repeats and mouse moves while the chord is held.
    for (int i = 0; i < 5; ++i)
    {
        tutorial_->handleEvent(keyPress(sf::Keyboard::F1));
        tutorial_->handleEvent(mouseMove(100 + i, 100));
    }
    EXPECT_TRUE(tutorial_->paused()) << "the held chord toggled again";
    // A page does not turn behind the pause menu, and the world stands still.
    keys_.held.clear();
    tutorial_->handleEvent(keyPress(sf::Keyboard::E));
    EXPECT_EQ(tutorial_->steps().step(), 1);
    keys_.held = {sf::Keyboard::Escape, sf::Keyboard::F1};
    tutorial_->handleEvent(keyPress(sf::Keyboard::F1));
    EXPECT_FALSE(tutorial_->paused()) << "a second press of the chord resumes";
    keys_.held.clear();
}

TEST_F(Tutorial, NoticesFadeAndGoAsInARun)
{
    frames(1);
    readOn();
    sendEnemiesAway();
    auto notice = std::make_unique<FloatingText>();
    notice->text = "+1 bell";
    notice->duration = 3.f;
    tutorial_->addNotice(std::move(notice));
    ASSERT_EQ(tutorial_->noticeCount(), 1u);
    frames(60 * 4);
    EXPECT_FALSE(tutorial_->steps().reading());
    EXPECT_EQ(tutorial_->noticeCount(), 0u) << "a notice lived past its lifetime";
}

TEST_F(Tutorial, AFallenPlayerRisesWithFullHealthAtTheRoomsEntrance)
{
    frames(1);
    readOn();
    sendEnemiesAway();
    Player* player = tutorial_->thePlayer();
    const sf::Vector2f entrance = player->getPosition();
    player->setPosition(entrance - sf::Vector2f(0.f, 200.f));
    player->takeDamage(1000);
    ASSERT_TRUE(player->state == Player::DYING || player->state == Player::DEAD);
    frames(120);
    EXPECT_NE(player->state, Player::DEAD);
    EXPECT_NE(player->state, Player::DYING);
    EXPECT_FLOAT_EQ(player->health, static_cast<float>(player->maximumHealth));
    EXPECT_EQ(player->getPosition(), entrance);
}

TEST_F(Tutorial, TheDebugJumpsDoNotSkipTheTutorialsRooms)
{
    frames(1);
    readOn();
    tutorial_->handleEvent(keyPress(sf::Keyboard::B, true));
    tutorial_->handleEvent(keyPress(sf::Keyboard::T, true));
    EXPECT_EQ(tutorial_->room()->name, "Tuto_1");
}

} // namespace
