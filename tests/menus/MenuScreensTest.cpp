#include "core/Engine.h"
#include "core/GameSettings.h"
#include "core/LoadingScreen.h"
#include "menus/CreditsState.h"
#include "menus/GameOverState.h"
#include "menus/MainMenuState.h"
#include "menus/MenuGroups.h"
#include "menus/SettingState.h"
#include "menus/VictoryState.h"

#include <gtest/gtest.h>

#include <SFML/Window/Event.hpp>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace
{
namespace fs = std::filesystem;

// Screens made current in the real engine (under the test's X display), with the
// settings file in a scratch folder. Leaving a screen starts a loading screen; the
// fixture lets it finish and tears the chain down.
class MenuScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!fs::exists("Assets/Sprites/Buttons/background.png"))
            GTEST_SKIP() << "the content generator has not run";
        engine_ = Engine::instance();
        engine_->window->setVisible(true);
        settingsFile_ = (fs::temp_directory_path() / "umbravale-screens-GameData.json").string();
        std::ofstream(settingsFile_)
            << R"({"languageSelected": 0, "volumeParameters": {"music": 0.0, "volume": 0.5, "sfx": 1.0}})";
        GameSettings::setFilePath(settingsFile_);
    }
    void TearDown() override
    {
        if (!engine_)
            return;
        settle();
        engine_->retireChain(engine_->currentState);
        engine_->currentState = nullptr;
        engine_->collectRetired();
        GameSettings::resetFilePath();
        fs::remove(settingsFile_);
        // Out of the way of the real game that a later test drives with the mouse.
        engine_->window->setVisible(false);
    }

    template <typename T> T* enter(GroupList groups)
    {
        for (const auto& group : groups)
            group->load();
        engine_->retireChain(engine_->currentState);
        engine_->collectRetired();
        auto* state = new T(std::move(groups));
        engine_->currentState = state;
        return state;
    }
    // Waits for a loading screen's loader threads so nothing loads behind the next test.
    void settle()
    {
        for (int i = 0; i < 200; ++i)
        {
            auto* loading = dynamic_cast<LoadingScreen*>(engine_->currentState);
            if (!loading || !loading->loading())
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    bool leftForLoadingScreen() const { return dynamic_cast<LoadingScreen*>(engine_->currentState) != nullptr; }

    Engine* engine_ = nullptr;
    std::string settingsFile_;
};

GroupList menuGroups()
{
    GroupList groups;
    groups.push_back(MenuGroups::mainMenu());
    groups.push_back(MenuGroups::menuResources(GameSettings::kEnglish));
    return groups;
}

TEST_F(MenuScreen, MainMenuButtonsStandWhereTheLayoutSaysAndOnlyTheFirstHitRuns)
{
    MainMenuState* menu = enter<MainMenuState>(menuGroups());
    const auto& buttons = menu->buttons();
    ASSERT_EQ(buttons.size(), 5u);
    const sf::Vector2i playSize = buttons[MainMenuState::BUTTON_PLAY]->size;
    EXPECT_EQ(buttons[MainMenuState::BUTTON_PLAY]->position,
              sf::Vector2i(static_cast<int>(1920 - 1.5f * playSize.x), 405));
    EXPECT_EQ(buttons[MainMenuState::BUTTON_CREDITS]->position, sf::Vector2i(100, 945));
    EXPECT_EQ(buttons[MainMenuState::BUTTON_TUTORIAL]->position.y, 675);

    // Two buttons laid over each other: the earlier in the order wins alone.
    int play = 0, options = 0;
    buttons[MainMenuState::BUTTON_PLAY]->callback = [&] { ++play; };
    buttons[MainMenuState::BUTTON_OPTIONS]->callback = [&] { ++options; };
    buttons[MainMenuState::BUTTON_OPTIONS]->position = buttons[MainMenuState::BUTTON_PLAY]->position;
    EXPECT_TRUE(menu->clickAt(buttons[MainMenuState::BUTTON_PLAY]->position + sf::Vector2i(5, 5)));
    EXPECT_EQ(play, 1);
    EXPECT_EQ(options, 0);
    EXPECT_FALSE(menu->clickAt({5, 5}));

    const sf::Vector2i onTutorial = buttons[MainMenuState::BUTTON_TUTORIAL]->position + sf::Vector2i(10, 10);
    menu->hoverAt(onTutorial);
    EXPECT_EQ(buttons[MainMenuState::BUTTON_TUTORIAL]->hovered, 1u);
    EXPECT_EQ(buttons[MainMenuState::BUTTON_TUTORIAL]->currentImage(), "tuto_button_h");
    menu->hoverAt({5, 5});
    EXPECT_EQ(buttons[MainMenuState::BUTTON_TUTORIAL]->hovered, 0u);
}

TEST_F(MenuScreen, MainMenuBannerChangesFrameEvery135MillisecondsAndWraps)
{
    MainMenuState* menu = enter<MainMenuState>(menuGroups());
    const int expected[] = {1, 2, 3, 0, 1};
    for (int frame : expected)
    {
        menu->update(0.1f);
        menu->update(0.036f);
        EXPECT_EQ(menu->animationFrame(), frame);
    }
}

TEST_F(MenuScreen, PlayAndTutorialReachALoadingScreenOfFilesThatExist)
{
    for (auto index : {MainMenuState::BUTTON_PLAY, MainMenuState::BUTTON_TUTORIAL})
    {
        MainMenuState* menu = enter<MainMenuState>(menuGroups());
        const auto& target = menu->buttons()[index];
        ASSERT_TRUE(menu->clickAt(target->position + sf::Vector2i(3, 3)));
        ASSERT_TRUE(leftForLoadingScreen());
        auto* loading = static_cast<LoadingScreen*>(engine_->currentState);
        for (const auto& group : loading->groupsToLoad())
            for (const auto& [key, path] : group->flatten())
                EXPECT_TRUE(fs::is_regular_file(path)) << key << " -> " << path;
        settle();
    }
}

GroupList settingsGroups()
{
    GroupList groups;
    groups.push_back(MenuGroups::backdrop());
    groups.push_back(MenuGroups::menuResources(GameSettings::kEnglish));
    return groups;
}

float savedMusic(const std::string& file)
{
    GameSettings settings;
    GameSettings::setFilePath(file);
    loadSettings(settings);
    return settings.music;
}

TEST_F(MenuScreen, VolumesStayWithinZeroAndOneHoweverTheyAreClicked)
{
    SettingState* screen = enter<SettingState>(settingsGroups());
    ASSERT_EQ(screen->shownTab(), SettingState::TAB_SOUND);
    const sf::Vector2i musicMinus(740, 530), musicPlus(1390, 530);

    screen->clickAt(musicMinus);
    EXPECT_EQ(screen->rowValue(SettingState::ROW_MUSIC), 0.f) << "minus at 0 stays at 0";
    for (int i = 0; i < 10; ++i)
        screen->clickAt(musicPlus);
    EXPECT_EQ(screen->rowValue(SettingState::ROW_MUSIC), 1.f) << "ten tenths make exactly 1";
    screen->clickAt(musicPlus);
    EXPECT_EQ(screen->rowValue(SettingState::ROW_MUSIC), 1.f);
    EXPECT_EQ(savedMusic(settingsFile_), 1.f) << "every change is written at once";
    EXPECT_FLOAT_EQ(screen->rowValue(SettingState::ROW_VOLUME), 0.5f) << "other rows untouched";

    // The bar: the left edge gives a little under a thousandth, the drawn end about 1,
    // and right of the drawn end nothing changes.
    EXPECT_NEAR(SettingState::barValue(762.f, 762.f, 0.5f), 13.f / 621.95f - 0.02f, 1e-5f);
    EXPECT_NEAR(SettingState::barValue(1383.f, 762.f, 0.5f), 1.f, 0.001f);
    EXPECT_EQ(SettingState::barValue(1500.f, 762.f, 0.3f), 0.3f);
    EXPECT_EQ(SettingState::barValue(700.f, 762.f, 0.3f), 0.f);
    screen->clickAt({762 + 311, 540});
    EXPECT_NEAR(screen->rowValue(SettingState::ROW_MUSIC), 0.501f, 0.001f);
}

TEST_F(MenuScreen, OnlyTheShownTabsControlsAnswerClicks)
{
    SettingState* screen = enter<SettingState>(settingsGroups());
    screen->clickAt({500, 240}); // the keys tab
    ASSERT_EQ(screen->shownTab(), SettingState::TAB_KEYS);
    screen->clickAt({900, 660});  // where French stands on the language tab
    screen->clickAt({1000, 540}); // the middle of the music bar on the sound tab
    EXPECT_EQ(screen->settings().language, GameSettings::kEnglish);
    EXPECT_EQ(screen->rowValue(SettingState::ROW_MUSIC), 0.f);
    screen->clickAt({1000, 240}); // the language tab, then French
    screen->clickAt({900, 660});
    EXPECT_EQ(screen->settings().language, GameSettings::kFrench);
}

TEST_F(MenuScreen, SettingsGoBackToTheMenuAndAPausedRunIsResumed)
{
    SettingState* fromMenu = enter<SettingState>(settingsGroups());
    fromMenu->goBack();
    EXPECT_TRUE(fromMenu->left());
    EXPECT_TRUE(leftForLoadingScreen()) << "from the menu, back to the menu's loading screen";
    settle();

    // A paused screen as predecessor: the settings give it back, with the pause buttons.
    VictoryState* paused = enter<VictoryState>(MenuGroups::returnGroups(MenuGroups::victory(1.f)));
    engine_->currentState = nullptr;
    SettingState* overRun = enter<SettingState>(settingsGroups());
    overRun->previousState = paused;
    overRun->goBack();
    EXPECT_EQ(engine_->currentState, paused);
    EXPECT_TRUE(TextureManager::isPresent("play_button_h"));
    EXPECT_TRUE(TextureManager::isPresent("options_button"));
}

TEST_F(MenuScreen, GameOverFlameBurnsSeventeenFramesAndAHeldAttackDoesNotSkipTheScreen)
{
    EXPECT_EQ(GameOverState::flameFrame(0.f), 0);
    EXPECT_EQ(GameOverState::flameFrame(0.124f), 0);
    EXPECT_EQ(GameOverState::flameFrame(0.125f), 1);
    EXPECT_EQ(GameOverState::flameFrame(2.12f), 16);
    EXPECT_EQ(GameOverState::flameFrame(17.f / 8.f), -1);

    GroupList groups;
    groups.push_back(MenuGroups::gameOver());
    GameOverState* screen = enter<GameOverState>(std::move(groups));
    screen->applyButtons(true, false);
    EXPECT_FALSE(screen->left()) << "the attack held from the run must not skip the screen";
    screen->applyButtons(false, true);
    screen->applyButtons(true, false);
    EXPECT_TRUE(screen->left());
    EXPECT_TRUE(leftForLoadingScreen());
}

TEST_F(MenuScreen, VictoryAndCreditsReturnToTheMenu)
{
    VictoryState* victory = enter<VictoryState>(MenuGroups::returnGroups(MenuGroups::victory(-0.5f)));
    EXPECT_TRUE(TextureManager::isPresent("Victory"));
    victory->applyInput(false, true);
    EXPECT_TRUE(victory->left()) << "Escape leaves";
    settle();

    GroupList groups;
    groups.push_back(MenuGroups::credits());
    CreditsState* credits = enter<CreditsState>(std::move(groups));
    const button& exit = credits->exitButton();
    EXPECT_EQ(exit.position, sf::Vector2i(1620, 972));
    sf::Event press{};
    press.type = sf::Event::MouseButtonPressed;
    press.mouseButton = {sf::Mouse::Left, exit.position.x + exit.size.x, exit.position.y};
    credits->handleEvent(press);
    EXPECT_FALSE(credits->left()) << "the right edge is outside";
    press.mouseButton.x -= 1;
    credits->handleEvent(press);
    EXPECT_TRUE(credits->left());
}
} // namespace
