#include "world/Room.h"

#include "RoomFixture.h"
#include "core/Camera.h"
#include "core/TextureManager.h"
#include "menus/PreparedSets.h"
#include "world/Floor.h"
#include "world/Graph.h"
#include "world/OrientedNode.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace
{
// Loads every painted texture of a group; pictures still to come stay missing, and
// the room must draw without them.
void loadPainted(const TextureManager::Group& group)
{
    for (const auto& [key, path] : group.flatten())
        if (std::filesystem::exists(path))
            TextureManager::loadTexture(key, path);
}

void clearRoom(Room& room)
{
    for (std::size_t e = 1; e < room.entities.members().size(); ++e)
        if (auto* enemy = dynamic_cast<Enemy*>(room.entities.members()[e]))
            enemy->health = 0.f;
}

class RoomDrawing : public RoomFixture
{
protected:
    void SetUp() override
    {
        RoomFixture::SetUp();
        PreparedSets::Set run = PreparedSets::run();
        for (const PreparedSets::Part& part : run)
            if (part.group)
                loadPainted(*part.group);
        loadPainted(*PreparedSets::props());
        loadPainted(*PreparedSets::floorBackgrounds());
        loadPainted(*PreparedSets::minimap());
        PropRegistry::createAnimations();
        WaterRegistry::createAnimations();
    }
    void TearDown() override
    {
        RoomFixture::TearDown();
        TextureManager::clear();
    }
};

// Every room of the three floors and of the tutorial, drawn whole into one contact
// sheet (build/room_contact_sheet.png) to look at; the test itself checks that each
// draws, that its picture shows where the room stands, and that an open exit of a
// cleared room draws its preview without trouble.
TEST_F(RoomDrawing, EveryRoomDrawsIntoAContactSheet)
{
    constexpr unsigned kCellWidth = 384, kCellHeight = 216, kColumns = 5;
    std::vector<std::pair<std::string, int>> rooms;
    for (const auto& [type, floors] : RoomNameRegistry::table())
        for (const auto& [floorIndex, names] : floors)
            for (const std::string& name : names)
                rooms.push_back({name, floorIndex});
    std::sort(rooms.begin(), rooms.end(),
              [](const auto& a, const auto& b)
              { return a.second != b.second ? a.second < b.second : a.first < b.first; });

    sf::RenderTexture frame;
    ASSERT_TRUE(frame.create(1920, 1080));
    sf::RenderTexture sheet;
    const unsigned rows = static_cast<unsigned>((rooms.size() + kColumns - 1) / kColumns);
    ASSERT_TRUE(sheet.create(kCellWidth * kColumns, kCellHeight * rows));
    sheet.clear(sf::Color::Black);

    FakeRun run;
    std::srand(4);
    for (std::size_t i = 0; i < rooms.size(); ++i)
    {
        const auto& [name, floorIndex] = rooms[i];
        Floor floor(floorIndex);
        // A node with one child, so the top exit of a cleared room shows its preview.
        Graph graph;
        OrientedNode* node = graph.createNode(0);
        OrientedNode* child = graph.createNode(1);
        node->children.push_back(child);
        child->parents.push_back(node);
        child->position = {0.f, -150.f};
        std::unique_ptr<Room> room;
        ASSERT_NO_THROW(room = Room::buildRoom(run.player(), name, node, floor)) << name;
        clearRoom(*room);

        const sf::Vector2f size(room->pictureSize());
        Camera camera;
        camera.zoom = std::min(1920.f / size.x, 1080.f / size.y);
        camera.centre = size / 2.f;
        // Standing at the opened exit, the player sees where it leads.
        run.movePlayer(size / 2.f);
        for (const Door& door : room->doors)
            if (door.target)
                run.movePlayer(door.position + sf::Vector2f(0.f, 60.f));
        room->update(0.016f);
        frame.clear(sf::Color(41, 12, 14));
        ASSERT_NO_THROW(room->draw(frame, camera)) << name;
        frame.display();

        // One room in full, to judge the light layer and the doors up close.
        if (name == "sf_norm3")
            frame.getTexture().copyToImage().saveToFile("build/room_sf_norm3.png");
        if (TextureManager::isPresent(room->pictureKey()))
        {
            const sf::Image shot = frame.getTexture().copyToImage();
            EXPECT_NE(shot.getPixel(960, 540), sf::Color(41, 12, 14)) << name << ": its picture does not show";
        }

        sf::Sprite cell(frame.getTexture());
        cell.setScale(static_cast<float>(kCellWidth) / 1920.f, static_cast<float>(kCellHeight) / 1080.f);
        cell.setPosition(static_cast<float>(kCellWidth * (i % kColumns)),
                         static_cast<float>(kCellHeight * (i / kColumns)));
        sheet.draw(cell);
    }
    sheet.display();
    std::filesystem::create_directories("build");
    EXPECT_TRUE(sheet.getTexture().copyToImage().saveToFile("build/room_contact_sheet.png"));
}

// The map's own pictures only (stand-ins), without the run's textures.
class MapDrawing : public RoomFixture
{
protected:
    void TearDown() override
    {
        RoomFixture::TearDown();
        TextureManager::clear();
    }

    // Writes a picture whose every pixel comes from `colourAt` and loads it under `key`.
    template <typename ColourAt> void paint(const std::string& key, unsigned w, unsigned h, ColourAt colourAt)
    {
        sf::Image image;
        image.create(w, h);
        for (unsigned y = 0; y < h; ++y)
            for (unsigned x = 0; x < w; ++x)
                image.setPixel(x, y, colourAt(x, y));
        const std::string file = (directory_ / (key + ".png")).string();
        ASSERT_TRUE(image.saveToFile(file));
        TextureManager::loadTexture(key, file);
    }
};

// The background only shows around an opaque picture, so the room draws only that
// part of it: around the picture every pixel must match the tiles drawn whole, at
// any camera position and zoom, with no seam along the picture's edges.
TEST_F(MapDrawing, TheBackgroundAroundAnOpaquePictureMatchesWholeTiles)
{
    paint("bg_ff", 1000, 1000,
          [](unsigned x, unsigned y) {
              return sf::Color(static_cast<sf::Uint8>(x / 4), static_cast<sf::Uint8>(y / 4),
                               (x / 50 + y / 50) % 2 ? 200 : 40);
          });
    paint("ff_plain", 900, 700, [](unsigned, unsigned) { return sf::Color(10, 20, 250); });
    writeTemplate("ff_plain", roomJson("ff_plain", 0, ""));
    FakeRun run;
    Floor floor(0);
    auto room = Room::buildRoom(run.player(), "ff_plain", nullptr, floor);
    ASSERT_EQ(room->pictureSize(), sf::Vector2u(900, 700));

    sf::RenderTexture drawn, whole;
    ASSERT_TRUE(drawn.create(1920, 1080));
    ASSERT_TRUE(whole.create(1920, 1080));
    struct Case
    {
        sf::Vector2f centre;
        float zoom;
    };
    for (const Case& c : {Case{{450.f, 350.f}, 1.f}, Case{{-300.3f, 100.7f}, 1.f}, Case{{700.5f, 600.25f}, 1.3f},
                          Case{{200.f, 900.f}, 0.7f}})
    {
        Camera camera;
        camera.centre = c.centre;
        camera.zoom = c.zoom;
        drawn.clear(sf::Color::Black);
        room->draw(drawn, camera);
        drawn.display();
        whole.clear(sf::Color::Black);
        sf::Sprite tile(*TextureManager::getTexture("bg_ff"));
        tile.setScale(c.zoom, c.zoom);
        for (int i = 0; i < 10; ++i)
            for (int j = 0; j < 10; ++j)
            {
                tile.setPosition(camera.toScreen({1000.f * i - 4000.f, 1000.f * j - 4000.f}));
                whole.draw(tile);
            }
        whole.display();
        const sf::Image a = drawn.getTexture().copyToImage();
        const sf::Image b = whole.getTexture().copyToImage();
        const sf::Vector2f topLeft = camera.toScreen({0.f, 0.f});
        const sf::Vector2f bottomRight = camera.toScreen({900.f, 700.f});
        int outside = 0, mismatched = 0, seams = 0;
        for (unsigned y = 0; y < 1080; y += 3)
            for (unsigned x = 0; x < 1920; x += 3)
            {
                const float px = x + 0.5f, py = y + 0.5f;
                const bool inPicture = px >= topLeft.x && px < bottomRight.x && py >= topLeft.y && py < bottomRight.y;
                if (!inPicture)
                {
                    ++outside;
                    mismatched += a.getPixel(x, y) != b.getPixel(x, y);
                }
                else if (a.getPixel(x, y).b < 150)
                    ++seams;
            }
        EXPECT_GT(outside, 0);
        EXPECT_EQ(mismatched, 0) << "centre " << c.centre.x << ", " << c.centre.y << " zoom " << c.zoom;
        EXPECT_EQ(seams, 0) << "centre " << c.centre.x << ", " << c.centre.y << " zoom " << c.zoom;
    }
}

// Pictures fade out along their edge and may have see-through pools and a ragged
// outline: the background is still skipped only under their opaque parts, so the
// room looks the same as with the background drawn whole.
TEST_F(MapDrawing, ABackgroundClippedToASeeThroughPictureLooksTheSameAsAWholeOne)
{
    paint("bg_sf", 1000, 1000,
          [](unsigned x, unsigned y) {
              return sf::Color(static_cast<sf::Uint8>(x / 4), static_cast<sf::Uint8>(y / 4),
                               (x / 50 + y / 50) % 2 ? 200 : 40);
          });
    paint("sf_fade", 900, 700,
          [](unsigned x, unsigned y)
          {
              const unsigned edge = std::min(std::min(x, 899 - x), std::min(y, 699 - y));
              return sf::Color(10, 120, 250, static_cast<sf::Uint8>(std::min(255u, edge * 6)));
          });
    paint("sf_ragged", 900, 700,
          [](unsigned x, unsigned y)
          {
              // A pool in the middle, a bite out of the top edge, a soft rim elsewhere.
              const int dx = static_cast<int>(x) - 420, dy = static_cast<int>(y) - 330;
              if (dx * dx + dy * dy < 90 * 90)
                  return sf::Color(10, 120, 250, static_cast<sf::Uint8>(dx * dx + dy * dy < 60 * 60 ? 0 : 120));
              if (y < 160 && x > 250 && x < 330)
                  return sf::Color(10, 120, 250, 0);
              const unsigned edge = std::min(std::min(x, 899 - x), std::min(y, 699 - y));
              return sf::Color(10, 120, 250, static_cast<sf::Uint8>(std::min(255u, edge * 6)));
          });
    for (const char* pictureName : {"sf_fade", "sf_ragged"})
    {
        writeTemplate(pictureName, roomJson(pictureName, 0, ""));
        FakeRun run;
        Floor floor(1);
        auto room = Room::buildRoom(run.player(), pictureName, nullptr, floor);
        for (LightSlot& slot : room->lights)
            slot.samples.fill(-0.05f);

        sf::RenderTexture target;
        ASSERT_TRUE(target.create(1920, 1080));
        auto drawn = [&](const Camera& camera, bool clipped)
        {
            Room::setBackgroundClipping(clipped);
            target.clear(sf::Color::Black);
            room->draw(target, camera);
            target.display();
            return target.getTexture().copyToImage();
        };
        for (const auto& [centre, zoom] : std::vector<std::pair<sf::Vector2f, float>>{
                 {{450.f, 350.f}, 1.f}, {{-300.3f, 100.7f}, 1.f}, {{700.5f, 600.25f}, 1.3f}, {{200.f, 900.f}, 0.7f}})
        {
            Camera camera;
            camera.centre = centre;
            camera.zoom = zoom;
            const sf::Image whole = drawn(camera, false);
            const sf::Image clipped = drawn(camera, true);
            // Splitting the tiles and the picture into pieces may move a texel boundary
            // by a rounding step along a seam, so a pixel may take its neighbour's
            // texel: each pixel is matched against its neighbours too. A missing,
            // misplaced or twice-blended piece matches none of them, along a whole seam.
            auto close = [](sf::Color a, sf::Color b)
            { return std::abs(a.r - b.r) <= 8 && std::abs(a.g - b.g) <= 8 && std::abs(a.b - b.b) <= 8; };
            int differing = 0;
            for (unsigned y = 1; y < 1079; y += 2)
                for (unsigned x = 1; x < 1919; x += 2)
                {
                    bool matched = false;
                    for (int dy = -1; dy <= 1 && !matched; ++dy)
                        for (int dx = -1; dx <= 1 && !matched; ++dx)
                            matched = close(whole.getPixel(x + dx, y + dy), clipped.getPixel(x, y));
                    differing += !matched;
                }
            EXPECT_LE(differing, 3) << pictureName << ", centre " << centre.x << ", " << centre.y << " zoom "
                                    << zoom;
        }
    }
    Room::setBackgroundClipping(true);
}

// A soft, half-transparent disc, drawn over the picture in the scene.
class Glow : public Entity
{
public:
    void draw(sf::RenderTarget& target, const Camera& camera) override
    {
        sf::CircleShape disc(80.f * camera.zoom);
        disc.setOrigin(disc.getRadius(), disc.getRadius());
        disc.setPosition(camera.toScreen(getPosition()));
        disc.setFillColor(sf::Color(250, 220, 120, 140));
        disc.setOutlineThickness(6.f);
        disc.setOutlineColor(sf::Color(200, 30, 40, 60));
        target.draw(disc);
    }
};

// The light layer is shaded for its on-screen part only, at a quarter of the window's
// resolution: it must land where the layer shaded pixel by pixel lands, the right way
// up, over a room partly off screen and zoomed.
TEST_F(MapDrawing, TheReducedLightLayerMatchesTheOneShadedPerPixel)
{
    sf::Image image;
    image.create(900, 700);
    for (unsigned y = 0; y < 700; ++y)
        for (unsigned x = 0; x < 900; ++x)
            image.setPixel(x, y, sf::Color(static_cast<sf::Uint8>(x / 4), 90, static_cast<sf::Uint8>(y / 3)));
    const std::string file = (directory_ / "ff_lit.png").string();
    ASSERT_TRUE(image.saveToFile(file));
    TextureManager::loadTexture("ff_lit", file);
    writeTemplate("ff_lit", roomJson("ff_lit", 0, ""));
    FakeRun run;
    Floor floor(0);
    auto room = Room::buildRoom(run.player(), "ff_lit", nullptr, floor);
    for (LightSlot& slot : room->lights)
        slot.samples.fill(-0.05f); // no flicker between the frames
    room->lights[0].position = {250.f, 150.f};
    room->lights[0].colour = {1.f, 1.f, 1.f, 1.f};
    for (sf::Vector2f at : {sf::Vector2f(300.f, 300.f), sf::Vector2f(470.f, 360.f), sf::Vector2f(880.f, 20.f)})
    {
        auto glow = std::make_unique<Glow>();
        glow->setPosition(at);
        room->addEntity(std::move(glow));
    }
    room->entities.settle();

    auto drawn = [&](sf::Vector2f centre, float zoom, unsigned downscale)
    {
        Camera camera;
        camera.centre = room->position + centre;
        camera.zoom = zoom;
        Room::setLightDownscale(downscale);
        sf::RenderTexture target;
        EXPECT_TRUE(target.create(1920, 1080));
        target.clear(sf::Color(41, 12, 14));
        room->draw(target, camera);
        target.display();
        Room::setLightDownscale(4);
        return target.getTexture().copyToImage();
    };
    auto near = [](sf::Color a, sf::Color b)
    { return std::abs(a.r - b.r) <= 3 && std::abs(a.g - b.g) <= 3 && std::abs(a.b - b.b) <= 3; };

    // Against the layer shaded pixel by pixel: whole on screen, and zoomed in with the
    // picture cut by the window's left and top edges.
    for (const auto& [centre, zoom] :
         {std::pair{sf::Vector2f(450.f, 350.f), 1.2f}, std::pair{sf::Vector2f(600.f, 400.f), 1.66f}})
    {
        SCOPED_TRACE(zoom);
        const sf::Image reduced = drawn(centre, zoom, 4);
        const sf::Image exact = drawn(centre, zoom, 1);
        int differing = 0;
        for (unsigned y = 0; y < 1080; ++y)
            for (unsigned x = 0; x < 1920; ++x)
                differing += !near(reduced.getPixel(x, y), exact.getPixel(x, y));
        EXPECT_LT(differing, 1920 * 1080 / 1000);
    }

    // The layer belongs to the room: moving the camera so that the window cuts the
    // picture must not move the light over it.
    const sf::Image whole = drawn({450.f, 350.f}, 1.f, 4);
    const sf::Image cut = drawn({1200.f, 800.f}, 1.f, 4);
    int moved = 0;
    for (unsigned y = 260; y < 700; ++y)
        for (unsigned x = 240; x < 900; ++x)
            moved += !near(whole.getPixel(x + 960 - 450, y + 540 - 350), cut.getPixel(x + 960 - 1200, y + 540 - 800));
    EXPECT_LT(moved, 660 * 440 / 1000);

    // The white pool sits at its light, not at its mirror image.
    auto at = [&](float x, float y)
    { return whole.getPixel(static_cast<unsigned>(x + 960 - 450), static_cast<unsigned>(y + 540 - 350)); };
    auto plain = [&](float x, float y) { return image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)); };
    EXPECT_GT(at(250.f, 150.f).g, plain(250.f, 150.f).g + 30);
    EXPECT_LT(std::abs(at(250.f, 550.f).g - plain(250.f, 550.f).g), 20);
    EXPECT_LT(std::abs(at(650.f, 150.f).g - plain(650.f, 150.f).g), 20);
    whole.saveToFile("build/room_lighting.png");
}

// The light layer is left out where it is wholly transparent (the room's middle, far
// from every light): the room must look exactly as with the layer laid whole, with
// lights near the middle, at the edges, partly off screen and zoomed in.
TEST_F(MapDrawing, TheLightLayerLeftOutWhereItIsClearLooksTheSameAsAWholeOne)
{
    sf::Image image;
    image.create(1600, 1200);
    for (unsigned y = 0; y < 1200; ++y)
        for (unsigned x = 0; x < 1600; ++x)
            image.setPixel(x, y, sf::Color(static_cast<sf::Uint8>(x / 7), 150, static_cast<sf::Uint8>(y / 5)));
    const std::string file = (directory_ / "ff_culled.png").string();
    ASSERT_TRUE(image.saveToFile(file));
    TextureManager::loadTexture("ff_culled", file);
    writeTemplate("ff_culled", roomJson("ff_culled", 0, ""));
    FakeRun run;
    Floor floor(0);
    auto room = Room::buildRoom(run.player(), "ff_culled", nullptr, floor);
    for (LightSlot& slot : room->lights)
    {
        slot.samples.fill(-0.05f);
        slot.colour = {0.f, 0.f, 0.f, 0.f};
    }
    struct Light
    {
        sf::Vector2f at;
        std::array<float, 4> colour;
    };
    const std::vector<std::vector<Light>> layouts{
        {},
        {{{800.f, 600.f}, {1.f, 0.9f, 0.6f, 1.f}}},
        {{{300.f, 200.f}, {0.2f, 0.4f, 1.f, 0.8f}}, {{1450.f, 1000.f}, {1.f, 0.2f, 0.1f, 0.5f}}},
    };
    auto drawn = [&](const Camera& camera, bool culled)
    {
        Room::setLightCulling(culled);
        sf::RenderTexture target;
        EXPECT_TRUE(target.create(1920, 1080));
        target.clear(sf::Color(41, 12, 14));
        room->draw(target, camera);
        target.display();
        Room::setLightCulling(true);
        return target.getTexture().copyToImage();
    };
    for (std::size_t layout = 0; layout < layouts.size(); ++layout)
    {
        for (std::size_t k = 0; k < layouts[layout].size(); ++k)
        {
            room->lights[k].position = layouts[layout][k].at;
            room->lights[k].colour = layouts[layout][k].colour;
        }
        for (const auto& [centre, zoom] : {std::pair{sf::Vector2f(800.f, 600.f), 1.f},
                                           std::pair{sf::Vector2f(800.f, 600.f), 2.5f},
                                           std::pair{sf::Vector2f(1300.f, 300.f), 1.66f},
                                           std::pair{sf::Vector2f(420.f, 900.f), 0.7f}})
        {
            SCOPED_TRACE("layout " + std::to_string(layout) + ", zoom " + std::to_string(zoom));
            Camera camera;
            camera.centre = room->position + centre;
            camera.zoom = zoom;
            const sf::Image whole = drawn(camera, false);
            const sf::Image culled = drawn(camera, true);
            int differing = 0;
            for (unsigned y = 0; y < 1080; ++y)
                for (unsigned x = 0; x < 1920; ++x)
                {
                    const sf::Color a = whole.getPixel(x, y), b = culled.getPixel(x, y);
                    differing += std::abs(a.r - b.r) > 1 || std::abs(a.g - b.g) > 1 || std::abs(a.b - b.b) > 1;
                }
            EXPECT_EQ(differing, 0);
        }
    }
}

// Plain stand-ins for the minimap pictures: green icons, red line pieces.
void loadMinimapStandIns(const std::filesystem::path& folder)
{
    auto paint = [&](const std::string& key, unsigned w, unsigned h, sf::Color colour)
    {
        sf::Image image;
        image.create(w, h, colour);
        const std::string file = (folder / (key + ".png")).string();
        ASSERT_TRUE(image.saveToFile(file));
        TextureManager::loadTexture(key, file);
    };
    for (int type = 0; type <= 5; ++type)
        paint(Floor::iconKey(type), 40, 40, sf::Color::Green);
    paint("lineL", 5, 4, sf::Color::Red);
    paint("lineM", 3, 4, sf::Color::Red);
    paint("lineR", 5, 4, sf::Color::Red);
}

TEST_F(MapDrawing, TheMinimapFadesRoomsLeftBehindAndPulsesTheCurrentOne)
{
    FakeRun run;
    std::srand(8);
    Floor floor(0);
    floor.generateFloor(run.player());
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1920, 1080));

    // Without its pictures the map draws nothing, and does not fail.
    floor.recentreMap();
    target.clear(sf::Color::Transparent);
    floor.drawMap(target);
    target.display();
    EXPECT_EQ(target.getTexture().copyToImage().getPixel(960, 540 - 8).a, 0);

    loadMinimapStandIns(directory_);
    const OrientedNode* root = floor.current();
    const OrientedNode* next = root->children.front();
    clearRoom(*floor.room());
    floor.moveToRoom(run.player(), DOOR_LEFT);
    if (floor.current() == root)
        floor.moveToRoom(run.player(), DOOR_TOP);
    ASSERT_EQ(floor.current(), next);
    floor.recentreMap();
    for (float t : {0.f, 0.4f, 0.8f})
    {
        floor.mapTimer = t;
        target.clear(sf::Color::Transparent);
        floor.drawMap(target);
        target.display();
        EXPECT_NEAR(floor.iconScale.x, 0.45f + 0.05f * std::cos(4.f * t), 1e-5f);
    }
    const sf::Image map = target.getTexture().copyToImage();
    map.saveToFile("build/minimap.png");
    // An icon's middle lies 0.4 x 40 / 2 px above its node's point, at the map's
    // scale; the map may reach past the target, where nothing is checked.
    const Floor::MapView view = floor.mapView({0.f, 0.f, 1920.f, 1080.f});
    auto iconAlpha = [&](const OrientedNode* node)
    {
        const sf::Vector2f at = view.toArea(node->position) - sf::Vector2f(0.f, 8.f * view.scale);
        if (at.x < 0.f || at.y < 0.f || at.x >= 1920.f || at.y >= 1080.f)
            return -1;
        return static_cast<int>(map.getPixel(static_cast<unsigned>(at.x), static_cast<unsigned>(at.y)).a);
    };
    EXPECT_EQ(iconAlpha(next), 255);
    EXPECT_NEAR(iconAlpha(root), 100, 3) << "the room left behind is faded";
    int checkedAhead = 0;
    for (const OrientedNode* child : next->children)
        if (const int alpha = iconAlpha(child); alpha >= 0)
        {
            EXPECT_EQ(alpha, 255) << "rooms ahead are drawn plainly";
            ++checkedAhead;
        }
    EXPECT_GT(checkedAhead, 0);
}

TEST_F(MapDrawing, AnOpenExitShowsWhereItLeads)
{
    loadMinimapStandIns(directory_);
    FakeRun run;
    std::srand(2);
    Floor floor(0);
    floor.generateFloor(run.player());
    Room& room = *floor.room();
    clearRoom(room);
    const Door* exit = nullptr;
    for (const Door& door : room.doors)
        if (door.target)
            exit = &door;
    ASSERT_NE(exit, nullptr);
    Camera camera;
    camera.centre = exit->position;
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1920, 1080));

    auto drawWithPlayerAt = [&](sf::Vector2f p)
    {
        run.movePlayer(p);
        target.clear(sf::Color::Transparent);
        room.draw(target, camera);
        target.display();
        // The current room's icon stands on the door.
        return target.getTexture().copyToImage().getPixel(960, 540 - 8);
    };
    EXPECT_GT(drawWithPlayerAt(exit->position + sf::Vector2f(0.f, 100.f)).g, 150);
    EXPECT_LT(drawWithPlayerAt(exit->position + sf::Vector2f(0.f, 400.f)).g, 100) << "too far for the preview";
}
} // namespace
