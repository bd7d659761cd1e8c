// The run screen in the real engine (under the test's X display): zoom, the keys
// that pause and open the minimap, the pick-up notices and the satchel, and the
// three ways a run ends (victory, game over, and the settings and back), and a
// trade with the merchant followed by equipping what was bought.

#include "run/InGameState.h"
#include "core/Artefact.h"
#include "core/Engine.h"
#include "core/FloatingText.h"
#include "core/FontManager.h"
#include "core/GameSettings.h"
#include "core/Inventory.h"
#include "core/Item.h"
#include "core/ItemRegistry.h"
#include "core/LoadingScreen.h"
#include "core/UiText.h"
#include "core/button.h"
#include "creatures/Enemy.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/Trader.h"
#include "menus/GameOverState.h"
#include "menus/PreparedSets.h"
#include "menus/SettingState.h"
#include "menus/VictoryState.h"
#include "run/BagScreens.h"
#include "run/BossLifeBar.h"
#include "run/InventoryScreen.h"
#include "run/Player.h"
#include "run/TradeWindow.h"
#include "run/RunTextures.h"
#include "world/Floor.h"
#include "world/PropRegistry.h"
#include "world/Props.h"
#include "world/Room.h"

#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include <unistd.h>

namespace
{
namespace fs = std::filesystem;
constexpr float kFrame = 1.f / 60.f;

sf::Event keyPress(sf::Keyboard::Key key)
{
    sf::Event event;
    event.type = sf::Event::KeyPressed;
    event.key = {key, false, false, false, false};
    return event;
}

sf::Event leftClick(int x, int y)
{
    sf::Event event;
    event.type = sf::Event::MouseButtonPressed;
    event.mouseButton = {sf::Mouse::Left, x, y};
    return event;
}

// One run made current in the real engine, with the run's textures loaded once for
// the whole suite and the settings file in a scratch folder (music off).
class Run : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!fs::exists(Player::kBoundsFile) || !fs::exists("Assets/Sprites/Buttons/background.png"))
            return;
        Engine::instance();
        EnemyDatabase::loadAll();
        PreparedSets::Set set = PreparedSets::run();
        for (const auto& group : PreparedSets::runGroups(set))
            group->load();
        loaded_ = true;
    }

    void SetUp() override
    {
        if (!loaded_)
            GTEST_SKIP() << "the content generator has not run";
        engine_ = Engine::instance();
        engine_->window->setVisible(true);
        // One file per process: other test programs may run beside this one.
        settingsFile_ =
            (fs::temp_directory_path() / ("umbravale-run-GameData-" + std::to_string(getpid()) + ".json")).string();
        std::ofstream(settingsFile_)
            << R"({"languageSelected": 0, "volumeParameters": {"music": 0.0, "volume": 0.0, "sfx": 0.0}})";
        GameSettings::setFilePath(settingsFile_);
        engine_->retireChain(engine_->currentState);
        engine_->collectRetired();
        run_ = new InGameState({});
        engine_->currentState = run_;
    }

    void TearDown() override
    {
        if (!engine_)
            return;
        // A loading screen's threads must be done before its groups go.
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
        GameSettings::resetFilePath();
        fs::remove(settingsFile_);
        // Out of the way of the real game that a later test drives by its window's name.
        engine_->window->setVisible(false);
    }

    // Frames of the current screen, as the engine runs them, until `done` or the timeout.
    template <typename Done> bool runFrames(Done done, float seconds = 20.f)
    {
        for (int i = 0; i < static_cast<int>(seconds * 100.f); ++i)
        {
            if (done())
                return true;
            engine_->currentState->update(kFrame);
            engine_->collectRetired();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return done();
    }

    // The final boss room of the third floor, holding one dead enemy.
    void enterFinalBossRoomWithABody()
    {
        Floor* floor = run_->floor();
        floor->floorIndex = 2;
        floor->generateFloor(run_->thePlayer());
        floor->jumpToBoss(run_->thePlayer());
        ASSERT_EQ(run_->room()->name, "tf_boss");
        auto body = std::make_unique<Enemy>();
        body->health = 0.f;
        run_->room()->addEntity(std::move(body));
    }

    static inline bool loaded_ = false;
    Engine* engine_ = nullptr;
    InGameState* run_ = nullptr;
    std::string settingsFile_;
};

TEST_F(Run, StartsAsTheActiveRunWithThePlayerInTheFirstRoom)
{
    EXPECT_EQ(currentRun, run_);
    EXPECT_EQ(RunContext::active(), run_);
    ASSERT_NE(run_->room(), nullptr);
    EXPECT_EQ(run_->room()->name.rfind("ff_", 0), 0u) << run_->room()->name;
    EXPECT_EQ(run_->room()->entities.members().front(), run_->player());
    EXPECT_FALSE(run_->paused());
    EXPECT_FALSE(run_->minimapOpen());
    EXPECT_FLOAT_EQ(run_->camera().zoom, 1.f);

    // Standing at the last Bottom door, or at the origin when the room has none.
    sf::Vector2f expected(0.f, 0.f);
    for (const Door& door : run_->room()->doors)
        if (door.direction == DOOR_BOTTOM)
            expected = door.position;
    EXPECT_EQ(run_->player()->getPosition(), expected);
}

TEST_F(Run, ArrowsZoomByTheFrameTimeWithinTheLimits)
{
    struct Case
    {
        bool up, down;
        float seconds;
        float expected;
    };
    const Case cases[] = {
        {true, false, 2.f, InGameState::kMaxZoom},
        {false, true, 2.f, InGameState::kMinZoom},
        {true, false, 0.25f, 1.25f},
        {false, false, 2.f, 1.f},
        {true, true, 0.25f, 1.25f}, // Up wins over Down
    };
    for (const Case& c : cases)
    {
        run_->mutableCamera().zoom = 1.f;
        for (int frame = 0; frame < static_cast<int>(c.seconds * 60.f + 0.5f); ++frame)
            run_->applyZoomInput(c.up, c.down, kFrame);
        EXPECT_NEAR(run_->camera().zoom, c.expected, 1e-3f)
            << "up " << c.up << " down " << c.down << " for " << c.seconds << " s";
    }
}

TEST_F(Run, EscapeClosesTheMinimapBeforeItPausesAndMIsIgnoredWhilePaused)
{
    run_->handleEvent(keyPress(sf::Keyboard::M));
    ASSERT_TRUE(run_->minimapOpen());
    run_->handleEvent(keyPress(sf::Keyboard::Escape));
    EXPECT_FALSE(run_->minimapOpen()) << "Escape closes the minimap";
    EXPECT_FALSE(run_->paused()) << "and does not pause as well";

    run_->handleEvent(keyPress(sf::Keyboard::Escape));
    ASSERT_TRUE(run_->paused());
    run_->handleEvent(keyPress(sf::Keyboard::M));
    EXPECT_FALSE(run_->minimapOpen()) << "M does nothing while paused";
    run_->handleEvent(keyPress(sf::Keyboard::Escape));
    EXPECT_FALSE(run_->paused()) << "Escape resumes";

    run_->inventoryOpen = true;
    run_->handleEvent(keyPress(sf::Keyboard::Escape));
    EXPECT_FALSE(run_->paused()) << "Escape with the bag open does not pause";
}

TEST_F(Run, ThePausedWorldStandsStillAndTheResumeButtonResumes)
{
    run_->handleEvent(keyPress(sf::Keyboard::Escape));
    ASSERT_TRUE(run_->paused());
    const float timer = run_->floor()->mapTimer;
    run_->addNotice(std::make_unique<FloatingText>());
    for (int i = 0; i < 30; ++i)
        run_->update(kFrame);
    EXPECT_EQ(run_->floor()->mapTimer, timer);
    EXPECT_EQ(run_->noticeCount(), 1u) << "notices wait while paused";

    run_->handleEvent(leftClick(751 + 200, 250 + 60));
    EXPECT_FALSE(run_->paused());
    run_->update(kFrame);
    EXPECT_GT(run_->floor()->mapTimer, timer);
}

TEST_F(Run, LosingTheFocusPausesTheRunAndNothingMovesUntilResumed)
{
    sf::Event lost;
    lost.type = sf::Event::LostFocus;
    for (bool minimapFirst : {false, true})
    {
        if (minimapFirst)
            run_->handleEvent(keyPress(sf::Keyboard::M));
        const sf::Vector2f where = run_->player()->getPosition();
        const float timer = run_->floor()->mapTimer;
        run_->handleEvent(lost);
        EXPECT_TRUE(run_->paused()) << "the pause menu opens when the window loses the focus";
        EXPECT_FALSE(run_->minimapOpen()) << "the pause menu shows alone";
        for (int i = 0; i < 60; ++i)
            run_->update(kFrame);
        EXPECT_EQ(run_->floor()->mapTimer, timer) << "the world went on while the player looked away";
        EXPECT_EQ(run_->player()->getPosition(), where);

        // Coming back changes nothing until the player resumes.
        sf::Event gained;
        gained.type = sf::Event::GainedFocus;
        run_->handleEvent(gained);
        EXPECT_TRUE(run_->paused());
        run_->handleEvent(keyPress(sf::Keyboard::Escape));
        EXPECT_FALSE(run_->paused());
    }
}

TEST_F(Run, ThePauseMenuNamesItselfResumesAndShowsTheSeedInTheChosenLanguage)
{
    FontManager::loadAll();
    struct Case
    {
        unsigned language;
        const char* title;
        const char* seedWords;
    };
    const unsigned before = UiText::language();
    for (const Case& c : {Case{UiText::kEnglish, "Paused", "Seed: "}, Case{UiText::kFrench, "Pause", "Graine : "}})
    {
        UiText::setLanguage(c.language);
        engine_->retireChain(engine_->currentState);
        engine_->collectRetired();
        run_ = new InGameState({});
        engine_->currentState = run_;

        EXPECT_EQ(run_->pauseTitle().getString().toAnsiString(), c.title);
        EXPECT_EQ(run_->pauseSeed().getString().toAnsiString(), c.seedWords + std::to_string(run_->seed()));
        ASSERT_EQ(run_->pauseMenuButtons().size(), 3u);
        EXPECT_EQ(run_->pauseMenuButtons().front()->images.front(), "resume_button") << "the first button resumes";
        // The title stands over the buttons and the seed under them, on the screen.
        const sf::FloatRect title = run_->pauseTitle().getGlobalBounds();
        const sf::FloatRect seed = run_->pauseSeed().getGlobalBounds();
        EXPECT_LT(title.top + title.height, 250.f);
        EXPECT_GT(seed.top, 550.f + 124.f);
        EXPECT_LT(seed.top + seed.height, 1080.f);
        EXPECT_GT(title.left, 0.f);
        EXPECT_LT(title.left + title.width, 1920.f);
    }
    UiText::setLanguage(before);
}

TEST_F(Run, TheKarmaAndHealthKeysMoveTheGaugesWithinTheirLimits)
{
    for (int i = 0; i < 20; ++i)
        run_->handleEvent(keyPress(sf::Keyboard::Numpad7));
    EXPECT_FLOAT_EQ(run_->karma(), -160.f);
    run_->handleEvent(keyPress(sf::Keyboard::Numpad9));
    EXPECT_FLOAT_EQ(run_->karma(), -150.f);
    run_->thePlayer()->health = 12.f;
    run_->handleEvent(keyPress(sf::Keyboard::Numpad8));
    EXPECT_FLOAT_EQ(run_->thePlayer()->health, 100.f);
}

TEST_F(Run, TheSatchelFadesInWhileANoticeFliesAndOutAfterIt)
{
    auto satchelAlpha = [&] { return run_->satchel().getColor().a; };
    for (int i = 0; i < 60; ++i)
        run_->update(kFrame);
    EXPECT_EQ(satchelAlpha(), 0) << "no notice, no satchel";

    auto notice = std::make_unique<FloatingText>();
    notice->duration = 3.f;
    notice->velocity = {0.f, -60.f};
    run_->addNotice(std::move(notice));

    float elapsed = 0.f;
    float fullAt = -1.f, goneAt = -1.f, hiddenAt = -1.f;
    while (elapsed < 5.f)
    {
        run_->update(kFrame);
        elapsed += kFrame;
        if (fullAt < 0.f && satchelAlpha() == 255)
            fullAt = elapsed;
        if (goneAt < 0.f && run_->noticeCount() == 0)
            goneAt = elapsed;
        if (goneAt > 0.f && hiddenAt < 0.f && satchelAlpha() == 0)
            hiddenAt = elapsed;
    }
    EXPECT_NEAR(fullAt, 0.35f, 2.5f * kFrame) << "fades in over 0.35 s";
    EXPECT_NEAR(goneAt, 3.f, 2.5f * kFrame) << "the notice lives its three seconds";
    EXPECT_NEAR(hiddenAt - goneAt, 0.35f, 2.5f * kFrame) << "and the satchel fades out after it";
}

TEST_F(Run, VictoryPictureFollowsTheSignOfTheKarma)
{
    struct Case
    {
        float karma;
        const char* file;
    };
    for (const Case& c :
         {Case{0.f, "Assets/Sprites/Victory/Angelique.png"}, Case{-0.5f, "Assets/Sprites/Victory/Diabolique.png"}})
    {
        if (!run_)
        {
            run_ = new InGameState({});
            engine_->currentState = run_;
        }
        enterFinalBossRoomWithABody();
        run_->thePlayer()->karmaGauge.set(c.karma);

        run_->update(kFrame);
        ASSERT_GE(run_->victorySeconds(), 0.f) << "a body in the final boss room starts the countdown";
        run_->update(4.9f);
        ASSERT_EQ(engine_->currentState, run_) << "five seconds, not less";
        run_->update(0.2f);
        ASSERT_NE(dynamic_cast<VictoryState*>(engine_->currentState), nullptr) << "karma " << c.karma;
        engine_->collectRetired();
        EXPECT_EQ(currentRun, nullptr) << "the run is gone after the frame";

        sf::Image expected;
        ASSERT_TRUE(expected.loadFromFile(c.file));
        const sf::Image shown = TextureManager::getTexture("Victory")->copyToImage();
        ASSERT_EQ(shown.getSize(), expected.getSize());
        EXPECT_EQ(
            std::memcmp(shown.getPixelsPtr(), expected.getPixelsPtr(), expected.getSize().x * expected.getSize().y * 4),
            0)
            << "karma " << c.karma << " shows " << c.file;
        run_ = nullptr;
    }
}

TEST_F(Run, TheCountdownOutlivesTheBodyThatStartedIt)
{
    enterFinalBossRoomWithABody();
    run_->update(kFrame);
    ASSERT_GE(run_->victorySeconds(), 0.f);
    // The soul choice removes the body; the ending must still come.
    Room* room = run_->room();
    room->removeEntity(room->entities.members().back());
    for (int i = 0; i < 6 * 60 && engine_->currentState == run_; ++i)
        run_->update(kFrame);
    EXPECT_NE(dynamic_cast<VictoryState*>(engine_->currentState), nullptr);
}

TEST_F(Run, ADeadPlayerEndsInTheGameOverScreenOnceItsPicturesAreLoaded)
{
    Player* player = run_->thePlayer();
    player->health = 60.f;
    run_->update(kFrame);
    EXPECT_EQ(run_->gameOverPictures(), nullptr) << "no danger yet";

    // One hit from 60 to 0: the pictures start loading that frame, the switch comes later.
    player->health = 0.f;
    player->state = Player::DEAD;
    run_->update(kFrame);
    ASSERT_NE(run_->gameOverPictures(), nullptr);
    EXPECT_TRUE(run_->gameOverPrepared);
    EXPECT_EQ(engine_->currentState, run_);

    ASSERT_TRUE(runFrames([&] { return engine_->currentState != run_; }));
    EXPECT_NE(dynamic_cast<GameOverState*>(engine_->currentState), nullptr);
    engine_->collectRetired();
    EXPECT_EQ(currentRun, nullptr);
    EXPECT_TRUE(TextureManager::isPresent("game_over")) << "the screen's picture survives the run's release";
    EXPECT_TRUE(TextureManager::isPresent("fire_16"));
}

TEST_F(Run, OptionsFromThePauseMenuComeBackToTheSameRunStillPaused)
{
    for (int round = 0; round < 2; ++round)
    {
        run_->handleEvent(keyPress(sf::Keyboard::Escape));
        ASSERT_TRUE(run_->paused());
        run_->handleEvent(leftClick(753 + 200, 400 + 60));
        ASSERT_NE(dynamic_cast<LoadingScreen*>(engine_->currentState), nullptr) << "options opens a loading screen";
        EXPECT_EQ(engine_->currentState->previousState, run_);

        ASSERT_TRUE(runFrames([&] { return dynamic_cast<SettingState*>(engine_->currentState) != nullptr; }));
        auto* settings = static_cast<SettingState*>(engine_->currentState);
        EXPECT_EQ(settings->previousState, run_);
        settings->goBack();
        engine_->collectRetired();

        ASSERT_EQ(engine_->currentState, run_) << "round " << round;
        EXPECT_EQ(run_->previousState, nullptr);
        EXPECT_TRUE(run_->paused());
        EXPECT_EQ(currentRun, run_);
        EXPECT_TRUE(TextureManager::isPresent("options_button_h")) << "the pause menu can still draw";
        EXPECT_EQ(run_->musicStatus(), sf::SoundSource::Stopped) << "the settings stopped the music";
        run_->handleEvent(keyPress(sf::Keyboard::Escape));
        EXPECT_FALSE(run_->paused());
        run_->update(kFrame);
        if (fs::exists(RunTextures::kZoneMusic))
        {
            EXPECT_EQ(run_->musicStatus(), sf::SoundSource::Playing) << "the music comes back with the game";
        }
    }
}

TEST_F(Run, ExitFromThePauseMenuLeavesForTheMainMenu)
{
    run_->handleEvent(keyPress(sf::Keyboard::Escape));
    run_->handleEvent(leftClick(752 + 200, 550 + 60));
    EXPECT_NE(dynamic_cast<LoadingScreen*>(engine_->currentState), nullptr);
    EXPECT_EQ(engine_->currentState->previousState, nullptr);
    engine_->collectRetired();
    EXPECT_EQ(currentRun, nullptr);
    EXPECT_EQ(RunContext::active(), nullptr);
}

// The second floor is dark, but a player must still make out a room's shape across the
// whole screen: far from every light the floor shows dimly, and the player's own light
// stays the bright place. Set UMBRAVALE_SHOTS to a folder to keep the frame looked at.
TEST_F(Run, TheDarkFloorShowsItsRoomDimlyEverywhereAndItsLightsBrightly)
{
    for (unsigned seed : {3u, 11u})
    {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::srand(seed);
        Floor* floor = run_->floor();
        floor->floorIndex = 1;
        floor->generateFloor(run_->thePlayer());
        run_->roomChanged();
        Room& room = *run_->room();
        ASSERT_EQ(room.name.rfind("sf_", 0), 0u);
        for (const Door& d : room.doors)
            if (d.direction == DOOR_BOTTOM)
                run_->thePlayer()->setPosition(d.position);
        for (int i = 0; i < 90; ++i)
            run_->update(kFrame);

        sf::RenderWindow& window = *engine_->window;
        window.clear(sf::Color(41, 12, 14));
        run_->draw(window);
        sf::Texture shot;
        ASSERT_TRUE(shot.create(window.getSize().x, window.getSize().y));
        shot.update(window);
        const sf::Image image = shot.copyToImage();
        if (const char* dir = std::getenv("UMBRAVALE_SHOTS"))
            image.saveToFile(std::string(dir) + "/dark_floor_" + room.name + ".png");

        const Camera& camera = run_->camera();
        const sf::Vector2f me = camera.toScreen(run_->thePlayer()->getPosition());
        std::vector<sf::Vector2f> lit{me};
        const std::set<std::string> glowing{"firefly",     "mushroom_01", "mushroom_02",       "mushroom_03",
                                            "double_mushroom_01", "double_mushroom_02"};
        for (const auto& prop : room.props)
            if (glowing.count(prop->name()))
                lit.push_back(camera.toScreen(prop->getPosition()));
        double far = 0.0, near = 0.0;
        int farCount = 0, nearCount = 0;
        for (unsigned y = 0; y < 1080; y += 4)
            for (unsigned x = 0; x < 1920; x += 4)
            {
                const sf::Vector2f screen(static_cast<float>(x), static_cast<float>(y));
                const sf::Vector2f world = (screen - sf::Vector2f(960.f, 540.f)) / camera.zoom + camera.centre;
                if (!room.isWalkable(nullptr, world))
                    continue;
                const sf::Color c = image.getPixel(x, y);
                const double luma = 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
                const float toMe = std::hypot(screen.x - me.x, screen.y - me.y);
                if (toMe > 40.f && toMe < 100.f)
                {
                    near += luma;
                    ++nearCount;
                }
                if (std::all_of(lit.begin(), lit.end(), [&](sf::Vector2f l)
                                { return std::hypot(screen.x - l.x, screen.y - l.y) > 450.f; }))
                {
                    far += luma;
                    ++farCount;
                }
            }
        ASSERT_GT(farCount, 200) << "no floor far from the lights on screen";
        ASSERT_GT(nearCount, 50);
        far /= farCount;
        near /= nearCount;
        std::printf("%s: floor far from any light %.1f, beside the player %.1f (of 255)\n", room.name.c_str(), far,
                    near);
        EXPECT_GE(far, 12.0) << "the room cannot be made out away from the lights";
        EXPECT_GE(near, 1.5 * far) << "the player's light no longer stands out";
    }
}
// A boss's bar shows in its room only: leaving a living boss behind for another floor
// hides it, and the next boss room's boss shows its own.
TEST_F(Run, TheBossBarStaysInTheBossRoom)
{
    std::srand(5);
    Player* player = run_->thePlayer();
    Floor* floor = run_->floor();
    floor->jumpToBoss(player);
    run_->roomChanged();
    run_->update(kFrame);
    ASSERT_TRUE(BossLifeBar::shown()) << "the first floor's boss shows no bar";

    floor->floorIndex = 1;
    floor->generateFloor(player);
    run_->roomChanged();
    run_->update(kFrame);
    EXPECT_FALSE(BossLifeBar::shown()) << "the bar followed the player out of the boss room";

    floor->jumpToBoss(player);
    run_->roomChanged();
    run_->update(kFrame);
    EXPECT_TRUE(BossLifeBar::shown()) << "the second floor's boss shows no bar";
}

// What a player does at the merchant, through the run's own keys: E beside it, two
// artefacts bought for souls, one sold back for gold, then the bag equips the other
// and the summary names its bonus.
TEST_F(Run, AtTheMerchantTwoArtefactsBoughtForSoulsOneSoldForGoldAndTheOtherEquipped)
{
    std::srand(9);
    Player* player = run_->thePlayer();
    Floor* floor = run_->floor();
    ASSERT_TRUE(floor->jumpToRoomOfType(player, ROOM_SHOP));
    run_->roomChanged();
    run_->update(kFrame);
    Trader* trader = nullptr;
    for (Entity* entity : run_->room()->entities.members())
        if (auto* found = dynamic_cast<Trader*>(entity))
            trader = found;
    ASSERT_NE(trader, nullptr) << "the shop room has no merchant";
    player->setPosition(trader->getPosition() + sf::Vector2f(0.f, 100.f));
    run_->update(kFrame);

    run_->handleEvent(keyPress(sf::Keyboard::E));
    ASSERT_TRUE(run_->trading()) << "E beside the merchant did not open the trade";
    TradeWindow& trade = run_->screens()->trade();
    const std::shared_ptr<Item> coin = ItemRegistry::find("Gold Coin");
    ASSERT_NE(coin, nullptr);
    Inventory& bag = *player->inventory;
    const float karmaBefore = player->karma();
    // What lies under the cursor of the focused bag (the stock's or the player's).
    const auto underCursor = [&]() -> std::shared_ptr<Item>
    {
        InventoryScreen* screen = trade.traderScreen()->focused ? trade.traderScreen() : &run_->screens()->bag();
        return screen->bag().slot(screen->selected).item;
    };
    const auto isArtefact = [](const std::shared_ptr<Item>& item)
    { return item && item->getKind() == Item::ARTEFACT; };

    // Two purchases: from the bag's first column Left goes over to the stock; the
    // cursor walks left to an artefact, E, E for the one unit, Left pays in souls.
    std::vector<std::shared_ptr<Item>> bought;
    for (int purchase = 0; purchase < 2; ++purchase)
    {
        if (!trade.traderScreen()->focused)
            run_->handleEvent(keyPress(sf::Keyboard::Left));
        ASSERT_TRUE(trade.traderScreen()->focused);
        for (int step = 0; step < Inventory::kColumns * 2; ++step)
        {
            if (isArtefact(underCursor()))
                break;
            run_->handleEvent(keyPress(step < Inventory::kColumns ? sf::Keyboard::Left : sf::Keyboard::Down));
        }
        const std::shared_ptr<Item> artefact = underCursor();
        ASSERT_TRUE(isArtefact(artefact)) << "no artefact in stock";
        run_->handleEvent(keyPress(sf::Keyboard::E));
        run_->handleEvent(keyPress(sf::Keyboard::E));
        ASSERT_TRUE(trade.choosingPayment);
        run_->handleEvent(keyPress(sf::Keyboard::Left));
        EXPECT_EQ(bag.countOf(*artefact), 1) << "purchase " << purchase;
        EXPECT_EQ(trader->stock.countOf(*artefact), 0);
        bought.push_back(artefact);
        run_->update(kFrame);
    }
    EXPECT_LT(player->karma(), karmaBefore) << "the souls were not paid";
    EXPECT_EQ(bag.countOf(*coin), 0);

    // Over to the bag (Right from the stock's last column) and sell the first one.
    while (trade.traderScreen()->focused)
        run_->handleEvent(keyPress(sf::Keyboard::Right));
    for (int step = 0; step < Inventory::kColumns && underCursor() != bought[0]; ++step)
        run_->handleEvent(keyPress(sf::Keyboard::Right));
    ASSERT_EQ(underCursor(), bought[0]);
    run_->handleEvent(keyPress(sf::Keyboard::E));
    run_->handleEvent(keyPress(sf::Keyboard::E));
    EXPECT_EQ(bag.countOf(*bought[0]), 0);
    EXPECT_EQ(trader->stock.countOf(*bought[0]), 1) << "the sold artefact is not the merchant's";
    EXPECT_EQ(bag.countOf(*coin), TradeWindow::goldPrice(*bought[0], 1));
    EXPECT_GT(bag.countOf(*coin), 0);

    // Escape, then the bag: the cursor onto the other artefact, Enter, Up equips it.
    run_->handleEvent(keyPress(sf::Keyboard::Escape));
    ASSERT_FALSE(run_->trading());
    run_->handleEvent(keyPress(sf::Keyboard::Tab));
    ASSERT_TRUE(run_->screens()->bagOpen());
    const auto drawn = [&]
    {
        run_->update(kFrame);
        run_->draw(*engine_->window);
        return run_->screens()->bagView().summaryText();
    };
    const std::string summaryBefore = drawn();
    InventoryScreen& screen = run_->screens()->bag();
    for (int step = 0; step < Inventory::kColumns && bag.slot(screen.selected).item != bought[1]; ++step)
        run_->handleEvent(keyPress(sf::Keyboard::Right));
    ASSERT_EQ(bag.slot(screen.selected).item, bought[1]);
    run_->handleEvent(keyPress(sf::Keyboard::Enter));
    run_->handleEvent(keyPress(sf::Keyboard::Up));
    ASSERT_EQ(player->stats.equippedArtefacts.size(), 1u);
    EXPECT_EQ(static_cast<Item*>(player->stats.equippedArtefacts[0].get()), bought[1].get()) << "another artefact was equipped";
    EXPECT_EQ(bag.countOf(*bought[1]), 0) << "the equipped artefact stayed in the bag";
    const std::string summaryAfter = drawn();
    EXPECT_NE(summaryAfter, summaryBefore) << "the summary did not change:\n" << summaryAfter;
}
} // namespace
