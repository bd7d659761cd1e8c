// The real game, started as a player would start it, on the test's X display.

#include "support/GameProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

TEST(GameBinary, StartsShowsTheMenuAndExitsCleanly)
{
    if (!GameProcess::displayAvailable())
        GTEST_SKIP() << "needs an X display and xdotool";
    const auto shots = std::filesystem::temp_directory_path() / "umbravale-shots";
    std::filesystem::create_directories(shots);

    // Started from an unrelated folder: the game finds Assets/ from its own location.
    GameProcess game;
    ASSERT_TRUE(game.start(UMBRAVALE_GAME_BINARY, "/"));
    ASSERT_TRUE(game.waitForWindow(std::chrono::seconds(30))) << "no game window appeared";

    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const sf::Image splash = game.screenshot((shots / "splash.png").string());
    ASSERT_GT(splash.getSize().x, 0u) << "no screenshot";

    // The software cursor starts at the screen's centre, over the splash logo: move it
    // to a corner. Then skip the splash (again on each try: a press sent while the game
    // was still starting may be lost; the loading screen and the menu ignore Space) and
    // wait for the menu. Only the menu's backdrop covers the sky right of centre; the
    // splash and the loading screen leave the clear colour there.
    game.moveMouse(1900, 30);
    const sf::Color clear(41, 12, 14);
    sf::Image menu;
    for (int attempt = 0; attempt < 60; ++attempt)
    {
        game.press("space");
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        menu = game.screenshot((shots / "menu.png").string());
        if (menu.getSize().x > 1700 && pictureContrast(menu) > 10.0 && menu.getPixel(1700, 300) != clear &&
            menu.getPixel(960, 540) != clear)
            break;
    }
    EXPECT_GT(pictureContrast(menu), 10.0) << "the menu screen looks blank";
    // The clear colour must not cover the screen: the menu backdrop is drawn.
    ASSERT_GT(menu.getSize().x, 1700u);
    EXPECT_NE(menu.getPixel(960, 540), clear);
    EXPECT_NE(menu.getPixel(1700, 300), clear);

    game.hold("Alt_L Escape");
    const int status = game.waitForExit(std::chrono::seconds(30));
    game.release("Alt_L Escape");
    EXPECT_EQ(status, 0) << "the game did not exit cleanly";
}

TEST(GameBinary, MissingAssetsFolderIsOneClearErrorAndAFailingExit)
{
    const auto dir = std::filesystem::temp_directory_path() / "umbravale-no-assets";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const auto copy = dir / "umbravale";
    std::filesystem::copy_file(UMBRAVALE_GAME_BINARY, copy);
    const std::string log = GameProcess::output("'" + copy.string() + "'; echo \"exit=$?\"");
    EXPECT_NE(log.find("No Assets folder found"), std::string::npos) << log;
    EXPECT_NE(log.find("exit=1"), std::string::npos) << log;
    std::filesystem::remove_all(dir);
}

TEST(GameBinary, MissingPictureAtStartIsLoggedAndEndsWithAFailingExit)
{
    if (!GameProcess::displayAvailable())
        GTEST_SKIP() << "needs an X display";
    // A private copy of the content without one of the main menu's pictures.
    const auto dir = std::filesystem::temp_directory_path() / "umbravale-broken-content";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::filesystem::copy(std::string(UMBRAVALE_SOURCE_DIR) + "/Assets", dir / "Assets",
                          std::filesystem::copy_options::recursive);
    std::filesystem::remove(dir / "Assets/Sprites/Buttons/Tuto.png");
    std::filesystem::copy_file(UMBRAVALE_GAME_BINARY, dir / "umbravale");

    const std::string log = GameProcess::output("ALSOFT_DRIVERS=null timeout 60 '" + (dir / "umbravale").string() +
                                                "'; echo \"exit=$?\"");
    EXPECT_NE(log.find("Failed to load texture: Assets/Sprites/Buttons/Tuto.png"), std::string::npos) << log;
    EXPECT_NE(log.find("exit=1"), std::string::npos) << "the game must fail cleanly, not abort: " << log;
    std::filesystem::remove_all(dir);
}
