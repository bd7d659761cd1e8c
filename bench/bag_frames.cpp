// What the player's bag and the trade window cost a frame: the run with the bag
// open (still, then with the cursor moving every few frames), then trading at the
// merchant of a shop room, each compared with the reference frame. The goal is the
// run's own: a median at most 3 times the reference.
// Run on a display: xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/bag_frames

#include "ContentRoot.h"
#include "FrameTiming.h"
#include "RunFromMenu.h"
#include "core/Engine.h"
#include "core/FontManager.h"
#include "core/Inventory.h"
#include "core/ItemRegistry.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/Trader.h"
#include "run/BagScreens.h"
#include "run/InGameState.h"
#include "run/Player.h"
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

// The run's frame as the engine runs it: its update, then its drawing; every
// `moveEvery` frames (0: never) one cursor key, cycling right and down.
bench::Compared runFrames(sf::RenderWindow& window, InGameState& run, int moveEvery)
{
    Player* player = run.thePlayer();
    return bench::timedFrames(window, kFrames,
                              [&](int i)
                              {
                                  player->health = 1e6f;
                                  if (moveEvery > 0 && i % moveEvery == 0)
                                      run.handleEvent(keyPress((i / moveEvery) % 4 == 3 ? sf::Keyboard::Down
                                                                                        : sf::Keyboard::Right));
                                  run.update(kFrame);
                                  window.clear(sf::Color(41, 12, 14));
                                  run.draw(window);
                              });
}

void fillBag(Player& player)
{
    int n = 0;
    for (const std::string& name : ItemRegistry::names())
        if (auto item = ItemRegistry::find(name))
            player.inventory->addItem(item, 1 + (n++ % 7));
}

Trader* traderOf(Room& room)
{
    for (Entity* entity : room.entities.members())
        if (auto* trader = dynamic_cast<Trader*>(entity))
            return trader;
    return nullptr;
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
    if (bench::playToFirstFrame(engine, 0) < 0.0)
    {
        std::fprintf(stderr, "the run did not start\n");
        return 1;
    }
    auto* run = dynamic_cast<InGameState*>(engine->currentState);
    if (!run || !run->screens())
    {
        std::fprintf(stderr, "the run did not start\n");
        return 1;
    }
    Player& player = *run->thePlayer();
    fillBag(player);

    bench::reportHeader("screen");

    double worst = 0.0;
    bench::report("run, bag closed", runFrames(window, *run, 0), worst);
    run->handleEvent(keyPress(sf::Keyboard::Tab));
    if (!run->screens()->bagOpen())
    {
        std::fprintf(stderr, "Tab did not open the bag\n");
        return 1;
    }
    bench::report("bag open, still", runFrames(window, *run, 0), worst);
    bench::report("bag open, cursor moving", runFrames(window, *run, 6), worst);
    run->handleEvent(keyPress(sf::Keyboard::Tab));

    Floor* floor = run->floor();
    if (!floor->jumpToRoomOfType(&player, ROOM_SHOP))
    {
        std::fprintf(stderr, "this floor has no shop room\n");
        return 1;
    }
    run->roomChanged();
    run->update(kFrame);
    Trader* trader = traderOf(*run->room());
    if (!trader)
    {
        std::fprintf(stderr, "the shop room has no merchant\n");
        return 1;
    }
    run->startTrading(*trader);
    if (!run->screens()->trading())
    {
        std::fprintf(stderr, "the trade window did not open\n");
        return 1;
    }
    bench::report("trading, still", runFrames(window, *run, 0), worst);
    bench::report("trading, cursor moving", runFrames(window, *run, 6), worst);
    std::printf("worst median ratio %.2f (goal <= 3)\n", worst);
    std::fflush(stdout);
    std::_Exit(0);
}
