// The tutorial in the real game under the test's X display, driven by xdotool: from
// the main menu's Tutorial button through the nine pages and the five rooms back to
// the menu, in English, then its first page again in French. The game is started
// with its tutorial assistance (F9 moves the player to what the goal needs), so the
// fights do not depend on aiming under a slow software renderer; the walk up to the
// first enemy, the soul choice and the doors are played with the real keys.

#include "support/GameProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace
{
namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::path kShots = fs::temp_directory_path() / "umbravale-shots";
const fs::path kSettings = fs::path(UMBRAVALE_SOURCE_DIR) / "Assets/Data/Parameters/GameData.json";

std::string slurp(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeLanguage(int language)
{
    std::ofstream(kSettings, std::ios::binary | std::ios::trunc)
        << R"({"languageSelected": )" << language
        << R"(, "volumeParameters": {"music": 0.0, "sfx": 0.0, "volume": 0.0}})";
}

// Puts the committed settings file back whatever happens in the test.
class SettingsRestorer
{
public:
    SettingsRestorer() : original_(slurp(kSettings)) {}
    ~SettingsRestorer() { std::ofstream(kSettings, std::ios::binary | std::ios::trunc) << original_; }

private:
    std::string original_;
};

std::string pageLine(int page)
{
    // Nine pages: "page 1" never matches another page's line.
    return "Tutorial page " + std::to_string(page);
}

// The parchment is pale against the dark rooms: its middle is bright when a page shows.
double parchmentBrightness(const sf::Image& image)
{
    if (image.getSize().x < 1920)
        return 0.0;
    double sum = 0;
    long n = 0;
    for (unsigned y = 300; y < 800; y += 10)
        for (unsigned x = 500; x < 1420; x += 10)
        {
            const sf::Color c = image.getPixel(x, y);
            sum += 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
            ++n;
        }
    return sum / n;
}

class TutorialRun
{
public:
    explicit TutorialRun(GameProcess& game) : game_(game) {}

    // Waits for page `page` to be logged for the `times`-th time, then for it to show.
    bool waitForPage(int page, int times, const std::string& shot)
    {
        if (!until([&] { return game_.countInLog(pageLine(page)) >= times; }, [] {}, 60s))
            return false;
        const auto end = std::chrono::steady_clock::now() + 20s;
        sf::Image image = game_.screenshot(shot);
        while (parchmentBrightness(image) < 90.0 && std::chrono::steady_clock::now() < end)
        {
            std::this_thread::sleep_for(300ms);
            image = game_.screenshot(shot);
        }
        return parchmentBrightness(image) >= 90.0;
    }

    // Presses `keys` until page `page` comes up (each press is harmless once it has).
    bool pressUntilPage(int page, const std::string& keys, std::chrono::seconds timeout = 60s)
    {
        return until([&] { return game_.countInLog(pageLine(page)) >= 1; }, [&] { game_.press(keys); }, timeout);
    }

private:
    GameProcess& game_;
};

TEST(TutorialEndToEnd, FromTheMenuThroughTheNinePagesAndBackThenInFrench)
{
    if (!GameProcess::displayAvailable())
        GTEST_SKIP() << "needs an X display and xdotool";
    SettingsRestorer restorer;
    writeLanguage(0);
    fs::create_directories(kShots);
    auto shot = [](const std::string& name) { return (kShots / ("tutorial-" + name + ".png")).string(); };

    ::setenv("UMBRAVALE_TUTORIAL_ASSIST", "1", 1);
    GameProcess game;
    const bool started = game.start(UMBRAVALE_GAME_BINARY, UMBRAVALE_SOURCE_DIR, (kShots / "tutorial-e2e.log").string());
    ::unsetenv("UMBRAVALE_TUTORIAL_ASSIST");
    ASSERT_TRUE(started);
    ASSERT_TRUE(game.waitForWindow(30s)) << "no game window appeared";
    ASSERT_TRUE(until([&] { return game.countInLog("Loading map textures") >= 1; }, [&] { game.click(400, 400); },
                      60s))
        << "the main menu never appeared:\n"
        << game.log();

    // The Tutorial button (right column, under Options); a click during the loading
    // screen lands on nothing.
    ASSERT_TRUE(until([&] { return game.countInLog(pageLine(1)) >= 1 || game.countInLog("Fatal") > 0; },
                      [&] { game.click(1500, 725); }, 120s))
        << "the Tutorial button did not start the tutorial:\n"
        << game.log();
    ASSERT_EQ(game.countInLog("Fatal"), 0) << game.log();
    TutorialRun tutorial(game);
    ASSERT_TRUE(tutorial.waitForPage(1, 1, shot("en-1"))) << "page 1 did not show";

    // Page 1: walk up to the enemy, in god mode so that no fight ends the walk.
    game.press("e");
    std::this_thread::sleep_for(500ms);
    game.press("KP_Add");
    ASSERT_TRUE(until([&] { return game.countInLog(pageLine(2)) >= 1; },
                      [&]
                      {
                          game.hold("z");
                          std::this_thread::sleep_for(400ms);
                          game.release("z");
                      },
                      60s))
        << "walking up to the enemy did not bring page 2:\n"
        << game.log();
    ASSERT_TRUE(tutorial.waitForPage(2, 1, shot("en-2")));

    // Page 2: strike an enemy down.
    game.press("e");
    ASSERT_TRUE(tutorial.pressUntilPage(3, "F9")) << "no page 3 after a kill:\n" << game.log();
    ASSERT_TRUE(tutorial.waitForPage(3, 1, shot("en-3")));

    // Page 3: settle its soul with E and the mouse (right: kill).
    game.press("e");
    ASSERT_TRUE(until([&] { return game.countInLog(pageLine(4)) >= 1; },
                      [&]
                      {
                          game.press("F9");
                          game.moveMouse(1400, 540);
                          game.press("e");
                          std::this_thread::sleep_for(300ms);
                          game.moveMouse(1400, 540);
                          game.press("e");
                      },
                      90s))
        << "settling the soul did not bring page 4:\n"
        << game.log();
    ASSERT_TRUE(tutorial.waitForPage(4, 1, shot("en-4")));

    // Pages 4 to 8: on through the rooms (F9 clears the way and leads to the exit,
    // E opens the door); page 6 asks for one kill in the elite room first.
    auto onward = [&] {
        game.press("F9");
        std::this_thread::sleep_for(200ms);
        game.press("e");
    };
    for (int page = 5; page <= 9; ++page)
    {
        game.press("e");
        std::this_thread::sleep_for(300ms);
        // Pages 7 and 9 come with F9 alone (a kill, the climb to the last door): an E
        // after it would already read them on.
        if (page == 7 || page == 9)
        {
            if (page == 9)
                writeLanguage(1); // the menu the last page returns to reads it
            ASSERT_TRUE(tutorial.pressUntilPage(page, "F9")) << game.log();
        }
        else
            ASSERT_TRUE(until([&] { return game.countInLog(pageLine(page)) >= 1; }, onward, 120s))
                << "page " << page << " never came:\n"
                << game.log();
        ASSERT_TRUE(tutorial.waitForPage(page, 1, shot("en-" + std::to_string(page))))
            << "page " << page << " did not show";
    }

    // E on the last page: back to the main menu.
    ASSERT_TRUE(until([&] { return game.countInLog("Loading map textures") >= 2; }, [&] { game.press("e"); }, 60s))
        << "the last page did not return to the menu:\n"
        << game.log();
    ASSERT_EQ(game.countInLog("Fatal"), 0) << game.log();

    // The tutorial again, in French now.
    ASSERT_TRUE(until([&] { return game.countInLog(pageLine(1)) >= 2; }, [&] { game.click(1500, 725); }, 120s))
        << "the tutorial did not start again:\n"
        << game.log();
    ASSERT_TRUE(tutorial.waitForPage(1, 2, shot("fr-1"))) << "the French page 1 did not show";
    game.press("e");
    std::this_thread::sleep_for(1500ms);
    game.screenshot(shot("fr-help"));
    EXPECT_TRUE(game.running()) << game.log();
}

} // namespace
