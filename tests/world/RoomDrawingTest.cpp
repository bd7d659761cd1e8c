#include "world/Room.h"

#include "RoomFixture.h"
#include "core/TextureManager.h"
#include "creatures/Camera.h"
#include "menus/PreparedSets.h"
#include "world/Floor.h"
#include "world/Graph.h"
#include "world/OrientedNode.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <gtest/gtest.h>

#include <algorithm>
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
    std::sort(rooms.begin(), rooms.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second < b.second : a.first < b.first;
    });

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
        for (std::size_t e = 1; e < room->entities.size(); ++e)
            if (auto* enemy = dynamic_cast<Enemy*>(room->entities[e]))
                enemy->health = 0.f;

        const sf::Vector2f size(room->pictureSize());
        Camera camera;
        camera.zoom = std::min(1920.f / size.x, 1080.f / size.y);
        camera.centre = size / 2.f;
        run.movePlayer(size / 2.f);
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

TEST_F(RoomDrawing, TheMinimapDrawsAWholeFloorWithOrWithoutItsPictures)
{
    FakeRun run;
    std::srand(8);
    Floor floor(0);
    floor.generateFloor(run.player());
    floor.recentreMap();
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1920, 1080));
    for (float t : {0.f, 0.4f, 0.8f})
    {
        floor.mapTimer = t;
        target.clear(sf::Color::Transparent);
        floor.drawMap(target);
        target.display();
        EXPECT_NEAR(floor.iconScale.x, 0.45f + 0.05f * std::cos(4.f * t), 1e-5f);
        EXPECT_GE(floor.iconScale.x, 0.4f - 1e-5f);
        EXPECT_LE(floor.iconScale.x, 0.5f + 1e-5f);
    }
    target.getTexture().copyToImage().saveToFile("build/minimap.png");
}
} // namespace
