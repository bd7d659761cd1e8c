// Times the room editor's frame: the template with the most elements, every kind
// shown, its settings window and the prop selection window open, against a
// reference frame (clear + one full-window textured sprite) measured in the same
// run, their frames alternating. The editor should stay within 3 reference frames.
// Run on an X display:
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/editor_frames [frames]

#include "ContentRoot.h"
#include "core/GuiBinding.h"
#include "core/Logger.h"
#include "core/RoomNameRegistry.h"
#include "core/TextureManager.h"
#include "creatures/EnemyDatabase.h"
#include "editor/EditorModel.h"
#include "editor/EditorPanel.h"
#include "editor/EditorWorldView.h"
#include "menus/PreparedSets.h"
#include "world/PropRegistry.h"
#include "world/RoomFile.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/OpenGL.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace
{
double timeFrame(sf::RenderWindow& window, const std::function<void()>& drawFrame)
{
    const auto start = std::chrono::steady_clock::now();
    window.clear(sf::Color(41, 12, 14));
    drawFrame();
    window.display();
    glFinish();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::size_t elementCount(const RoomFile& room)
{
    std::size_t n = room.boundaries.size() + room.doors.size() + room.staticProps.size() + room.spawners.size() +
                    room.waters.size() + room.walls.size() + room.restricted.size();
    for (const PropCollectionRecord& c : room.dynamicProps)
        n += c.props.size();
    return n;
}
} // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::max(20, std::atoi(argv[1])) : 300;
    if (!enterContentRoot())
        return 1;
    std::ofstream quiet("/dev/null");
    Logger::setStream(quiet);

    sf::RenderWindow window(sf::VideoMode(1920, 1080), "editor frames", sf::Style::None);
    window.setVerticalSyncEnabled(false);
    window.setFramerateLimit(0);
    GuiBinding::init(window, {1920.f, 1080.f});

    PropRegistry::registerProps();
    WaterRegistry::registerPuddles();
    WallRegistry::registerWalls();
    PreparedSets::Set set = PreparedSets::editor();
    PreparedSets::takeReady(set)->load();
    PreparedSets::props()->load();
    PropRegistry::createAnimations();
    WaterRegistry::createAnimations();
    RoomNameRegistry::fill();
    EnemyDatabase::loadData();

    std::string largest;
    std::size_t most = 0;
    for (const auto& entry : std::filesystem::directory_iterator(RoomFile::kDirectory))
        if (entry.path().extension() == ".json")
        {
            const std::size_t n = elementCount(RoomFile::load(entry.path().string()));
            if (n > most)
            {
                most = n;
                largest = entry.path().stem().string();
            }
        }

    EditorModel model(EnemyDatabase::records().shared.nameList);
    if (!model.editRoom(largest))
    {
        std::fprintf(stderr, "cannot open %s\n", largest.c_str());
        return 1;
    }
    model.camera.zoom = 0.4f;
    EditorWorldView view;
    EditorPanel panel;
    model.startStaticProps();
    model.selectProp("pot_01");

    sf::Image noise;
    noise.create(1920, 1080);
    for (unsigned y = 0; y < 1080; ++y)
        for (unsigned x = 0; x < 1920; ++x)
            noise.setPixel(x, y, sf::Color(static_cast<sf::Uint8>(x * 7), static_cast<sf::Uint8>(y * 3), 90));
    sf::Texture full;
    full.loadFromImage(noise);
    const sf::Sprite fullSprite(full);

    std::vector<double> editor, reference;
    for (int frame = -10; frame < frames; ++frame)
    {
        const double r = timeFrame(window, [&] { window.draw(fullSprite); });
        const double t = timeFrame(window,
                                   [&]
                                   {
                                       GuiBinding::update(window, 1.f / 60.f);
                                       model.update(1.f / 60.f, {}, {500.f + static_cast<float>(frame), 500.f});
                                       view.draw(window, model);
                                       panel.drawSettings(model);
                                       panel.drawSelection(model);
                                       model.applyRemovals();
                                       GuiBinding::render(window);
                                   });
        if (frame >= 0)
        {
            reference.push_back(r);
            editor.push_back(t);
        }
    }
    const double ref = median(reference), ed = median(editor);
    std::printf("room %s (%zu elements), prop selection open\n", largest.c_str(), most);
    std::printf("reference frame: median %.2f ms\n", ref);
    std::printf("editor frame:    median %.2f ms (%.2f x reference, goal <= 3)\n", ed, ed / ref);
    GuiBinding::shutdown();
    return 0;
}
