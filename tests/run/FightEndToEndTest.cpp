// A fight in the real game under the test's X display, driven by xdotool: Play on a
// fixed seed (its first room holds Zeyns, which come to the player), swings all
// round until an enemy dies, E twice with the pointer right of its soul to kill the
// soul, until a soul drops loot; F over the loot, then the bag with Tab, where the
// loot now lies.

#include "support/GameProcess.h"
#include "support/RunDriving.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
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

    // Whether a kill drops anything is the game's own chance, and which draws a run
    // makes follows its frame times, so a soul may leave nothing behind: swing on
    // through the room's enemies until one drops something, on a fresh game (at most
    // three) when none of them does.
    std::unique_ptr<GameProcess> process;
    bool dropped = false;
    for (int attempt = 0; attempt < 3 && !dropped; ++attempt)
    {
        process = std::make_unique<GameProcess>();
        ::setenv("UMBRAVALE_SEED", "4", 1);
        const bool started =
            process->start(UMBRAVALE_GAME_BINARY, UMBRAVALE_SOURCE_DIR, (kShots / "fight.log").string());
        ::unsetenv("UMBRAVALE_SEED");
        ASSERT_TRUE(started);
        ASSERT_TRUE(process->waitForWindow(30s)) << "no game window appeared";
        rundriving::startRun(*process);
        if (HasFatalFailure())
            return;
        GameProcess& game = *process;
        ASSERT_EQ(game.countInLog("Run seed: 4"), 1) << game.log();
        ASSERT_GE(game.countInLog("Spawning Zeyn"), 1) << "the seed's first room changed:\n" << game.log();
        // God mode (numpad Add): the player must outlast the room's archers while it
        // waits for the swordsmen, and strike them down in one blow.
        game.press("KP_Add");
        std::this_thread::sleep_for(2s);

        int swing = 0;
        dropped = until(
            [&] { return game.countInLog("Dropped ") > 0; },
            [&]
            {
                const double angle = swing * 3.14159265 / 4.0;
                game.click(960 + static_cast<int>(250 * std::cos(angle)), 540 + static_cast<int>(250 * std::sin(angle)));
                if (++swing % 8 == 0)
                {
                    // A small step round a square, so that the player comes within reach
                    // of a soul that fell a little away, then E twice far right of it:
                    // the choice opens and kills the soul.
                    const char* steps[] = {"z", "d", "s", "q"};
                    game.hold(steps[(swing / 8) % 4]);
                    std::this_thread::sleep_for(150ms);
                    game.release(steps[(swing / 8) % 4]);
                    game.moveMouse(1900, 540);
                    game.press("e");
                    game.press("e");
                }
            },
            100s);
        game.screenshot(shot("1-after-the-fight"));
        EXPECT_GE(game.countInLog("Killed the soul of"), dropped ? 1 : 0) << game.log();
    }
    ASSERT_TRUE(dropped) << "no settled soul dropped anything in three games:\n" << process->log();
    GameProcess& game = *process;

    // The loot lies round where the enemy fell, near the player but not always within
    // reach: F, and if nothing came, a short step along a widening square and F again.
    const sf::Image before = game.screenshot(shot("2-loot"));
    const char* steps[] = {"z", "d", "s", "q"};
    int leg = 0;
    int stepsLeft = 1;
    for (int tries = 0; tries < 40 && game.countInLog("Picked up ") == 0; ++tries)
    {
        game.press("f");
        if (game.countInLog("Picked up ") > 0)
            break;
        game.hold(steps[leg % 4]);
        std::this_thread::sleep_for(100ms);
        game.release(steps[leg % 4]);
        if (--stepsLeft == 0)
            stepsLeft = ++leg / 2 + 1;
    }
    ASSERT_GE(game.countInLog("Picked up "), 1) << "F never picked the loot up:\n" << game.log();
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
