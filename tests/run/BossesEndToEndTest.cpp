// The three bosses in the real game under the test's X display, driven as a player
// would: Play, Control + B to the first floor's boss, Control + N on to the second
// and the third, Control + K to fell the last one, and the victory screen five
// seconds later with the angelic picture a run at karma 0 has earned.

#include "support/GameProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace
{
namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::path kShots = fs::temp_directory_path() / "umbravale-shots";

// Mean difference of the bottom strip where the boss bar lies, against another shot.
double barStripDifference(const sf::Image& a, const sf::Image& b)
{
    if (a.getSize() != b.getSize() || a.getSize().x < 1920)
        return 255.0;
    double sum = 0;
    long n = 0;
    for (unsigned y = 960; y < 1080; y += 2)
        for (unsigned x = 560; x < 1360; x += 2)
        {
            const sf::Color p = a.getPixel(x, y), q = b.getPixel(x, y);
            sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            n += 3;
        }
    return sum / n;
}

TEST(BossesEndToEnd, EachBossFightsWithItsBarAndTheLastOnesFallWinsTheRun)
{
    if (!GameProcess::displayAvailable())
        GTEST_SKIP() << "needs an X display and xdotool";
    fs::create_directories(kShots);
    auto shot = [](const char* name) { return (kShots / (std::string("bosses-") + name + ".png")).string(); };

    GameProcess game;
    ASSERT_TRUE(game.start(UMBRAVALE_GAME_BINARY, UMBRAVALE_SOURCE_DIR, (kShots / "bosses-e2e.log").string()));
    ASSERT_TRUE(game.waitForWindow(30s)) << "no game window appeared";
    ASSERT_TRUE(until([&] { return game.countInLog("Loading map textures") >= 1; }, [&] { game.click(400, 400); },
                      60s))
        << game.log();
    ASSERT_TRUE(until([&] { return game.countInLog("Generated floor with") >= 1 || game.countInLog("Fatal") > 0; },
                      [&] { game.click(1500, 455); }, 120s))
        << game.log();
    // God mode: the tour must not end on the game-over screen.
    // (It is read while the key is held: hold it over a few frames, short of the repeat.)
    game.hold("KP_Add");
    std::this_thread::sleep_for(400ms);
    game.release("KP_Add");
    std::this_thread::sleep_for(4s);
    const sf::Image first = game.screenshot(shot("0-first-room"));

    struct Boss
    {
        const char* keys;
        const char* kind;
        const char* file;
    };
    for (const Boss& boss : {Boss{"ctrl+b", "Nepturath", "1-nepturath"}, Boss{"ctrl+n", "DarkHulant", "2-darkhulant"},
                             Boss{"ctrl+n", "TheGod", "3-thegod"}})
    {
        const int before = game.countInLog(std::string("Spawning ") + boss.kind);
        game.press(boss.keys);
        ASSERT_TRUE(until([&] { return game.countInLog(std::string("Spawning ") + boss.kind) > before; }, [] {}, 60s))
            << boss.kind << " did not appear:\n"
            << game.log();
        // Walk up from the door toward the arena's middle, where the boss fights.
        std::this_thread::sleep_for(3s);
        game.hold("z");
        std::this_thread::sleep_for(1500ms);
        game.release("z");
        std::this_thread::sleep_for(2s);
        const sf::Image fighting = game.screenshot(shot(boss.file));
        EXPECT_GT(barStripDifference(fighting, first), 4.0) << "no boss bar along the bottom with " << boss.kind;
        EXPECT_EQ(game.countInLog("Fatal"), 0) << game.log();
    }

    // The last boss falls; five seconds later the run is won.
    game.press("ctrl+k");
    const auto fell = std::chrono::steady_clock::now();
    ASSERT_TRUE(until([&] { return game.countInLog("Victory: the ") >= 1; }, [] {}, 60s)) << game.log();
    const double waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - fell).count();
    EXPECT_GE(waited, 4.5) << "the victory came before its five seconds";
    EXPECT_EQ(game.countInLog("Victory: the angelic ending"), 1) << "karma 0 earns the angelic picture";
    std::this_thread::sleep_for(3s);
    game.screenshot(shot("4-victory"));
    EXPECT_EQ(game.countInLog("Fatal"), 0) << game.log();
}
} // namespace
