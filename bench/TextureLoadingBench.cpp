// Loads the whole generated texture set through the loading screen's threads, once
// with one loader thread and once with one per hardware thread, and prints both
// wall times and their ratio.

#include "ContentCatalog.h"
#include "ContentRoot.h"
#include "core/GameState.h"
#include "core/LoadingScreen.h"
#include "core/Platform.h"
#include "core/TextureManager.h"

#include <SFML/Window/Context.hpp>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

namespace
{
class BenchLoading : public LoadingScreen
{
public:
    using LoadingScreen::LoadingScreen;
    bool done() const { return !loading() && loadedCount() == totalCount(); }

protected:
    void handOver() override {}
};

GroupList everyGroup()
{
    GroupList groups;
    for (auto& named : ContentCatalog::textureGroups())
        groups.push_back(std::move(named.group));
    return groups;
}

double loadEverything(unsigned threads, std::size_t* keys)
{
    TextureManager::clear();
    LoadingScreen::setThreadCountOverride(threads);
    const auto start = std::chrono::steady_clock::now();
    BenchLoading screen("Loading...", everyGroup());
    while (!screen.done())
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    *keys = screen.totalCount();
    return seconds;
}
} // namespace

int main()
{
    if (!enterContentRoot())
        return 1;
    sf::Context context; // textures need a GL context on this thread too

    const unsigned hardware = std::max(1u, std::thread::hardware_concurrency());
    std::size_t keys = 0;
    loadEverything(hardware, &keys); // warm the file cache
    const double single = loadEverything(1, &keys);
    const double parallel = loadEverything(hardware, &keys);
    std::printf("textures: %zu\n", keys);
    std::printf("1 thread:   %.3f s\n", single);
    std::printf("%u threads: %.3f s\n", hardware, parallel);
    std::printf("ratio (1 thread / %u threads): %.2f\n", hardware, single / parallel);
    std::fflush(stdout);
    std::_Exit(0); // detached loader threads have finished; skip static teardown of GL objects
}
