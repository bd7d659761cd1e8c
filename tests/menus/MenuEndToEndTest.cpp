// The real game under the test's X display, driven by xdotool: splash, main menu,
// settings (music volume and language), credits, and Exit.

#include "core/JsonReader.h"
#include "support/GameProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace
{
namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::path kSourceDir = UMBRAVALE_SOURCE_DIR;
const fs::path kSettings = kSourceDir / "Assets/Data/Parameters/GameData.json";

std::string slurp(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Puts the committed settings file back whatever happens in the test.
class SettingsRestorer
{
public:
    SettingsRestorer() : original_(slurp(kSettings)) {}
    ~SettingsRestorer()
    {
        std::ofstream out(kSettings, std::ios::binary | std::ios::trunc);
        out << original_;
    }

private:
    std::string original_;
};

// The game with its output kept in a file: the main menu announces each time it is built.
class LoggedGame
{
public:
    explicit LoggedGame(const fs::path& log) : log_(log)
    {
        pid_ = fork();
        if (pid_ == 0)
        {
            const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(fd, STDOUT_FILENO);
            dup2(fd, STDERR_FILENO);
            setenv("ALSOFT_DRIVERS", "null", 1);
            execl(UMBRAVALE_GAME_BINARY, UMBRAVALE_GAME_BINARY, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~LoggedGame()
    {
        if (running())
        {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    bool running()
    {
        if (exited_)
            return false;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_)
        {
            exited_ = true;
            status_ = status;
            return false;
        }
        return true;
    }
    // The exit code once the process has ended by itself within `timeout`, else -1.
    int waitForExit(std::chrono::milliseconds timeout)
    {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (running() && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(50ms);
        if (running() || !WIFEXITED(status_))
            return -1;
        return WEXITSTATUS(status_);
    }
    // How often the main menu has been built so far (it announces its preparation).
    int menusBuilt() const
    {
        const std::string text = slurp(log_);
        int count = 0;
        for (auto at = text.find("Loading map textures"); at != std::string::npos;
             at = text.find("Loading map textures", at + 1))
            ++count;
        return count;
    }
    std::string log() const { return slurp(log_); }

private:
    fs::path log_;
    pid_t pid_ = -1;
    bool exited_ = false;
    int status_ = 0;
};

void click(int x, int y)
{
    const std::string command =
        "xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " sleep 0.05 click 1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

Json::Value settingsOnDisk()
{
    Json::Value document;
    JsonReader::parseFile(kSettings.string(), document);
    return document;
}

TEST(MenuEndToEnd, OptionsChangeTheSettingsFileCreditsReturnAndExitEndsTheGame)
{
    if (!GameProcess::displayAvailable())
        GTEST_SKIP() << "needs an X display and xdotool";
    SettingsRestorer restorer;
    {
        std::ofstream out(kSettings, std::ios::binary | std::ios::trunc);
        out << R"({"languageSelected": 0, "volumeParameters": {"music": 0.7, "sfx": 0.8, "volume": 1.0}})";
    }
    const fs::path log = fs::temp_directory_path() / "umbravale-e2e.log";
    LoggedGame game(log);

    // Any click skips the splash; the menu announces itself once built.
    ASSERT_TRUE(until([&] { return game.menusBuilt() >= 1; }, [] { click(400, 400); }, 60s))
        << "the main menu never appeared:\n"
        << game.log();

    // Options (on the right column), then the middle of the music bar, until the file
    // holds the new volume. Each click lands on nothing on the other screen, and the
    // bar sets the same value however often it is clicked.
    auto musicChanged = []
    { return std::abs(settingsOnDisk()["volumeParameters"]["music"].asFloat() - 0.501f) < 0.01f; };
    ASSERT_TRUE(until(
        musicChanged,
        []
        {
            click(1500, 590);
            std::this_thread::sleep_for(300ms);
            click(1073, 538);
        },
        30s))
        << "the music volume was not saved";

    // The language tab, then French.
    auto french = [] { return settingsOnDisk()["languageSelected"].asInt() == 1; };
    ASSERT_TRUE(until(
        french,
        []
        {
            click(1050, 255);
            click(990, 665);
        },
        20s))
        << "the language was not saved";

    // Back to the menu with the exit button.
    ASSERT_TRUE(until([&] { return game.menusBuilt() >= 2; }, [] { click(1700, 1000); }, 30s))
        << "the settings screen did not go back to the menu";
    const Json::Value saved = settingsOnDisk();
    EXPECT_EQ(saved["languageSelected"].asInt(), 1);
    EXPECT_NEAR(saved["volumeParameters"]["music"].asFloat(), 0.501f, 0.01f);
    EXPECT_NEAR(saved["volumeParameters"]["sfx"].asFloat(), 0.8f, 1e-4f) << "untouched volumes must stay";

    // Credits (bottom left), and its exit button back; each click lands on nothing
    // on the other screen.
    ASSERT_TRUE(until([&] { return game.menusBuilt() >= 3; },
                      []
                      {
                          click(250, 1000);
                          std::this_thread::sleep_for(400ms);
                          click(1700, 1000);
                      },
                      40s))
        << "the credits did not go back to the menu";

    // Exit closes the window and the game ends normally.
    std::this_thread::sleep_for(500ms);
    click(1500, 860);
    EXPECT_EQ(game.waitForExit(15s), 0) << game.log();
}

// The lines the log writes at its Warning level (and worse), whatever the colours.
std::vector<std::string> warnings(const std::string& log)
{
    std::vector<std::string> found;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);)
        if (line.find("Warning") != std::string::npos || line.find("Error") != std::string::npos)
            found.push_back(line);
    return found;
}

// A player who chose French goes through the menu, the options, the credits, a run
// with its minimap and pause menu, and back to the menu. The screenshots (under
// shots/french/) are there to be looked at; the log must stay free of warnings.
TEST(MenuEndToEnd, InFrenchTheMenusARunAndThePauseMenuPlayWithACleanLog)
{
    if (!GameProcess::displayAvailable())
        GTEST_SKIP() << "needs an X display and xdotool";
    SettingsRestorer restorer;
    {
        std::ofstream out(kSettings, std::ios::binary | std::ios::trunc);
        out << R"({"languageSelected": 1, "volumeParameters": {"music": 0.0, "sfx": 0.0, "volume": 1.0}})";
    }
    const fs::path shots = kSourceDir / "shots" / "french";
    fs::create_directories(shots);
    auto shot = [&](const char* name) { return (shots / (std::string(name) + ".png")).string(); };

    GameProcess game;
    ASSERT_TRUE(game.start(UMBRAVALE_GAME_BINARY, kSourceDir.string(), (shots / "game.log").string()));
    ASSERT_TRUE(game.waitForWindow(30s)) << "no game window appeared";
    auto menus = [&] { return game.countInLog("Loading map textures"); };
    ASSERT_TRUE(until([&] { return menus() >= 1; }, [&] { game.click(400, 400); }, 60s)) << game.log();
    std::this_thread::sleep_for(2s);
    game.screenshot(shot("1-menu"));

    // Options, its language tab, and back.
    game.click(1500, 590);
    std::this_thread::sleep_for(3s);
    game.screenshot(shot("2-options"));
    game.click(1050, 255);
    std::this_thread::sleep_for(1s);
    game.screenshot(shot("3-options-language"));
    ASSERT_TRUE(until([&] { return menus() >= 2; }, [&] { game.click(1700, 1000); }, 30s)) << game.log();
    std::this_thread::sleep_for(2s);

    // The credits, and back.
    game.click(250, 1000);
    std::this_thread::sleep_for(3s);
    game.screenshot(shot("4-credits"));
    ASSERT_TRUE(until([&] { return menus() >= 3; }, [&] { game.click(1700, 1000); }, 30s)) << game.log();
    std::this_thread::sleep_for(2s);

    // A run: god mode at once (the first room's enemies fight), the minimap, the pause menu.
    ASSERT_TRUE(
        until([&] { return game.countInLog("Generated floor with") >= 1; }, [&] { game.click(1500, 455); }, 120s))
        << game.log();
    game.press("KP_Add");
    std::this_thread::sleep_for(4s);
    game.screenshot(shot("5-run"));
    game.press("m");
    std::this_thread::sleep_for(2s);
    game.screenshot(shot("6-minimap"));
    game.press("Escape");
    std::this_thread::sleep_for(1s);
    game.press("Escape");
    std::this_thread::sleep_for(2s);
    game.screenshot(shot("7-pause"));

    // The pause menu's exit goes back to the menu.
    ASSERT_TRUE(until([&] { return menus() >= 4; }, [&] { game.click(952, 610); }, 60s)) << game.log();
    std::this_thread::sleep_for(3s);
    game.screenshot(shot("8-menu-again"));
    EXPECT_EQ(game.countInLog("Player is Dead"), 0) << "the run ended before the tour did";

    const std::vector<std::string> found = warnings(game.log());
    EXPECT_TRUE(found.empty()) << found.size() << " warnings, the first: " << found.front();
    game.click(1500, 860);
    EXPECT_EQ(game.waitForExit(30s), 0) << game.log();
}
} // namespace
