// A fight in the real game under the test's X display, driven by xdotool: Play on a
// fixed seed (its first room holds a Zeyn, which comes to the player), swings all
// round until an enemy dies, E twice with the pointer right of its soul to kill the
// soul, F over its loot, then the bag with Tab, where the loot now lies.

#include "support/GameProcess.h"
#include "support/RunDriving.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

namespace
{
namespace fs = std::filesystem;
using namespace std::chrono_literals;
using rundriving::difference;

const fs::path kShots = fs::temp_directory_path() / "umbravale-shots";

// A slot of the bag's panel (1920 × 1080), by column of the first row.
sf::IntRect bagSlot(int column)
{
    const int x = 591 + column * 173;
    return {x - 50, 435 - 50, 100, 100};
}

TEST(FightEndToEnd, SwingUntilAnEnemyDiesKillItsSoulPickUpItsLootAndFindItInTheBag)
{
    if (!GameProcess::displayAvailable())
        GTEST_SKIP() << "needs an X display and xdotool";
    fs::create_directories(kShots);
    auto shot = [](const char* name) { return (kShots / (std::string("fight-") + name + ".png")).string(); };

    ::setenv("UMBRAVALE_SEED", "4", 1);
    GameProcess game;
    const bool started = game.start(UMBRAVALE_GAME_BINARY, UMBRAVALE_SOURCE_DIR, (kShots / "fight.log").string());
    ::unsetenv("UMBRAVALE_SEED");
    ASSERT_TRUE(started);
    ASSERT_TRUE(game.waitForWindow(30s)) << "no game window appeared";
    rundriving::startRun(game);
    ASSERT_EQ(game.countInLog("Run seed: 4"), 1) << game.log();
    ASSERT_GE(game.countInLog("Spawning Zeyn"), 1) << "the seed's first room changed:\n" << game.log();
    // God mode (numpad Add): the player must outlast the room's archers while it waits
    // for the swordsman, and strike it down in one blow.
    game.press("KP_Add");
    std::this_thread::sleep_for(2s);

    int swing = 0;
    const bool settled = until(
        [&] { return game.countInLog("the soul of") > 0; },
        [&]
        {
            const double angle = swing * 3.14159265 / 4.0;
            game.click(960 + static_cast<int>(250 * std::cos(angle)), 540 + static_cast<int>(250 * std::sin(angle)));
            if (++swing % 8 == 0)
            {
                // A small step round a square, so that the player comes within reach of
                // a soul that fell a little away, then E twice far right of it: the
                // choice opens and kills the soul.
                const char* steps[] = {"z", "d", "s", "q"};
                game.hold(steps[(swing / 8) % 4]);
                std::this_thread::sleep_for(150ms);
                game.release(steps[(swing / 8) % 4]);
                game.moveMouse(1900, 540);
                game.press("e");
                game.press("e");
            }
        },
        120s);
    game.screenshot(shot("1-after-the-fight"));
    ASSERT_TRUE(settled) << "no enemy died and had its soul settled:\n" << game.log();
    EXPECT_GE(game.countInLog("Killed the soul of"), 1) << game.log();

    // The soul dropped its loot round where the enemy fell, beside the player.
    const sf::Image before = game.screenshot(shot("2-loot"));
    for (int i = 0; i < 4; ++i)
        game.press("f");
    game.press("Tab");
    const sf::Image bag = game.screenshot(shot("3-bag"));
    EXPECT_GT(difference(bag, before), 10.0) << "Tab did not open the bag";
    // The cursor opens on the first slot, which now holds what was picked up; three
    // slots on, under the same cursor, lies an empty one, and two empty slots look alike.
    for (int i = 0; i < 3; ++i)
        game.press("Right");
    const sf::Image moved = game.screenshot(shot("3b-bag-cursor-moved"));
    using rundriving::patchDifference;
    EXPECT_LT(patchDifference(moved, bagSlot(2), moved, bagSlot(4)), 4.0) << "the bag's slots are not where expected";
    EXPECT_GT(patchDifference(bag, bagSlot(0), moved, bagSlot(3)), 10.0) << "F picked nothing up";
    game.press("Tab");
    const sf::Image closed = game.screenshot(shot("4-bag-closed"));
    EXPECT_GT(difference(closed, moved), 10.0) << "Tab did not close the bag";
    EXPECT_EQ(game.countInLog("Fatal"), 0) << game.log();
}
} // namespace
