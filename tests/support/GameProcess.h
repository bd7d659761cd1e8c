#pragma once

#include <SFML/Graphics/Image.hpp>

#include <chrono>
#include <functional>
#include <string>

// Drives the real game binary on the test's X display: starts it, finds its
// window, sends keys and clicks with xdotool, takes screenshots, waits for its exit.
class GameProcess
{
public:
    GameProcess();
    ~GameProcess(); // kills the game if it is still running

    static bool displayAvailable();

    // With a log file, the game's standard output and error go there (see log()).
    bool start(const std::string& binary, const std::string& workingDirectory, const std::string& logFile = "");
    // What the game has written to its log file so far.
    std::string log() const;
    // How often `text` occurs in the log so far.
    int countInLog(const std::string& text) const;
    // Waits for the "Umbravale" window; returns false on timeout.
    bool waitForWindow(std::chrono::seconds timeout);
    // Holds the keys down (in order) for a few frames, then releases them (in reverse).
    void press(const std::string& keys);
    // Keys polled once a frame (not read from events) must stay down for a whole frame,
    // however slow the frame: hold them until release().
    void hold(const std::string& keys);
    void release(const std::string& keys);
    void click(int x, int y);
    void moveMouse(int x, int y);
    sf::Image screenshot(const std::string& file);
    // Waits for the process to end; returns its exit status, or -1 on timeout or signal.
    int waitForExit(std::chrono::seconds timeout);
    // True while the game runs; once it has ended, `status` tells how (the raw
    // waitpid status).
    bool running(int* status = nullptr);
    int pid() const { return pid_; }

    static int run(const std::string& command);
    static std::string output(const std::string& command);

private:
    int pid_ = -1;
    bool exited_ = false;
    std::string window_;
    std::string logFile_;
};

// Spread of the pixel values: a blank (single-colour) picture scores 0.
double pictureContrast(const sf::Image& image);

// Repeats `act` (clicks or keys that are harmless wherever they land) every 300 ms
// until `done` holds or the time is up; tells whether it held.
bool until(const std::function<bool()>& done, const std::function<void()>& act, std::chrono::seconds timeout);
