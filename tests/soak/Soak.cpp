// Drives the real game with random input for a bounded time: keys of every screen
// (menus, the run, pause, settings, the bag, the trader, the editor's shortcut),
// clicks and mouse moves anywhere, and starts the game again whenever it exits on
// its own. Reports crashes (an exit by a signal or with a failure status), freezes
// (no new frame for five seconds) and, every so often, the game's resident memory.
//
//   umbravale_soak GAME CONTENT_ROOT SECONDS [REPORT_EVERY_SECONDS] [SEED]
//
// The game runs in a scratch content root: links to CONTENT_ROOT's pictures and
// sounds, copies of its data and room templates (the settings screen and the editor
// may write those), and the game linked beside them. Exits 1 when it saw a crash or
// a freeze.

#include "support/GameProcess.h"

#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

long residentKilobytes(int pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

unsigned long long heartbeat(const std::string& file)
{
    std::ifstream in(file);
    unsigned long long frames = 0;
    in >> frames;
    return frames;
}

std::string tail(const std::string& text, std::size_t lines)
{
    std::size_t at = text.size();
    for (std::size_t n = 0; n <= lines && at > 0; ++n)
        at = text.rfind('\n', at - 1);
    return at == std::string::npos ? text : text.substr(at + 1);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
    {
        std::fprintf(stderr, "usage: %s GAME WORKING_DIR SECONDS [REPORT_EVERY_SECONDS] [SEED]\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path content = argv[2];
    const auto duration = std::chrono::seconds(std::atoi(argv[3]));
    const auto reportEvery = std::chrono::seconds(argc > 4 ? std::atoi(argv[4]) : 60);
    std::mt19937 dice(argc > 5 ? static_cast<unsigned>(std::atoi(argv[5])) : 1u);

    const std::string scratch = (fs::temp_directory_path() / ("umbravale-soak-" + std::to_string(::getpid()))).string();
    fs::create_directories(fs::path(scratch) / "Assets");
    for (const auto& entry : fs::directory_iterator(content / "Assets"))
    {
        const fs::path target = fs::path(scratch) / "Assets" / entry.path().filename();
        const std::string name = entry.path().filename().string();
        if (name == "Rooms" || name == "Data")
            fs::copy(entry.path(), target, fs::copy_options::recursive);
        else
            fs::create_directory_symlink(entry.path(), target);
    }
    const std::string game = scratch + "/umbravale";
    std::error_code linked;
    fs::create_hard_link(argv[1], game, linked);
    if (linked)
        fs::copy_file(argv[1], game);
    const std::string workingDirectory = scratch;
    const std::string beatFile = scratch + "/heartbeat";
    ::setenv("UMBRAVALE_HEARTBEAT", beatFile.c_str(), 1);

    const std::vector<std::string> keys = {"z",    "q",    "s",         "d",    "w",      "a",       "space",
                                           "e",    "f",    "Tab",       "m",    "Escape", "Return",  "Up",
                                           "Down", "Left", "Right",     "t",    "ctrl+b", "ctrl+F4", "BackSpace",
                                           "1",    "F1",   "Escape+F1", "KP_7", "KP_9",   "KP_8"};
    std::uniform_int_distribution<int> pickKey(0, static_cast<int>(keys.size()) - 1);
    std::uniform_int_distribution<int> x(0, 1919), y(0, 1079), action(0, 9);

    int starts = 0, exits = 0, crashes = 0, freezes = 0;
    long firstRunPeak = 0, peak = 0;
    const auto end = Clock::now() + duration;
    auto nextReport = Clock::now() + reportEvery;
    const auto began = Clock::now();

    while (Clock::now() < end)
    {
        GameProcess process;
        const std::string log = scratch + "/game-" + std::to_string(starts) + ".log";
        std::remove(beatFile.c_str());
        if (!process.start(game, workingDirectory, log) || !process.waitForWindow(std::chrono::seconds(60)))
        {
            std::printf("crash: the game did not open its window (start %d)\n%s\n", starts,
                        tail(process.log(), 20).c_str());
            ++crashes;
            break;
        }
        ++starts;
        unsigned long long lastFrames = 0;
        auto lastProgress = Clock::now();
        long runPeak = 0;
        while (Clock::now() < end)
        {
            int status = 0;
            if (!process.running(&status))
            {
                if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
                    ++exits;
                else
                {
                    ++crashes;
                    std::printf("crash: %s %d\n%s\n", WIFSIGNALED(status) ? "signal" : "exit status",
                                WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status),
                                tail(process.log(), 30).c_str());
                }
                break;
            }
            const unsigned long long frames = heartbeat(beatFile);
            if (frames != lastFrames)
            {
                lastFrames = frames;
                lastProgress = Clock::now();
            }
            else if (Clock::now() - lastProgress > std::chrono::seconds(5) && frames > 0)
            {
                ++freezes;
                std::printf("freeze: no new frame for 5 s after frame %llu\n%s\n", frames,
                            tail(process.log(), 30).c_str());
                break; // the process is killed with this GameProcess
            }
            runPeak = std::max(runPeak, residentKilobytes(process.pid()));
            peak = std::max(peak, runPeak);

            const int what = action(dice);
            if (what < 5)
                process.press(keys[static_cast<std::size_t>(pickKey(dice))]);
            else if (what < 8)
                process.click(x(dice), y(dice));
            else
                process.moveMouse(x(dice), y(dice));
            std::this_thread::sleep_for(std::chrono::milliseconds(60));

            if (Clock::now() >= nextReport)
            {
                nextReport += reportEvery;
                const auto minutes =
                    std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - began).count() / 60.0;
                std::printf("%.1f min: resident %ld kB (peak %ld kB), %d starts, %d exits, %d crashes, %d freezes\n",
                            minutes, residentKilobytes(process.pid()), peak, starts, exits, crashes, freezes);
                std::fflush(stdout);
            }
        }
        if (starts == 1)
            firstRunPeak = runPeak;
    }
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
    std::printf("soak: %d starts, %d clean exits, %d crashes, %d freezes, peak resident %ld kB (first run %ld kB)\n",
                starts, exits, crashes, freezes, peak, firstRunPeak);
    std::printf("%d passed, %d failed\n", crashes + freezes == 0 ? 1 : 0, crashes + freezes == 0 ? 0 : 1);
    return crashes + freezes == 0 ? 0 : 1;
}
