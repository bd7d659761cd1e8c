// A run of the real game under the test's X display, driven by xdotool as a player
// would drive it: Play, walk, swing, the minimap, the pause menu, the settings and
// back into the same run, the jump to the boss, and back to the menu. And the one
// missing file that stops a run: it must end the game cleanly with its message.

#include "support/GameProcess.h"
#include "support/RunDriving.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <cmath>
#include <filesystem>
#include <functional>
#include <thread>

namespace
{
namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::path kShots = fs::temp_directory_path() / "umbravale-shots";

double meanLuma(const sf::Image& image)
{
    double sum = 0;
    long n = 0;
    for (unsigned y = 0; y < image.getSize().y; y += 8)
        for (unsigned x = 0; x < image.getSize().x; x += 8)
        {
            const sf::Color c = image.getPixel(x, y);
            sum += 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
            ++n;
        }
    return n ? sum / n : 0.0;
}

// Mean absolute difference of two screenshots, 0 for the same picture.
double difference(const sf::Image& a, const sf::Image& b)
{
    if (a.getSize() != b.getSize() || a.getSize().x == 0)
        return 255.0;
    double sum = 0;
    long n = 0;
    for (unsigned y = 0; y < a.getSize().y; y += 8)
        for (unsigned x = 0; x < a.getSize().x; x += 8)
        {
            const sf::Color p = a.getPixel(x, y), q = b.getPixel(x, y);
            sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            n += 3;
        }
    return sum / n;
}

// The loading screen's yellow title in the top-left corner.
bool showsLoadingTitle(const sf::Image& image)
{
    if (image.getSize().x < 700)
        return false;
    for (unsigned y = 50; y < 170; y += 2)
        for (unsigned x = 50; x < 700; x += 2)
        {
            const sf::Color c = image.getPixel(x, y);
            if (c.r > 220 && c.g > 220 && c.b < 60)
                return true;
        }
    return false;
}

using rundriving::startRun;

// Screenshots until `wanted` holds of one (the last one is returned either way):
// under a software renderer a frame of the run can take a good part of a second.
sf::Image screenUntil(GameProcess& game, const std::string& file, const std::function<bool(const sf::Image&)>& wanted,
                      std::chrono::seconds timeout = 30s)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    sf::Image image = game.screenshot(file);
    while (!wanted(image) && std::chrono::steady_clock::now() < end)
    {
        std::this_thread::sleep_for(300ms);
        image = game.screenshot(file);
    }
    return image;
}

// Mean absolute difference of the bottom-right corner, where the karma gauge shows in
// full while the minimap or the pause menu is open.
double gaugeDifference(const sf::Image& a, const sf::Image& b)
{
    if (a.getSize() != b.getSize() || a.getSize().x < 1920)
        return 255.0;
    double sum = 0;
    long n = 0;
    for (unsigned y = 1000; y < 1080; y += 2)
        for (unsigned x = 1600; x < 1920; x += 2)
        {
            const sf::Color p = a.getPixel(x, y), q = b.getPixel(x, y);
            sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            n += 3;
        }
    return sum / n;
}

TEST(RunEndToEnd, PlayWalkSwingMinimapPauseSettingsBossAndBackToTheMenu)
{
    if (!GameProcess::displayAvailable())
        GTEST_SKIP() << "needs an X display and xdotool";
    fs::create_directories(kShots);
    auto shot = [](const char* name) { return (kShots / (std::string("run-") + name + ".png")).string(); };

    GameProcess game;
    ASSERT_TRUE(game.start(UMBRAVALE_GAME_BINARY, UMBRAVALE_SOURCE_DIR, (kShots / "run-e2e.log").string()));
    ASSERT_TRUE(game.waitForWindow(30s)) << "no game window appeared";
    startRun(game);
    ASSERT_EQ(game.countInLog("Fatal"), 0) << game.log();
    // The first room's enemies fight: the tour of the screens is played in god mode
    // (numpad Add toggles it) so that it is not cut short by the game-over screen.
    game.press("KP_Add");
    // The karma gauge shows for two seconds after the run starts; wait until it has gone.
    std::this_thread::sleep_for(4s);
    const sf::Image first = game.screenshot(shot("1-first-room"));
    EXPECT_GT(pictureContrast(first), 10.0) << "the first room looks blank";

    // Walk (the keys are polled once a frame: hold them a while), then swing.
    game.moveMouse(1300, 540);
    for (const char* key : {"d", "s", "q", "z"})
    {
        game.hold(key);
        std::this_thread::sleep_for(400ms);
        game.release(key);
    }
    game.click(1300, 540);
    std::this_thread::sleep_for(500ms);
    game.screenshot(shot("2-walked-and-swung"));
    std::this_thread::sleep_for(2500ms);
    const sf::Image before = game.screenshot(shot("2b-before-minimap"));

    // The minimap opens on M (the full karma gauge comes with it) and closes on
    // Escape, which does not pause.
    game.press("m");
    const sf::Image minimap =
        screenUntil(game, shot("3-minimap"), [&](const sf::Image& now) { return gaugeDifference(now, before) > 5.0; });
    EXPECT_GT(gaugeDifference(minimap, before), 5.0) << "M showed no minimap";
    game.press("Escape");
    const sf::Image closed = screenUntil(game, shot("4-minimap-closed"),
                                         [&](const sf::Image& now) { return gaugeDifference(now, before) < 2.0; });
    EXPECT_LT(gaugeDifference(closed, before), 2.0) << "Escape left the minimap open";

    // Escape pauses: the pause menu darkens the run.
    game.press("Escape");
    const sf::Image paused = screenUntil(game, shot("5-paused"), [&](const sf::Image& now)
                                         { return meanLuma(now) < meanLuma(closed) * 0.8; });
    EXPECT_LT(meanLuma(paused), meanLuma(closed) * 0.8) << "the pause menu did not show";

    // Options opens the settings screen; its exit button comes back to the same run.
    game.click(753 + 200, 400 + 60);
    const sf::Image settings = screenUntil(game, shot("6-settings"), [&](const sf::Image& now)
                                           { return difference(now, paused) > 10.0 && !showsLoadingTitle(now); });
    EXPECT_GT(difference(settings, paused), 10.0) << "options did not open the settings screen";
    std::this_thread::sleep_for(1s);
    game.click(1700, 1000);
    // Back on the paused run: as dark as it was (the hovered button aside), far from the settings.
    auto pausedAgain = [&](const sf::Image& now)
    { return difference(now, settings) > 10.0 && std::abs(meanLuma(now) - meanLuma(paused)) < 3.0; };
    const sf::Image back = screenUntil(game, shot("7-back-paused"), pausedAgain);
    EXPECT_TRUE(pausedAgain(back)) << "the settings did not come back to the paused run";
    EXPECT_EQ(game.countInLog("Generated floor with"), 1) << "the run was rebuilt instead of resumed";
    EXPECT_EQ(game.countInLog("Loading map textures"), 1) << "went back to the menu instead of the run";

    // Resume, jump to the boss room.
    game.press("Escape");
    const sf::Image resumed =
        screenUntil(game, shot("7b-resumed"), [&](const sf::Image& now) { return difference(now, back) > 3.0; });
    EXPECT_GT(difference(resumed, back), 3.0) << "Escape did not resume the run";
    game.press("ctrl+b");
    const sf::Image boss = screenUntil(game, shot("8-boss-room"), [&](const sf::Image& now)
                                       { return difference(now, first) > 3.0; });
    EXPECT_GT(difference(boss, first), 3.0) << "Control + B did not change the room";

    // Pause and leave for the menu.
    game.press("Escape");
    screenUntil(game, shot("8b-paused-in-boss-room"), [&](const sf::Image& now)
                { return difference(now, boss) > 3.0; });
    game.click(752 + 200, 550 + 60);
    ASSERT_TRUE(until([&] { return game.countInLog("Loading map textures") >= 2; }, [] {}, 60s))
        << "exit did not return to the main menu:\n"
        << game.log();
    std::this_thread::sleep_for(3s);
    game.screenshot(shot("9-menu-again"));
    EXPECT_EQ(game.countInLog("Fatal"), 0) << game.log();

    // The menu's Exit ends the game normally.
    game.click(1500, 860);
    EXPECT_EQ(game.waitForExit(30s), 0) << game.log();
}

TEST(RunEndToEnd, AMissingMinimapShaderEndsTheGameWithItsMessageAndExitCodeOne)
{
    if (!GameProcess::displayAvailable())
        GTEST_SKIP() << "needs an X display and xdotool";
    const fs::path source = UMBRAVALE_SOURCE_DIR;
    if (!fs::exists(source / "Assets/Sprites"))
        GTEST_SKIP() << "the content generator has not run";

    // A copy of the game beside a content tree that lacks only that shader.
    const fs::path dir = fs::temp_directory_path() / "umbravale-no-minimap-shader";
    fs::remove_all(dir);
    fs::create_directories(dir / "Assets");
    fs::copy_file(UMBRAVALE_GAME_BINARY, dir / "umbravale");
    for (const auto& entry : fs::directory_iterator(source / "Assets"))
        if (entry.path().filename() != "Shaders")
            fs::create_directory_symlink(entry.path(), dir / "Assets" / entry.path().filename());
    fs::copy(source / "Assets/Shaders", dir / "Assets/Shaders", fs::copy_options::recursive);
    fs::remove(dir / "Assets/Shaders/UI/Minimap.frag");

    GameProcess game;
    ASSERT_TRUE(game.start((dir / "umbravale").string(), "/", (dir / "game.log").string()));
    ASSERT_TRUE(game.waitForWindow(30s)) << "no game window appeared";
    startRun(game);
    const int status = game.waitForExit(60s);
    EXPECT_EQ(status, 1) << "the game must end by itself with a failing status:\n" << game.log();
    const std::string log = game.log();
    EXPECT_NE(log.find("InGameState::InGameState: Failed to load minimap shader"), std::string::npos) << log;
    EXPECT_EQ(log.find("terminate called"), std::string::npos) << "an abort instead of a clean exit:\n" << log;
    fs::remove_all(dir);
}
TEST(RunEndToEnd, MashingKeysAndClicksNeitherCrashesNorFreezesTheGame)
{
    if (!GameProcess::displayAvailable())
        GTEST_SKIP() << "needs an X display and xdotool";
    // The pause menu may lead to the settings screen, whose sliders write the settings file.
    const fs::path settingsFile = fs::path(UMBRAVALE_SOURCE_DIR) / "Assets/Data/Parameters/GameData.json";
    std::ostringstream saved;
    saved << std::ifstream(settingsFile, std::ios::binary).rdbuf();
    struct Restore
    {
        fs::path file;
        std::string text;
        ~Restore() { std::ofstream(file, std::ios::binary | std::ios::trunc) << text; }
    } restore{settingsFile, saved.str()};

    fs::create_directories(kShots);
    GameProcess game;
    ASSERT_TRUE(game.start(UMBRAVALE_GAME_BINARY, UMBRAVALE_SOURCE_DIR, (kShots / "run-mash.log").string()));
    ASSERT_TRUE(game.waitForWindow(30s)) << "no game window appeared";
    startRun(game);

    // Every key the run answers, in a fixed random order, with clicks over the pause
    // buttons and the room (never over the main menu's Exit, which would end the game).
    const char* keys[] = {"Escape", "m",     "Tab", "e",    "f",    "space", "z",      "q",     "s",     "d",
                          "ctrl+b", "KP_7", "KP_9", "KP_8", "Up",   "Down",  "Escape", "m",     "Tab",   "Escape"};
    std::srand(20261210);
    for (int i = 0; i < 120; ++i)
    {
        const char* key = keys[std::rand() % static_cast<int>(std::size(keys))];
        game.press(key);
        if (std::rand() % 3 == 0)
            game.click(700 + std::rand() % 500, 200 + std::rand() % 500);
    }
    std::this_thread::sleep_for(3s);

    // Still running, still drawing: two screenshots a moment apart, and no fatal line.
    const sf::Image after = game.screenshot((kShots / "run-mash-after.png").string());
    EXPECT_GT(pictureContrast(after), 5.0) << "the screen went blank";
    EXPECT_EQ(game.waitForExit(1s), -1) << "the game ended while being mashed:\n" << game.log();
    const std::string log = game.log();
    EXPECT_EQ(log.find("Fatal"), std::string::npos) << log;
    EXPECT_EQ(log.find("terminate called"), std::string::npos) << log;
}
} // namespace
