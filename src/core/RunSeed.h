#pragma once

#include <string>
#include <vector>

// The seeds of the random generator. The program's is chosen once at start: "--seed N"
// (or "--seed=N") on the command line, else the UMBRAVALE_SEED variable, else the
// time. Each run then seeds the generator afresh: with the given seed when there is
// one, else with a draw from the program's, so that whatever the menus drew before,
// the same run seed gives the same floors, rooms, enemies and drops. A player reports
// the run's seed (logged, and shown in the pause menu); "--seed" replays it.
class RunSeed
{
public:
    // The seed to use. A value that is not a whole number from 0 to 4294967295 is
    // warned about and the time seed is used instead.
    static unsigned choose(const std::vector<std::string>& arguments, const char* environment, unsigned timeSeed);
    // Seeds rand() with the program's seed and logs it; `given` says whether it came
    // from the command line or the environment.
    static void apply(unsigned seed, bool given);
    // Seeds rand() for a new run, logs and returns the run's seed.
    static unsigned startRun();
    // The seed of the run started last (0 before any).
    static unsigned ofRun();
    // True when the program's seed was given rather than taken from the time.
    static bool given(const std::vector<std::string>& arguments, const char* environment);
};
