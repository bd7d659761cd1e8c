#include "core/RunSeed.h"

#include "core/Logger.h"

#include <cstdlib>
#include <optional>

namespace
{
unsigned programSeed = 0;
bool programSeedGiven = false;
unsigned runSeed = 0;

std::optional<unsigned> parse(const std::string& text)
{
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const unsigned long long value = std::stoull(text);
    if (value > 4294967295ull)
        return std::nullopt;
    return static_cast<unsigned>(value);
}

// The seed given to the program, if any: the command line wins over the environment.
std::optional<std::string> givenText(const std::vector<std::string>& arguments, const char* environment)
{
    for (std::size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& argument = arguments[i];
        if (argument == "--seed")
            return i + 1 < arguments.size() ? arguments[i + 1] : std::string();
        if (argument.rfind("--seed=", 0) == 0)
            return argument.substr(7);
    }
    if (environment)
        return std::string(environment);
    return std::nullopt;
}
} // namespace

unsigned RunSeed::choose(const std::vector<std::string>& arguments, const char* environment, unsigned timeSeed)
{
    const std::optional<std::string> text = givenText(arguments, environment);
    if (!text)
        return timeSeed;
    if (const std::optional<unsigned> seed = parse(*text))
        return *seed;
    Logger::Warning("The seed \"" + *text + "\" is not a whole number: using the time");
    return timeSeed;
}

bool RunSeed::given(const std::vector<std::string>& arguments, const char* environment)
{
    const std::optional<std::string> text = givenText(arguments, environment);
    return text && parse(*text);
}

void RunSeed::apply(unsigned seed, bool given)
{
    programSeed = seed;
    programSeedGiven = given;
    std::srand(seed);
    Logger::Info("Seed: " + std::to_string(seed));
}

unsigned RunSeed::startRun()
{
    runSeed = programSeedGiven ? programSeed : static_cast<unsigned>(std::rand());
    std::srand(runSeed);
    Logger::Info("Run seed: " + std::to_string(runSeed));
    return runSeed;
}

unsigned RunSeed::ofRun()
{
    return runSeed;
}
