#pragma once

#include <string>

// The tutorial's progress, apart from its screen: which of its eighteen steps the
// player is at (odd steps show a page and freeze the world, even steps are played
// until their goal is met), which page and which key reminder go with it, and the
// pause chord. The screen feeds it what the room shows each frame and the keys the
// player presses.
class TutorialSteps
{
public:
    static constexpr int kPageCount = 9;
    // The step of the last page: E there ends the tutorial.
    static constexpr int kLastStep = 2 * kPageCount - 1;

    // What the goals look at, read from the live room each frame.
    struct Goals
    {
        bool enemyWithinReach = false; // an enemy stands within 500 px of the player
        bool enemyDown = false;        // an enemy of the room has no health left
        bool itemLying = false;        // loot lies in the room
        bool enemyPresent = false;     // any enemy, alive or dead, is still in the room
        int roomType = 0;
        float playerY = 0.f;
    };

    // The key reminders shown while playing.
    enum Help
    {
        HELP_START,
        HELP_START_AGAIN, // after going back from the first playing step
        HELP_FIGHT,
        HELP_SOUL,
        HELP_LOOT,
        HELP_REPLAY,
        HELP_TRADE,
        HELP_LAST_DOOR,
        HELP_COUNT
    };

    int step() const { return step_; }
    bool reading() const { return step_ % 2 == 1; }
    // The even steps with a goal, where the player moves and the zoom keys act.
    bool playing() const { return step_ % 2 == 0 && step_ >= 2 && step_ <= kLastStep + 1; }
    // The page of the current step: the one shown at an odd step, the next one at an
    // even step. Always step / 2 + 1, whatever way the step was reached.
    int page() const;
    Help help() const { return help_; }
    // The reminder in a language (0 English, 1 French; any other value gives English).
    const std::string& helpText(unsigned language) const { return helpText(help_, language); }
    static const std::string& helpText(Help help, unsigned language);

    // The goal of the current even step, tested once a frame. True when the step moved on.
    bool testGoal(const Goals& goals);
    // E at an odd step: on to the following even step, with its reminder. True when
    // the tutorial is over (E at the last page); nothing changes at an even step.
    bool readOn();
    // T at a playing step: back to the page last read. False (nothing done) elsewhere.
    bool goBack();

    // The pause chord (Escape with F1), given the two keys' state at an event. True
    // once per press of the chord: held with key repeats and mouse moves, it toggles
    // the pause only once.
    bool chordPressed(bool escapeHeld, bool f1Held);

    static constexpr float kReachSquared = 500.f * 500.f;
    static constexpr float kLastDoorY = 800.f;

private:
    int step_ = 0;
    Help help_ = HELP_START;
    bool chordDown_ = false;
};
