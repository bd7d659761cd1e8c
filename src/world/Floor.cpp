#include "world/Floor.h"

#include "core/Camera.h"
#include "core/Logger.h"
#include "core/RoomNameRegistry.h"
#include "core/TextureManager.h"
#include "creatures/Entity.h"
#include "world/Graph.h"
#include "world/OrientedNode.h"
#include "world/Room.h"
#include "world/RunContext.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace
{
constexpr float kDoorReachSquared = 150.f * 150.f;
constexpr float kNextFloorStep = 50.f;
constexpr float kPreviewLength = 350.f;
constexpr float kIconScale = 0.4f;
const sf::Color kFaded(255, 255, 255, 100);

std::string nodeId(const OrientedNode* node)
{
    return std::to_string(reinterpret_cast<std::uintptr_t>(node));
}

const sf::Texture* iconTexture(const OrientedNode* node)
{
    return TextureManager::getTexture(Floor::iconKey(node->type));
}

float iconDiagonal(const OrientedNode* node)
{
    const sf::Texture* texture = iconTexture(node);
    if (!texture)
        return 0.f;
    const sf::Vector2f size(texture->getSize());
    return std::sqrt(size.x * size.x + size.y * size.y);
}

float iconHeight(const OrientedNode* node)
{
    const sf::Texture* texture = iconTexture(node);
    return texture ? static_cast<float>(texture->getSize().y) : 0.f;
}

// The length of the line between two icons: the distance less a margin of 0.2 of
// each icon's diagonal.
float lineLength(const OrientedNode* from, const OrientedNode* to)
{
    const sf::Vector2f d = to->position - from->position;
    return std::sqrt(d.x * d.x + d.y * d.y) - 0.2f * iconDiagonal(from) - 0.2f * iconDiagonal(to);
}

void drawIcon(sf::RenderTarget& target, const OrientedNode* node, sf::Vector2f at, float scale, sf::Color colour)
{
    sf::Sprite icon = TextureManager::getSprite(Floor::iconKey(node->type), ORIGIN_CENTER_X | ORIGIN_BOTTOM);
    if (!icon.getTexture())
        return;
    icon.setPosition(at);
    icon.setScale(scale, scale);
    icon.setColor(colour);
    target.draw(icon);
}

// A connecting line of `length` px and 4 px of height: middle pieces every 3 px with
// an end cap at each side, centred on `centre` and turned by `degrees`. The pieces
// are drawn straight onto the target, each cut where the line ends.
void drawLine(sf::RenderTarget& target, sf::Vector2f centre, float degrees, float length, float scale, sf::Color colour)
{
    const int width = static_cast<int>(length);
    if (width <= 0)
        return;
    constexpr int kHeight = 4;
    sf::Transform transform;
    transform.translate(centre).rotate(degrees).scale(scale, scale).translate(-length / 2.f, -2.f);
    sf::RenderStates states(transform);

    auto piece = [&](const char* key, int x)
    {
        const sf::Texture* texture = TextureManager::getTexture(key);
        if (!texture || x >= width)
            return;
        const int shownWidth = std::min(static_cast<int>(texture->getSize().x), width - std::max(x, 0));
        const int shownHeight = std::min(static_cast<int>(texture->getSize().y), kHeight);
        const int skipped = x < 0 ? -x : 0;
        if (shownWidth - skipped <= 0 || shownHeight <= 0)
            return;
        sf::Sprite sprite(*texture, sf::IntRect(skipped, 0, shownWidth - skipped, shownHeight));
        sprite.setPosition(static_cast<float>(std::max(x, 0)), 0.f);
        sprite.setColor(colour);
        target.draw(sprite, states);
    };
    for (int i = 0; static_cast<float>(i) < length / 3.f + 1.f; ++i)
        piece("lineM", 3 * i);
    piece("lineL", 0);
    piece("lineR", width - 5);
}

float angleDegrees(sf::Vector2f from, sf::Vector2f to)
{
    return std::atan2(to.y - from.y, to.x - from.x) * 180.f / 3.14159265358979f;
}
} // namespace

Floor::Floor(int index) : floorIndex(index) {}

Floor::~Floor() = default;

void Floor::replaceRoom(Entity* player, const std::string& name)
{
    // The old room goes first: it owns creatures that must not outlive it.
    room_.reset();
    room_ = Room::buildRoom(player, name, current_, *this);
    if (RunContext* run = RunContext::active())
        run->roomChanged();
}

Room* Floor::generateFloor(Entity* player)
{
    graph_ = std::make_unique<Graph>();
    graph_->generateGraph(16);
    graph_->layoutGraph();
    Logger::Info("Generated floor with " + std::to_string(graph_->size()) + " nodes");
    current_ = graph_->root();

    for (const auto& node : graph_->nodes)
    {
        const std::vector<std::string>* names = &RoomNameRegistry::names(node->type, floorIndex);
        if (names->empty())
        {
            Logger::Error("No room of type " + std::to_string(node->type) + " on floor " + std::to_string(floorIndex) +
                          ", using a Normal room");
            names = &RoomNameRegistry::names(ROOM_NORMAL, floorIndex);
            if (names->empty())
                continue;
        }
        node->name = (*names)[static_cast<std::size_t>(std::rand()) % names->size()];
    }

    replaceRoom(player, current_->name);
    return room_.get();
}

void Floor::generateTutorialFloor(Entity* player)
{
    floorIndex = TUTORIAL_FLOOR;
    graph_ = std::make_unique<Graph>();
    OrientedNode* head = graph_->makeChain(0, 3);
    OrientedNode* last = graph_->createNode(4);

    std::vector<OrientedNode*> nodes{head};
    for (OrientedNode* node : Graph::collectDescendants(head))
        nodes.push_back(node);
    nodes.push_back(last);
    for (const auto& node : graph_->nodes)
    {
        std::erase(node->children, nullptr);
        std::erase(node->parents, nullptr);
    }

    const struct
    {
        const char* name;
        RoomType type;
    } rooms[5] = {{"Tuto_1", ROOM_NORMAL},
                  {"Tuto_2", ROOM_NORMAL},
                  {"Tuto_3", ROOM_HEAL},
                  {"Tuto_4", ROOM_ELITE},
                  {"Tuto_5", ROOM_SHOP}};
    for (std::size_t i = 0; i < nodes.size() && i < 5; ++i)
    {
        nodes[i]->name = rooms[i].name;
        nodes[i]->type = rooms[i].type;
    }
    nodes[3]->children = {nodes[4]};
    nodes[4]->parents = {nodes[3]};

    current_ = nodes[0];
    graph_->layoutGraph();
    replaceRoom(player, "Tuto_1");
}

void Floor::moveToRoom(Entity* player, int direction)
{
    if (!room_ || !current_)
        return;
    Logger::Info("Current room: " + nodeId(current_));
    for (const Door& door : room_->doors)
    {
        if (door.direction != direction || !door.target)
            continue;
        Logger::Info("Next room: " + nodeId(door.target));
        current_ = door.target;
        Logger::Info("New room: " + nodeId(current_));
        replaceRoom(player, current_->name);
        const int entry = oppositeDirection(direction);
        for (const Door& arrival : room_->doors)
            if (arrival.direction == entry)
            {
                if (player)
                    player->setPosition(arrival.position);
                break;
            }
        return;
    }
}

Floor::DoorUse Floor::useDoor(Entity* player)
{
    if (!room_ || !player || !room_->isCleared())
        return DoorUse::None;
    const sf::Vector2f at = player->getPosition();
    auto inReach = [&](const Door& door)
    {
        const sf::Vector2f d = door.position - at;
        return d.x * d.x + d.y * d.y <= kDoorReachSquared;
    };

    for (const Door& door : room_->doors)
        if (inReach(door) && door.target)
        {
            moveToRoom(player, door.direction);
            return DoorUse::NextRoom;
        }

    if (room_->type != ROOM_BOSS)
        return DoorUse::None;
    auto used = std::find_if(room_->doors.begin(), room_->doors.end(), inReach);
    if (used == room_->doors.end())
        return DoorUse::None;
    // The last boss ends the run; there is no floor after it to build.
    if (RoomNameRegistry::names(ROOM_NORMAL, floorIndex + 1).empty())
    {
        Logger::Info("No floor after floor " + std::to_string(floorIndex));
        return DoorUse::None;
    }

    const int entry = oppositeDirection(used->direction);
    floorIndex += 1;
    generateFloor(player);
    for (const Door& door : room_->doors)
    {
        if (door.direction != entry)
            continue;
        sf::Vector2f inside = door.position;
        switch (door.direction)
        {
        case DOOR_LEFT:
            inside.x += kNextFloorStep;
            break;
        case DOOR_RIGHT:
            inside.x -= kNextFloorStep;
            break;
        case DOOR_TOP:
            inside.y += kNextFloorStep;
            break;
        default:
            inside.y -= kNextFloorStep;
            break;
        }
        player->setPosition(inside);
    }
    return DoorUse::NextFloor;
}

void Floor::jumpToBoss(Entity* player)
{
    if (!graph_ || graph_->nodes.empty())
        return;
    jumpTo(player, graph_->nodes.back().get());
}

bool Floor::jumpToRoomOfType(Entity* player, RoomType type)
{
    if (!graph_)
        return false;
    for (const auto& node : graph_->nodes)
        if (node && node->type == type)
        {
            jumpTo(player, node.get());
            return true;
        }
    return false;
}

void Floor::jumpTo(Entity* player, OrientedNode* node)
{
    current_ = node;
    replaceRoom(player, current_->name);
    if (!player)
        return;
    for (const Door& door : room_->doors)
        if (door.direction == DOOR_BOTTOM)
        {
            player->setPosition(door.position);
            break;
        }
}

int Floor::oppositeDirection(int direction)
{
    switch (direction)
    {
    case DOOR_LEFT:
        return DOOR_RIGHT;
    case DOOR_RIGHT:
        return DOOR_LEFT;
    case DOOR_TOP:
        return DOOR_BOTTOM;
    default:
        return DOOR_TOP;
    }
}

const char* Floor::iconKey(int roomType)
{
    switch (roomType)
    {
    case ROOM_BOSS:
        return "boss_mm";
    case ROOM_SHOP:
        return "merchant_mm";
    case ROOM_ELITE:
        return "elite_mm";
    case ROOM_HEAL:
        return "heal_mm";
    case ROOM_SOUL:
        return "soul_mm";
    default:
        return "regular_mm";
    }
}

void Floor::recentreMap()
{
    if (current_)
        mapOffset = current_->position;
}

void Floor::drawMap(sf::RenderTarget& target)
{
    if (!graph_)
        return;
    const sf::Vector2f half = sf::Vector2f(target.getSize()) / 2.f;
    auto toMap = [&](sf::Vector2f q) { return q - mapOffset + half; };

    for (const auto& owned : graph_->nodes)
    {
        const OrientedNode* node = owned.get();
        const bool ahead = node == current_ || (current_ && Graph::isReachable(current_, node));
        const sf::Color colour = ahead ? sf::Color::White : kFaded;

        for (const OrientedNode* child : node->children)
        {
            if (!child)
                continue;
            const float length = lineLength(node, child);
            const sf::Vector2f middle =
                (node->position + child->position) / 2.f - sf::Vector2f(0.f, 0.2f * iconHeight(node));
            drawLine(target, toMap(middle), angleDegrees(node->position, child->position), length, 1.f, colour);
        }

        float scale = kIconScale;
        if (node == current_)
        {
            scale = 0.45f + 0.05f * std::cos(4.f * mapTimer);
            iconScale = {scale, scale};
        }
        drawIcon(target, node, toMap(node->position), scale, colour);
    }
}

void Floor::drawExitPreview(sf::RenderTarget& target, const Camera& camera, const Door& door)
{
    if (!current_)
        return;
    if (!previewClockStarted_)
    {
        previewClockStarted_ = true;
        previewClock_.restart();
    }
    const sf::Vector2f p = door.position;
    for (const OrientedNode* child : current_->children)
    {
        if (!child)
            continue;
        const float d = lineLength(current_, child);
        if (d <= 0.f)
            continue;
        const float shown = std::min(kPreviewLength, d);
        const sf::Vector2f iconAt = p + (child->position - current_->position) * (shown / d);
        const sf::Color colour = child == door.target ? sf::Color::White : kFaded;
        const sf::Vector2f middle = (p + iconAt) / 2.f;
        const sf::Vector2f raised = camera.toScreen(middle) - sf::Vector2f(0.f, 0.2f * iconHeight(current_));
        drawLine(target, raised, angleDegrees(current_->position, child->position), shown, camera.zoom, colour);
        drawIcon(target, child, camera.toScreen(iconAt), kIconScale, colour);
    }
    const float t = previewClock_.getElapsedTime().asSeconds();
    drawIcon(target, current_, camera.toScreen(p), 0.45f + 0.05f * std::cos(4.f * t), sf::Color::White);
}
