#include "Game.h"
#include "core/Engine.h"
#include "core/GuiBinding.h"
#include "core/Logger.h"
#include "core/Platform.h"
#include "core/RunSeed.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace
{
// Detached loader threads may still be running: leave without static destructors.
[[noreturn]] void fail(const std::string& message)
{
    Logger::Error(message);
    std::cout.flush();
    std::fflush(nullptr);
    std::_Exit(1);
}
} // namespace

int main(int argc, char** argv)
{
    const auto exeDir = Platform::executableDirectory();
    const auto root = Platform::findContentRoot(exeDir);
    if (!root)
        fail("No Assets folder found beside " + exeDir.string() + " or above it");
    std::filesystem::current_path(*root);

    try
    {
        // The one seeding of the random generator for the whole run of the program.
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        const char* environment = std::getenv("UMBRAVALE_SEED");
        RunSeed::apply(RunSeed::choose(arguments, environment, static_cast<unsigned>(std::time(nullptr))),
                       RunSeed::given(arguments, environment));
        Game::start(*root);
        Engine* engine = Engine::instance();
        while (engine->window->isOpen())
            engine->runFrame();
        GuiBinding::shutdown();
    }
    catch (const std::exception& error)
    {
        fail(std::string("Fatal error: ") + error.what());
    }
    catch (...)
    {
        fail("Fatal error of unknown type");
    }
    return 0;
}
