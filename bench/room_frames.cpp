// Draws every room of every floor for a few hundred frames with the camera sweeping
// over it, and prints per room the median and 95th-percentile frame times and
// their ratio to a reference frame (clear + one full-window textured sprite)
// measured in the same run, its frames alternating with the room's. Run on an X display:
//   xvfb-run -a build/bench/room_frames [frames per room] [room name prefix]

#include "ContentRoot.h"
#include "core/Camera.h"
#include "core/Logger.h"
#include "core/Platform.h"
#include "core/RoomNameRegistry.h"
#include "core/TextureManager.h"
#include "creatures/Entity.h"
#include "menus/PreparedSets.h"
#include "world/Floor.h"
#include "world/PropRegistry.h"
#include "world/Room.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/OpenGL.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace
{
int frameCount = 300;
constexpr int kWarmUp = 10;

// Loads every texture of the group whose file is painted; the rest stay missing.
std::size_t loadPainted(const TextureManager::Group& group)
{
    std::size_t loaded = 0;
    for (const auto& [key, path] : group.flatten())
        if (std::filesystem::exists(path))
        {
            TextureManager::loadTexture(key, path);
            ++loaded;
        }
    return loaded;
}

struct Figures
{
    double median;
    double p95;
};

double timeFrame(sf::RenderWindow& window, const std::function<void()>& drawFrame)
{
    const auto start = std::chrono::steady_clock::now();
    window.clear(sf::Color(41, 12, 14));
    drawFrame();
    window.display();
    glFinish();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

Figures figuresOf(std::vector<double>& times)
{
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[static_cast<std::size_t>(static_cast<double>(times.size()) * 0.95)]};
}

// Room frames and reference frames alternate, so both see the same load of a
// shared machine.
std::pair<Figures, Figures> measure(sf::RenderWindow& window, const std::function<void(int)>& drawRoom,
                                    const std::function<void()>& drawReference)
{
    std::vector<double> room, reference;
    room.reserve(static_cast<std::size_t>(frameCount));
    reference.reserve(static_cast<std::size_t>(frameCount));
    for (int frame = -kWarmUp; frame < frameCount; ++frame)
    {
        const double r = timeFrame(window, drawReference);
        const double t = timeFrame(window, [&] { drawRoom(frame); });
        if (frame >= 0)
        {
            reference.push_back(r);
            room.push_back(t);
        }
    }
    return {figuresOf(room), figuresOf(reference)};
}
} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        frameCount = std::max(20, std::atoi(argv[1]));
    const std::string only = argc > 2 ? argv[2] : "";
    if (!enterContentRoot())
        return 1;
    // The rooms' spawn lines would break up the table.
    std::ofstream quiet("/dev/null");
    Logger::setStream(quiet);

    sf::RenderWindow window(sf::VideoMode(1920, 1080), "room frames", sf::Style::None);
    window.setVerticalSyncEnabled(false);
    window.setFramerateLimit(0);

    PreparedSets::Set run = PreparedSets::run();
    std::size_t textures = 0;
    for (const PreparedSets::Part& part : run)
        if (part.group)
            textures += loadPainted(*part.group);
    textures += loadPainted(*PreparedSets::props());
    textures += loadPainted(*PreparedSets::floorBackgrounds());
    textures += loadPainted(*PreparedSets::minimap());

    RoomNameRegistry::fill();
    PropRegistry::registerProps();
    PropRegistry::createAnimations();
    WaterRegistry::registerPuddles();
    WaterRegistry::createAnimations();
    WallRegistry::registerWalls();
    std::srand(1);

    // The reference: one textured sprite covering the window.
    sf::Image noise;
    noise.create(1920, 1080);
    for (unsigned y = 0; y < 1080; ++y)
        for (unsigned x = 0; x < 1920; ++x)
            noise.setPixel(x, y, sf::Color(static_cast<sf::Uint8>(x * 7), static_cast<sf::Uint8>(y * 3), 90));
    sf::Texture full;
    full.loadFromImage(noise);
    const sf::Sprite fullSprite(full);
    const auto drawReference = [&] { window.draw(fullSprite); };

    std::printf("textures loaded: %zu\n", textures);
    std::printf("%-10s %5s %10s %10s %10s %10s %9s %9s\n", "room", "floor", "median ms", "p95 ms", "ref median",
                "ref p95", "median x", "p95 x");

    Entity player;
    double worst = 0.0;
    for (const auto& [type, floors] : RoomNameRegistry::table())
        for (const auto& [floorIndex, names] : floors)
            for (const std::string& name : names)
            {
                if (name.rfind(only, 0) != 0)
                    continue;
                Floor floor(floorIndex);
                std::unique_ptr<Room> room = Room::buildRoom(&player, name, nullptr, floor);
                const sf::Vector2f size(room->pictureSize());
                player.setPosition(size / 2.f);
                Camera camera;
                const auto [figures, local] = measure(
                    window,
                    [&](int frame)
                    {
                        const float t = static_cast<float>(frame) / 40.f;
                        camera.centre = {size.x / 2.f + size.x / 2.f * std::cos(t),
                                         size.y / 2.f + size.y / 2.f * std::sin(1.3f * t)};
                        room->update(1.f / 60.f);
                        room->draw(window, camera);
                    },
                    drawReference);
                const double ratio = figures.median / local.median;
                worst = std::max(worst, ratio);
                std::printf("%-10s %5d %10.3f %10.3f %10.3f %10.3f %9.2f %9.2f\n", name.c_str(), floorIndex,
                            figures.median, figures.p95, local.median, local.p95, ratio, figures.p95 / local.p95);
                std::fflush(stdout);
            }
    std::printf("\nworst median ratio: %.2f (goal: at most 4)\n", worst);
    std::fflush(stdout);
    std::_Exit(0); // skip static teardown of GL objects
}
