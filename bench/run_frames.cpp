// What a run costs the player: the wait from pressing Play to the run's first frame
// (with one loader thread and with one per hardware thread), the frame time while
// the player walks through rooms of each floor with the HUD drawn (and the second
// floor's light layer) and the room's spawned enemies fighting the player, with their
// projectiles and hazards in flight, compared with a reference frame (clear and one full-window
// textured sprite) timed after each of them, and the peak resident memory of the whole session. Each floor's
// boss room is timed with its boss fighting (the second boss in its feather barrage).
// Run on a display: xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/run_frames

#include "ContentRoot.h"
#include "FrameTiming.h"
#include "RunFromMenu.h"
#include "core/Engine.h"
#include "core/FontManager.h"
#include "core/GameSettings.h"
#include "core/LoadingScreen.h"
#include "core/Platform.h"
#include "core/TextureManager.h"
#include "creatures/Enemy.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/ItemEntity.h"
#include "menus/MainMenuState.h"
#include "menus/MenuGroups.h"
#include "run/InGameState.h"
#include "run/Player.h"
#include "world/Floor.h"
#include "world/Graph.h"
#include "world/OrientedNode.h"
#include "world/Room.h"

#include <SFML/Graphics.hpp>
#include <SFML/OpenGL.hpp>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace
{
constexpr float kFrame = 1.f / 60.f;
constexpr int kFramesPerRoom = 120;

double playToFirstFrame(Engine* engine, unsigned threads)
{
    return bench::playToFirstFrame(engine, threads);
}

struct Crowd
{
    int enemies = 0;
    double missiles = 0.0; // projectiles and hazards in flight, on average
};

// The player walks from where it entered toward the room's middle and back, among
// the room's enemies, which fight it; it cannot die here.
bench::Compared walkThroughRoom(sf::RenderWindow& window, InGameState& run, Crowd& crowd)
{
    Room* room = run.room();
    Player* player = run.thePlayer();
    crowd = Crowd{};
    long missileFrames = 0;
    // Five seconds of the fight before the timing starts, so the enemies have closed
    // in and their first rocks, bolts and brambles are out.
    player->health = 1e6f;
    // A boss takes longer to get going (its entrance, a flight to its perch): fifteen
    // seconds, so that the second boss's barrage is in the air with its owls and feathers.
    const int warmUp = room->type == ROOM_BOSS ? 900 : 300;
    for (int i = 0; i < warmUp; ++i)
    {
        player->health = 1e6f;
        run.update(kFrame);
    }
    const sf::Vector2f entry = player->getPosition();
    const sf::Vector2f middle = room->position + sf::Vector2f(room->pictureSize()) * 0.25f;
    bench::PairedTiming timing;
    for (int i = 0; i < kFramesPerRoom + 10; ++i)
    {
        const float t = 0.5f - 0.5f * std::cos(static_cast<float>(i) / kFramesPerRoom * 6.2831853f);
        player->setPosition(entry + (middle - entry) * t);
        player->state = Player::WALKING;
        player->health = 1e6f;
        timing.frame(
            window,
            [&]
            {
                run.update(kFrame);
                window.clear(sf::Color(41, 12, 14));
                run.draw(window);
            },
            i >= 10);
        int enemies = 0;
        for (Entity* entity : run.room()->entities.members())
        {
            if (dynamic_cast<Enemy*>(entity))
                ++enemies;
            else if (entity != player && !dynamic_cast<ItemEntity*>(entity))
                ++missileFrames;
        }
        crowd.enemies = std::max(crowd.enemies, enemies);
    }
    crowd.missiles = static_cast<double>(missileFrames) / (kFramesPerRoom + 10);
    return timing.figures();
}

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
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
    // The second boss always chooses its feather barrage here, the heaviest of its
    // fights: four owls and the feathers in flight.
    EnemyRecords records = EnemyDatabase::records();
    records.darkHulant.attack1.prob = 0;
    records.darkHulant.attack2.prob = 100;
    records.darkHulant.attackDelay = 0.5f;
    EnemyDatabase::setRecords(records);

    const unsigned all = std::max(1u, std::thread::hardware_concurrency());
    const double oneThread = playToFirstFrame(engine, 1);
    const double allThreads = playToFirstFrame(engine, all);
    std::printf("Play to first frame: %.2f s with 1 loader thread, %.2f s with %u\n", oneThread, allThreads, all);

    auto* run = dynamic_cast<InGameState*>(engine->currentState);
    if (!run)
    {
        std::fprintf(stderr, "the run did not start\n");
        return 1;
    }
    std::printf("%-12s %-6s %10s %10s %10s %8s %8s %8s %9s\n", "room", "floor", "median ms", "p95 ms", "ref ms",
                "median x", "p95 x", "enemies", "missiles");

    double worst = 0.0;
    for (int floorIndex = 0; floorIndex < 3; ++floorIndex)
    {
        Floor* floor = run->floor();
        floor->floorIndex = floorIndex;
        floor->generateFloor(run->thePlayer());
        run->roomChanged();
        for (int step = 0; step < 3; ++step)
        {
            if (step == 1)
            {
                // Through the first door that leads on.
                for (const Door& door : run->room()->doors)
                    if (door.target)
                    {
                        floor->moveToRoom(run->thePlayer(), door.direction);
                        break;
                    }
            }
            else if (step == 2)
                floor->jumpToBoss(run->thePlayer());
            run->roomChanged();
            Crowd crowd;
            const bench::Compared c = walkThroughRoom(window, *run, crowd);
            worst = std::max(worst, c.medianRatio());
            std::printf("%-12s %-6d %10.2f %10.2f %10.2f %8.2f %8.2f %8d %9.1f\n", run->room()->name.c_str(), floorIndex,
                        c.frames.median, c.frames.p95, c.reference.median, c.medianRatio(), c.p95Ratio(),
                        crowd.enemies, crowd.missiles);
        }
    }
    std::printf("worst median ratio %.2f (goal <= 3 with enemies fighting)\n", worst);
    std::printf("peak resident memory: %.1f MiB\n", static_cast<double>(peakResidentKiB()) / 1024.0);
    std::fflush(stdout);
    std::_Exit(0);
}
