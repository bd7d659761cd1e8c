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

float diagonal(sf::Vector2f size)
{
    return std::sqrt(size.x * size.x + size.y * size.y);
}

// The length of the line between two icons: the distance less a margin of 0.2 of
// each icon's diagonal.
float lineLength(const OrientedNode* from, const OrientedNode* to, const Floor::IconSizes& sizes)
{
    const sf::Vector2f d = to->position - from->position;
    return std::sqrt(d.x * d.x + d.y * d.y) - 0.2f * diagonal(sizes(from->type)) - 0.2f * diagonal(sizes(to->type));
}

// The box an icon covers: origin at its bottom centre.
sf::FloatRect iconBox(sf::Vector2f at, sf::Vector2f size, float scale)
{
    return {at.x - size.x * scale / 2.f, at.y - size.y * scale, size.x * scale, size.y * scale};
}

// The box a line of `length` px and 4 px of height covers, centred and turned.
sf::FloatRect lineBox(sf::Vector2f centre, float degrees, float length, float scale)
{
    const float a = degrees * 3.14159265358979f / 180.f;
    const float halfW = (std::abs(std::cos(a)) * length / 2.f + std::abs(std::sin(a)) * 2.f) * scale;
    const float halfH = (std::abs(std::sin(a)) * length / 2.f + std::abs(std::cos(a)) * 2.f) * scale;
    return {centre.x - halfW, centre.y - halfH, 2.f * halfW, 2.f * halfH};
}

sf::FloatRect unite(const sf::FloatRect& a, const sf::FloatRect& b)
{
    if (a.width <= 0.f && a.height <= 0.f)
        return b;
    const float left = std::min(a.left, b.left), top = std::min(a.top, b.top);
    const float right = std::max(a.left + a.width, b.left + b.width);
    const float bottom = std::max(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}

// A connecting line of `length` px and 4 px of height: middle pieces every 3 px with
// an end cap at each side, centred on the origin of `placed` (which turns and scales
// it). The pieces are drawn straight onto the target, each cut where the line ends.
void drawLine(sf::RenderTarget& target, const sf::Transform& placed, float length, sf::Color colour)
{
    const int width = static_cast<int>(length);
    if (width <= 0)
        return;
    constexpr int kHeight = 4;
    sf::Transform transform = placed;
    transform.translate(-length / 2.f, -2.f);
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

// The largest scale of the current room's pulsing icon, which the map must hold.
constexpr float kMaxCurrentScale = 0.5f;
// Air between the preview and the player's head.
constexpr float kPreviewClearance = 12.f;

void drawPiece(sf::RenderTarget& target, const Floor::MapPiece& piece, const sf::RenderStates& states)
{
    if (piece.kind == Floor::MapPiece::ICON)
    {
        sf::Sprite icon = TextureManager::getSprite(Floor::iconKey(piece.node->type), ORIGIN_CENTER_X | ORIGIN_BOTTOM);
        if (!icon.getTexture())
            return;
        icon.setPosition(piece.at);
        icon.setScale(piece.scale, piece.scale);
        icon.setColor(piece.colour);
        target.draw(icon, states);
    }
    else
    {
        sf::Transform transform = states.transform;
        transform.translate(piece.at).rotate(piece.degrees).scale(piece.scale, piece.scale);
        drawLine(target, transform, piece.length, piece.colour);
    }
}
} // namespace

sf::Vector2f Floor::textureIconSize(int roomType)
{
    const sf::Texture* texture = TextureManager::getTexture(iconKey(roomType));
    return texture ? sf::Vector2f(texture->getSize()) : sf::Vector2f();
}

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

std::vector<Floor::MapPiece> Floor::mapPieces(const IconSizes& sizes) const
{
    std::vector<MapPiece> pieces;
    if (!graph_)
        return pieces;
    for (const auto& owned : graph_->nodes)
    {
        const OrientedNode* node = owned.get();
        const bool ahead = node == current_ || (current_ && Graph::isReachable(current_, node));
        const sf::Color colour = ahead ? sf::Color::White : kFaded;

        for (const OrientedNode* child : node->children)
        {
            if (!child)
                continue;
            const float length = lineLength(node, child, sizes);
            if (static_cast<int>(length) <= 0)
                continue;
            const sf::Vector2f middle =
                (node->position + child->position) / 2.f - sf::Vector2f(0.f, 0.2f * sizes(node->type).y);
            const float degrees = angleDegrees(node->position, child->position);
            pieces.push_back(
                {MapPiece::LINE, node, middle, 1.f, degrees, length, colour, lineBox(middle, degrees, length, 1.f)});
        }

        float scale = kIconScale;
        float boxScale = kIconScale;
        if (node == current_)
        {
            scale = 0.45f + 0.05f * std::cos(4.f * mapTimer);
            boxScale = kMaxCurrentScale;
        }
        pieces.push_back({MapPiece::ICON, node, node->position, scale, 0.f, 0.f, colour,
                          iconBox(node->position, sizes(node->type), boxScale)});
    }
    return pieces;
}

Floor::MapView Floor::mapView(const sf::FloatRect& area, const IconSizes& sizes) const
{
    MapView view;
    view.area = area;
    view.centre = mapOffset;
    sf::FloatRect bounds;
    for (const MapPiece& piece : mapPieces(sizes))
        bounds = unite(bounds, piece.box);
    view.graph = bounds;
    if (bounds.width <= 0.f || bounds.height <= 0.f || area.width <= 0.f || area.height <= 0.f)
        return view;
    const float fit = std::min({kMaxMapScale, area.width / bounds.width, area.height / bounds.height});
    if (fit >= kMinMapScale)
    {
        // The whole floor at once, in the middle of the area.
        view.fits = true;
        view.scale = fit;
        view.centre = {bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f};
        return view;
    }
    // Too large: as much as fits around the offset (the current room when the map
    // opens), and never dragged so far that the floor leaves the area.
    view.scale = kMinMapScale;
    // Along an axis the floor fits in, it stays in the middle.
    auto axis = [&](float offset, float low, float extent, float shown)
    {
        const float half = shown / 2.f / view.scale;
        if (extent <= 2.f * half)
            return low + extent / 2.f;
        return std::clamp(offset, low + half, low + extent - half);
    };
    view.centre.x = axis(mapOffset.x, bounds.left, bounds.width, area.width);
    view.centre.y = axis(mapOffset.y, bounds.top, bounds.height, area.height);
    return view;
}

sf::Vector2f Floor::MapView::toArea(sf::Vector2f q) const
{
    return (q - centre) * scale + sf::Vector2f(area.left + area.width / 2.f, area.top + area.height / 2.f);
}

sf::FloatRect Floor::MapView::toArea(const sf::FloatRect& box) const
{
    const sf::Vector2f topLeft = toArea(sf::Vector2f(box.left, box.top));
    return {topLeft.x, topLeft.y, box.width * scale, box.height * scale};
}

void Floor::dragMap(sf::Vector2f screenDelta, const sf::FloatRect& area)
{
    const MapView view = mapView(area);
    if (view.fits)
        return;
    // Start from where the map stands now, so a drag past the edge is felt at once.
    mapOffset = view.centre - screenDelta / view.scale;
}

void Floor::drawMap(sf::RenderTarget& target)
{
    const sf::Vector2f size(target.getSize());
    drawMap(target, {0.f, 0.f, size.x, size.y});
}

void Floor::drawMap(sf::RenderTarget& target, const sf::FloatRect& area)
{
    if (!graph_)
        return;
    const MapView view = mapView(area);

    // Nothing of the map is drawn outside the area: a view the size of the area, on it.
    const sf::View before = target.getView();
    const sf::Vector2f targetSize(target.getSize());
    sf::View clip(area);
    clip.setViewport(
        {area.left / targetSize.x, area.top / targetSize.y, area.width / targetSize.x, area.height / targetSize.y});
    target.setView(clip);
    sf::Transform placed;
    placed.translate(area.left + area.width / 2.f, area.top + area.height / 2.f)
        .scale(view.scale, view.scale)
        .translate(-view.centre);
    const sf::RenderStates states(placed);
    for (const MapPiece& piece : mapPieces(textureIconSize))
    {
        if (piece.kind == MapPiece::ICON && piece.node == current_)
            iconScale = {piece.scale, piece.scale};
        drawPiece(target, piece, states);
    }
    target.setView(before);
}

std::vector<Floor::MapPiece> Floor::exitPreviewPieces(const Camera& camera, const Door& door,
                                                      const sf::FloatRect& keepClear, const IconSizes& sizes)
{
    std::vector<MapPiece> pieces;
    if (!current_)
        return pieces;
    if (!previewClockStarted_)
    {
        previewClockStarted_ = true;
        previewClock_.restart();
    }
    const sf::Vector2f p = camera.toScreen(door.position);
    const sf::Vector2f currentSize = sizes(current_->type);
    for (const OrientedNode* child : current_->children)
    {
        if (!child)
            continue;
        const float d = lineLength(current_, child, sizes);
        if (d <= 0.f)
            continue;
        const float shown = std::min(kPreviewLength, d);
        const sf::Vector2f iconAt = p + (child->position - current_->position) * (shown / d) * camera.zoom;
        const sf::Color colour = child == door.target ? sf::Color::White : kFaded;
        const sf::Vector2f middle = (p + iconAt) / 2.f - sf::Vector2f(0.f, 0.2f * currentSize.y);
        const float degrees = angleDegrees(current_->position, child->position);
        pieces.push_back({MapPiece::LINE, current_, middle, camera.zoom, degrees, shown, colour,
                          lineBox(middle, degrees, shown, camera.zoom)});
        pieces.push_back({MapPiece::ICON, child, iconAt, kIconScale, 0.f, 0.f, colour,
                          iconBox(iconAt, sizes(child->type), kIconScale)});
    }
    const float t = previewClock_.getElapsedTime().asSeconds();
    pieces.push_back({MapPiece::ICON, current_, p, 0.45f + 0.05f * std::cos(4.f * t), 0.f, 0.f, sf::Color::White,
                      iconBox(p, currentSize, kMaxCurrentScale)});

    // Drawn at the door the preview would cover the player standing there (and his
    // prompt): it is lifted, as a whole, until it clears his head.
    sf::FloatRect bounds;
    for (const MapPiece& piece : pieces)
        bounds = unite(bounds, piece.box);
    if (keepClear.width > 0.f && keepClear.height > 0.f && bounds.intersects(keepClear))
    {
        const float lift = bounds.top + bounds.height - (keepClear.top - kPreviewClearance);
        for (MapPiece& piece : pieces)
        {
            piece.at.y -= lift;
            piece.box.top -= lift;
        }
    }
    return pieces;
}

void Floor::drawExitPreview(sf::RenderTarget& target, const Camera& camera, const Door& door,
                            const sf::FloatRect& keepClear)
{
    for (const MapPiece& piece : exitPreviewPieces(camera, door, keepClear, textureIconSize))
        drawPiece(target, piece, sf::RenderStates::Default);
}
