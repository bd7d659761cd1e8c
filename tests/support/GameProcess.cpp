#include "support/GameProcess.h"

#include <array>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

GameProcess::GameProcess() = default;

GameProcess::~GameProcess()
{
    if (pid_ > 0 && !exited_)
    {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

bool GameProcess::displayAvailable() { return std::getenv("DISPLAY") != nullptr && run("which xdotool import") == 0; }

int GameProcess::run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

std::string GameProcess::output(const std::string& command)
{
    std::string result;
    if (FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r"))
    {
        std::array<char, 256> buffer;
        while (std::fgets(buffer.data(), buffer.size(), pipe))
            result += buffer.data();
        ::pclose(pipe);
    }
    while (!result.empty() && (result.back() == '\n' || result.back() == ' '))
        result.pop_back();
    return result;
}

bool GameProcess::start(const std::string& binary, const std::string& workingDirectory, const std::string& logFile)
{
    logFile_ = logFile;
    pid_ = ::fork();
    if (pid_ == 0)
    {
        if (::chdir(workingDirectory.c_str()) != 0)
            ::_exit(127);
        if (!logFile.empty())
        {
            const int fd = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(fd, STDOUT_FILENO);
            ::dup2(fd, STDERR_FILENO);
        }
        ::setenv("ALSOFT_DRIVERS", "null", 1);
        ::execl(binary.c_str(), binary.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid_ > 0;
}

bool GameProcess::running(int* status)
{
    if (pid_ <= 0 || exited_)
        return false;
    int raw = 0;
    const pid_t done = ::waitpid(pid_, &raw, WNOHANG);
    if (done == 0)
        return true;
    exited_ = true;
    if (status)
        *status = raw;
    return false;
}

bool GameProcess::waitForWindow(std::chrono::seconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline)
    {
        window_ = output("xdotool search --name '^Umbravale$' | head -n 1");
        if (!window_.empty())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return false;
}

void GameProcess::press(const std::string& keys)
{
    // keydown, two frames or more, keyup: a press and release in one frame is easy to miss.
    run("xdotool windowfocus --sync " + window_);
    run("xdotool keydown " + keys);
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    run("xdotool keyup " + keys);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
}

std::string GameProcess::log() const
{
    std::ifstream in(logFile_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int GameProcess::countInLog(const std::string& text) const
{
    const std::string all = log();
    int count = 0;
    for (auto at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
        ++count;
    return count;
}

void GameProcess::hold(const std::string& keys)
{
    run("xdotool windowfocus --sync " + window_);
    run("xdotool keydown " + keys);
}

void GameProcess::release(const std::string& keys) { run("xdotool keyup " + keys); }

void GameProcess::moveMouse(int x, int y)
{
    run("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
}

void GameProcess::click(int x, int y)
{
    moveMouse(x, y);
    run("xdotool mousedown 1");
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
    run("xdotool mouseup 1");
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
}

sf::Image GameProcess::screenshot(const std::string& file)
{
    run("import -window root '" + file + "'");
    sf::Image image;
    image.loadFromFile(file);
    return image;
}

int GameProcess::waitForExit(std::chrono::seconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline)
    {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_)
        {
            exited_ = true;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return -1;
}

double pictureContrast(const sf::Image& image)
{
    const auto size = image.getSize();
    if (size.x == 0 || size.y == 0)
        return 0;
    double sum = 0, squares = 0;
    long n = 0;
    for (unsigned y = 0; y < size.y; y += 4)
        for (unsigned x = 0; x < size.x; x += 4)
        {
            const sf::Color c = image.getPixel(x, y);
            const double luma = 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
            sum += luma;
            squares += luma * luma;
            ++n;
        }
    const double mean = sum / n;
    return std::sqrt(std::max(0.0, squares / n - mean * mean));
}

bool until(const std::function<bool()>& done, const std::function<void()>& act, std::chrono::seconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end)
    {
        if (done())
            return true;
        act();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    return done();
}
