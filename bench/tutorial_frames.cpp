// What the tutorial costs a frame, room by room: a page on its parchment over the
// still world, then the room played (the enemies come, the pages that come up are
// read on at once), each compared with the reference frame. The goal is the run's
// own: a median at most 3 times the reference.
// Run on a display: xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/tutorial_frames

#include "ContentRoot.h"
#include "FrameTiming.h"
#include "RunFromMenu.h"
#include "core/Engine.h"
#include "core/FontManager.h"
#include "creatures/Enemy.h"
#include "creatures/EnemyDatabase.h"
#include "menus/MainMenuState.h"
#include "run/Player.h"
#include "run/TutorialState.h"
#include "world/Floor.h"
#include "world/Room.h"

#include <SFML/Graphics.hpp>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
constexpr float kFrame = 1.f / 60.f;
constexpr int kFrames = 240;

sf::Event keyPress(sf::Keyboard::Key key)
{
    sf::Event event{};
    event.type = sf::Event::KeyPressed;
    event.key.code = key;
    return event;
}

// The last page's E would end the tutorial: the pages before it are read on.
void readOn(TutorialState& tutorial)
{
    if (tutorial.steps().reading() && tutorial.pageShown() < TutorialSteps::kPageCount)
        tutorial.handleEvent(keyPress(sf::Keyboard::E));
}

// The tutorial's frame as the engine runs it: its update, then its drawing. While
// `playing`, a page that comes up is read on in the same frame.
bench::Compared tutorialFrames(sf::RenderWindow& window, TutorialState& tutorial, bool playing)
{
    Player* player = tutorial.thePlayer();
    return bench::timedFrames(window, kFrames,
                              [&](int)
                              {
                                  player->health = 1e6f;
                                  if (playing)
                                      readOn(tutorial);
                                  tutorial.update(kFrame);
                                  window.clear(sf::Color(41, 12, 14));
                                  tutorial.draw(window);
                              });
}

} // namespace

int main()
{
    if (!enterContentRoot())
        return 1;
    Engine* engine = Engine::instance();
    sf::RenderWindow& window = *engine->window;
    window.setFramerateLimit(0);
    window.setVerticalSyncEnabled(false);
    FontManager::loadAll();
    EnemyDatabase::loadAll();
    const double seconds = bench::menuToFirstFrame<TutorialState>(engine, MainMenuState::BUTTON_TUTORIAL, 0);
    auto* tutorial = dynamic_cast<TutorialState*>(engine->currentState);
    if (seconds < 0.0 || !tutorial)
    {
        std::fprintf(stderr, "the tutorial did not start\n");
        return 1;
    }
    std::printf("Tutorial click to first frame: %.2f s\n", seconds);

    bench::reportHeader("screen");

    double worst = 0.0;
    for (int room = 0; room < 5; ++room)
    {
        const std::string name = tutorial->room() ? tutorial->room()->name : std::string("?");
        if (tutorial->steps().reading())
            bench::report(name + ", page " + std::to_string(tutorial->pageShown()), tutorialFrames(window, *tutorial, false),
                   worst);
        bench::report(name + ", playing", tutorialFrames(window, *tutorial, true), worst);
        if (room == 4)
            break;
        // On to the next room, as through its top door once the room is won.
        for (Entity* entity : tutorial->room()->entities.members())
            if (auto* enemy = dynamic_cast<Enemy*>(entity))
                enemy->health = 0.f;
        tutorial->floor()->moveToRoom(tutorial->thePlayer(), DOOR_TOP);
        tutorial->update(kFrame);
    }
    std::printf("worst median ratio %.2f (goal <= 3)\n", worst);
    std::fflush(stdout);
    std::_Exit(0);
}
