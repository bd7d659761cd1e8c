#include "editor/EditorWorldView.h"

#include "core/AnimationData.h"
#include "core/TextureManager.h"
#include "editor/EditorModel.h"
#include "world/PropRegistry.h"
#include "world/Props.h"
#include "world/Wall.h"
#include "world/WallRegistry.h"
#include "world/Water.h"
#include "world/WaterRegistry.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <array>
#include <cmath>

namespace
{
constexpr float kPi = 3.14159265f;
const sf::Color kOutlineColour = sf::Color::Red;
const sf::Color kReachColour(246, 226, 160);
const sf::Color kArrowColour(230, 30, 40);
const sf::Color kWallOutlineColour(255, 140, 40);
constexpr std::array<const char*, 4> kArrowKeys = {"left_arrow", "right_arrow", "top_arrow", "bottom_arrow"};

// A still of a prototype's current frame, at `at` through the camera.
void drawFrame(sf::RenderTarget& target, const AnimationData* animation, sf::Vector2f at, const Camera& camera,
               sf::Uint8 alpha)
{
    if (!animation)
        return;
    sf::Sprite sprite = animation->sprite;
    sprite.setTextureRect(animation->frameRect());
    sprite.setPosition(camera.toScreen(at));
    sprite.setRotation(0.f);
    sprite.setScale(camera.zoom, camera.zoom);
    sprite.setColor(sf::Color(255, 255, 255, alpha));
    target.draw(sprite);
}

// Props are shown for the karma of the view unless marked for the other side only.
bool shownForKarma(bool neutral, bool good, bool evil, bool showEvil)
{
    if (neutral)
        return true;
    return showEvil ? !(good && !evil) : !(evil && !good);
}
} // namespace

EditorWorldView::EditorWorldView() : lines_(sf::Lines)
{
    // Direct registry reads: a name that is not registered stays out of the maps and is not logged every frame.
    for (const std::string& name : PropRegistry::registeredNames())
        props_[name] = PropRegistry::find(name);
    for (const std::string& name : WaterRegistry::registeredNames())
        waters_[name] = WaterRegistry::find(name);
    for (const std::string& name : WallRegistry::registeredNames())
        walls_[name] = WallRegistry::find(name);
    spawnerDot_.setRadius(kSpawnerRadius);
    spawnerDot_.setOrigin(kSpawnerRadius, kSpawnerRadius);
    spawnerDot_.setFillColor(sf::Color::Blue);
}

void EditorWorldView::addOutline(const Polygon& polygon, const Camera& camera, sf::Color colour, bool closed)
{
    const std::size_t n = polygon.vertexCount();
    if (n < 2)
        return;
    const std::size_t edges = closed ? n : n - 1;
    for (std::size_t i = 0; i < edges; ++i)
    {
        lines_.append(sf::Vertex(camera.toScreen(polygon.point(i)), colour));
        lines_.append(sf::Vertex(camera.toScreen(polygon.point((i + 1) % n)), colour));
    }
}

void EditorWorldView::drawProp(sf::RenderTarget& target, const std::string& name, sf::Vector2f at, const Camera& camera,
                               sf::Uint8 alpha)
{
    auto it = props_.find(name);
    if (it != props_.end() && it->second)
        drawFrame(target, it->second->animation(), at, camera, alpha);
}

void EditorWorldView::drawWater(sf::RenderTarget& target, const std::string& name, sf::Vector2f at,
                                const Camera& camera, sf::Uint8 alpha)
{
    auto it = waters_.find(name);
    if (it != waters_.end() && it->second)
        drawFrame(target, it->second->animation(), at, camera, alpha);
}

void EditorWorldView::drawWall(sf::RenderTarget& target, const std::string& name, sf::Vector2f at, const Camera& camera,
                               sf::Uint8 alpha)
{
    auto it = walls_.find(name);
    if (it == walls_.end() || !it->second)
        return;
    // With no run the editor shows the evil side, opaque.
    sf::Sprite sprite = TextureManager::getSprite(it->second->evilKey(), ORIGIN_CENTER);
    sprite.setPosition(camera.toScreen(at));
    sprite.setScale(camera.zoom, camera.zoom);
    sprite.setColor(sf::Color(255, 255, 255, alpha));
    target.draw(sprite);
}

void EditorWorldView::draw(sf::RenderTarget& target, const EditorModel& model)
{
    const Camera& camera = model.camera;
    const RoomTemplate& room = model.room;
    lines_.clear();

    sf::Sprite picture = TextureManager::getSprite(model.shownTextureKey(), ORIGIN_TOP_LEFT);
    picture.setPosition(camera.toScreen({0.f, 0.f}));
    picture.setScale(camera.zoom, camera.zoom);
    target.draw(picture);

    if (model.showOutline)
    {
        addOutline(room.boundary, camera, kOutlineColour);
        for (const Polygon& zone : room.restricted)
            addOutline(zone, camera, kOutlineColour);
    }

    if (model.showWaters)
        for (const WaterRecord& water : room.waters)
            drawWater(target, water.texture, water.position, camera);

    if (model.showDoors)
    {
        for (const DoorRecord& door : room.doors)
        {
            // Twenty points round the door: the reach within which the player uses it.
            for (int k = 0; k < 40; k += 2)
            {
                const float a0 = static_cast<float>(k) * kPi / 20.f;
                const float a1 = static_cast<float>((k + 2) % 40) * kPi / 20.f;
                lines_.append(
                    sf::Vertex(camera.toScreen(door.position + kDoorReach * sf::Vector2f(std::cos(a0), std::sin(a0))),
                               kReachColour));
                lines_.append(
                    sf::Vertex(camera.toScreen(door.position + kDoorReach * sf::Vector2f(std::cos(a1), std::sin(a1))),
                               kReachColour));
            }
            if (door.direction < 0 || door.direction > 3)
                continue;
            sf::Sprite arrow = TextureManager::getSprite(kArrowKeys[static_cast<std::size_t>(door.direction)]);
            arrow.setOrigin(32.f, 32.f);
            arrow.setPosition(camera.toScreen(door.position));
            arrow.setScale(camera.zoom, camera.zoom);
            arrow.setColor(kArrowColour);
            target.draw(arrow);
        }
    }

    if (model.showProps)
    {
        for (const RoomTemplate::StaticProp& prop : room.staticProps)
            if (!prop.hidden && shownForKarma(prop.neutral, prop.good, prop.evil, model.showEvil))
                drawProp(target, prop.prop, prop.position, camera);
        for (const RoomTemplate::PropCollection& collection : room.collections)
        {
            if (collection.hidden ||
                !shownForKarma(collection.neutral, collection.good, collection.evil, model.showEvil))
                continue;
            for (const RoomTemplate::PropItem& item : collection.items)
                if (!item.hidden)
                    drawProp(target, item.prop, item.position, camera);
        }
    }

    if (model.showSpawners)
        for (const RoomTemplate::Spawner& spawner : room.spawners)
        {
            spawnerDot_.setPosition(camera.toScreen(spawner.position));
            target.draw(spawnerDot_);
        }

    if (model.showWalls)
        for (const RoomTemplate::Wall& wall : room.walls)
        {
            drawWall(target, wall.texture, wall.position, camera);
            addOutline(wall.outline, camera, kWallOutlineColour);
        }

    if (model.placing() == EditorModel::Placing::Zone)
        addOutline(model.zoneBeingDrawn(), camera, kOutlineColour, false);
    if (model.placing() == EditorModel::Placing::Vertices && room.boundary.vertexCount() > 0)
    {
        // The edge the next vertex will close.
        lines_.append(
            sf::Vertex(camera.toScreen(room.boundary.point(room.boundary.vertexCount() - 1)), kOutlineColour));
        lines_.append(sf::Vertex(camera.toScreen(model.followerPosition()), kOutlineColour));
    }
    target.draw(lines_);

    // The chosen prototype follows the mouse, half seen, until it is placed.
    const sf::Vector2f at = model.followerPosition();
    switch (model.placing())
    {
    case EditorModel::Placing::Props:
        if (!model.selectedProp().empty())
            drawProp(target, model.selectedProp(), at, camera, 160);
        break;
    case EditorModel::Placing::Waters:
        if (!model.selectedWater().empty())
            drawWater(target, model.selectedWater(), at, camera, 160);
        break;
    case EditorModel::Placing::Walls:
        if (!model.selectedWall().empty())
            drawWall(target, model.selectedWall(), at, camera, 160);
        break;
    default:
        break;
    }
}
