#include "world/Room.h"

#include "core/AnimationData.h"
#include "core/Camera.h"
#include "core/DepthOrder.h"
#include "core/Logger.h"
#include "core/Random.h"
#include "core/TextureManager.h"
#include "creatures/Enemy.h"
#include "creatures/EnemyFactory.h"
#include "creatures/SoulChoice.h"
#include "creatures/Entity.h"
#include "creatures/Trader.h"
#include "world/Floor.h"
#include "world/OrientedNode.h"
#include "world/PropRegistry.h"
#include "world/Props.h"
#include "world/RunContext.h"
#include "world/Wall.h"
#include "world/WallRegistry.h"
#include "world/Water.h"
#include "world/WaterRegistry.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Vertex.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>

namespace
{
constexpr const char* kMaskKey = "mask";
constexpr const char* kMaskFile = "Assets/Sprites/Rooms/FirstFloor/mask.png";

std::string& templateDirectory()
{
    static std::string directory = RoomFile::kDirectory;
    return directory;
}

float currentKarma()
{
    const RunContext* run = RunContext::active();
    return run ? run->karma() : 0.f;
}

bool passesKarma(float karma, bool evil, bool good, bool neutral)
{
    return (karma < 0.f && evil) || (karma > 0.f && good) || neutral;
}

// Neighbouring decorations should not animate in step: each gets a random point in
// its current frame. The draw is made even for still pictures so that the order of
// rand() calls does not depend on which textures happen to animate.
void randomisePhase(AnimationData* animation)
{
    const float offset = uniformDraw() * 100.f;
    if (animation && animation->frameTime > 0.f)
        animation->elapsed = std::fmod(offset, animation->frameTime);
}

std::string formatCoordinate(float value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%f", static_cast<double>(value));
    return buffer;
}

} // namespace

void Room::setTemplateDirectory(const std::string& directory)
{
    templateDirectory() = directory.empty() ? std::string(RoomFile::kDirectory) : directory;
}

const std::string& Room::templateDirectoryInUse()
{
    return templateDirectory();
}

Room::Room(Entity* player) : entities(player)
{
    for (LightSlot& slot : lights)
        for (float& sample : slot.samples)
            sample = uniformDraw() / 10.f - 0.1f;

    // Only the first floor's rooms use the mask; a missing file must not end the run.
    if (!TextureManager::isPresent(kMaskKey) && std::filesystem::exists(kMaskFile))
    {
        try
        {
            TextureManager::loadTexture(kMaskKey, kMaskFile);
        }
        catch (const std::exception& e)
        {
            Logger::Warning(e.what());
        }
    }
}

Room::~Room()
{
    // A soul left in this room can never be settled from the next one.
    SoulChoice::reset();
}

std::unique_ptr<Room> Room::buildRoom(Entity* player, const std::string& requestedName, OrientedNode* node,
                                      Floor& floor)
{
    std::string name = requestedName;
    // Names already drawn and found short of exits, so the redraw below always ends.
    std::set<std::string> tooFewExits;
    const float karma = currentKarma();

    while (true)
    {
        auto room = std::make_unique<Room>(player);
        room->floor_ = &floor;
        room->floorIndex_ = floor.floorIndex;
        room->backgroundKey_ = "bg_" + name.substr(0, 2);
        room->background = TextureManager::getSprite(room->backgroundKey_);

        RoomFile file;
        try
        {
            file = RoomFile::load(templateDirectory() + name + ".json");
        }
        catch (const std::runtime_error&)
        {
            throw std::runtime_error("Failed to parse room file");
        }

        room->name = file.name;
        room->type = file.type;

        if (!file.evilTexture.empty() && karma <= 0.f)
            room->pictureKey_ = file.evilTexture;
        else if (!file.goodTexture.empty() && karma >= 0.f)
            room->pictureKey_ = file.goodTexture;
        else
            room->pictureKey_ = file.texture;
        room->picture = TextureManager::getSprite(room->pictureKey_, ORIGIN_LEFT | ORIGIN_TOP);
        room->picture.setPosition(room->position);
        if (const sf::Texture* texture = TextureManager::getTexture(room->pictureKey_))
            room->pictureSize_ = texture->getSize();
        else
            room->pictureSize_ = file.pictureSize();

        for (const sf::Vector2f& point : file.boundaries)
            room->boundaries.addPoint(room->position + point);

        const std::size_t outputs =
            std::count_if(file.doors.begin(), file.doors.end(), [](const DoorRecord& d) { return d.output; });
        if (node && outputs < node->children.size())
        {
            // Drawing another Normal room is routine generation, not a fault: only a
            // room that must stay short of exits is worth a warning.
            const bool redraw = floor.floorIndex != TUTORIAL_FLOOR && room->type == ROOM_NORMAL &&
                                std::any_of(RoomNameRegistry::names(ROOM_NORMAL, floor.floorIndex).begin(),
                                            RoomNameRegistry::names(ROOM_NORMAL, floor.floorIndex).end(),
                                            [&](const std::string& n) { return n != name && tooFewExits.count(n) == 0; });
            if (redraw)
                Logger::Info("Not enough outputs for the node");
            else
                Logger::Warning("Not enough outputs for the node");
            if (floor.floorIndex != TUTORIAL_FLOOR)
            {
                const std::vector<std::string>& normals = RoomNameRegistry::names(ROOM_NORMAL, floor.floorIndex);
                if (room->type == ROOM_NORMAL)
                    tooFewExits.insert(name);
                const bool anotherNormalLeft = std::any_of(
                    normals.begin(), normals.end(), [&](const std::string& n) { return tooFewExits.count(n) == 0; });
                if (room->type == ROOM_NORMAL && anotherNormalLeft)
                {
                    Logger::Info("Changing the room being generated");
                    room.reset();
                    name = normals[static_cast<std::size_t>(std::rand()) % normals.size()];
                    node->name = name;
                    continue;
                }
                if (room->type == ROOM_NORMAL)
                    Logger::Warning("No Normal room of floor " + std::to_string(floor.floorIndex) +
                                    " has enough outputs, keeping " + name);
                else
                    Logger::Error("Couldn't change the room being generated");
                Logger::Warning("Removing one the children, bugs might be expected");
                OrientedNode* removed = node->children.back();
                node->children.pop_back();
                // The removed room no longer leads from here; keep the graph's links in step.
                auto& parents = removed->parents;
                if (auto it = std::find(parents.begin(), parents.end(), node); it != parents.end())
                    parents.erase(it);
            }
        }

        for (const DoorRecord& record : file.doors)
            room->doors.push_back(
                Door{record.position, record.direction, record.input, record.output, record.spriteDelta, nullptr});
        room->assignDoorTargets(node);

        for (const StaticPropRecord& record : file.staticProps)
            if (passesKarma(karma, record.evil, record.good, record.neutral))
                room->placeProp(record.prop, record.position);

        for (const PropCollectionRecord& collection : file.dynamicProps)
        {
            if (!passesKarma(karma, collection.evil, collection.good, collection.neutral))
                continue;
            if (collection.chance < uniformDraw())
            {
                Logger::Debug("Nope, not spawning that collection");
                continue;
            }
            if (collection.props.empty())
                continue;
            if (collection.pickOne)
            {
                const PropItemRecord& item =
                    collection.props[static_cast<std::size_t>(std::rand()) % collection.props.size()];
                room->placeProp(item.prop, item.position);
                continue;
            }
            int total = 0;
            for (const PropItemRecord& item : collection.props)
                total += item.chance;
            for (const PropItemRecord& item : collection.props)
            {
                if (uniformDraw() * static_cast<float>(total) <= static_cast<float>(item.chance))
                    room->placeProp(item.prop, item.position);
                else
                    Logger::Debug("Nope, not spawning that prop");
            }
        }

        if (room->type == ROOM_SHOP)
            room->entities.add(std::make_unique<Trader>());

        for (const WaterRecord& record : file.waters)
        {
            std::unique_ptr<Water> puddle = WaterRegistry::cloneOf(record.texture);
            if (!puddle)
                continue;
            puddle->setPosition(record.position);
            randomisePhase(puddle->animation());
            room->waters.push_back(std::move(puddle));
        }

        room->spawnEnemies(file);

        for (const WallRecord& record : file.walls)
        {
            std::unique_ptr<Wall> wall = WallRegistry::cloneOf(record.texture);
            if (!wall)
                continue;
            wall->setPosition(record.position);
            for (const sf::Vector2f& point : record.boundaries)
                wall->outline().addPoint(record.position + point);
            room->walls.push_back(std::move(wall));
        }

        for (const std::vector<sf::Vector2f>& zone : file.restricted)
            room->restricted.emplace_back(zone);

        room->entities.settle();
        return room;
    }
}

void Room::assignDoorTargets(const OrientedNode* node)
{
    if (!node)
        return;
    const auto& children = node->children;
    auto assign = [this](int direction, OrientedNode* target)
    {
        for (Door& door : doors)
            if (door.direction == direction)
                door.target = target;
    };
    switch (children.size())
    {
    case 1:
        if (hasDoor(DOOR_TOP))
            assign(DOOR_TOP, children[0]);
        else
            for (Door& door : doors)
                if (door.output)
                    door.target = children[0];
        break;
    case 2:
        assign(hasDoor(DOOR_LEFT) ? DOOR_LEFT : DOOR_TOP, children[0]);
        assign(hasDoor(DOOR_RIGHT) ? DOOR_RIGHT : DOOR_TOP, children[1]);
        break;
    case 3:
        assign(DOOR_LEFT, children[0]);
        assign(DOOR_TOP, children[1]);
        assign(DOOR_RIGHT, children[2]);
        break;
    default:
        break;
    }
}

void Room::placeProp(const std::string& propName, sf::Vector2f where)
{
    std::unique_ptr<Props> prop = PropRegistry::cloneOf(propName);
    if (!prop)
        return;
    prop->setPosition(where);
    randomisePhase(prop->animation());
    // The lights some props give are made by the run from the room's props when it
    // enters the room (RunContext::roomChanged).
    props.push_back(std::move(prop));
}

void Room::spawnEnemies(const RoomFile& file)
{
    // Creatures live in the active run's world; without one (the editor) none is made.
    CreatureWorld* world = RunContext::active();
    if (file.spawners.empty())
    {
        Logger::Info("No spawners in this room");
        return;
    }
    const int low = std::max(0, std::min(file.minEnemies, file.maxEnemies));
    const int high = std::max(low, file.maxEnemies);
    int count = std::rand() % (high - low + 1) + low;
    // Each enemy needs a spawner of its own: more would never find a free one.
    count = std::min<int>(count, static_cast<int>(file.spawners.size()));

    std::vector<std::size_t> chosen;
    while (static_cast<int>(chosen.size()) < count)
    {
        std::size_t i = static_cast<std::size_t>(std::rand()) % file.spawners.size();
        if (std::find(chosen.begin(), chosen.end(), i) == chosen.end())
            chosen.push_back(i);
    }

    for (std::size_t i : chosen)
    {
        const SpawnerRecord& spawner = file.spawners[i];
        if (spawner.enemies.empty())
        {
            Logger::Warning("A spawner of " + name + " names no enemy");
            continue;
        }
        std::string enemy = spawner.enemies.front();
        if (spawner.enemies.size() > 1)
            enemy = spawner.enemies[static_cast<std::size_t>(std::rand()) % spawner.enemies.size()];
        Logger::Info("Spawning " + enemy + " at " + formatCoordinate(spawner.position.x) + ", " +
                     formatCoordinate(spawner.position.y));
        if (world)
            addEntity(EnemyFactory::create(enemy, *world, spawner.position));
    }
}

bool Room::isWalkable(const Entity* entity, sf::Vector2f point) const
{
    const RunContext* run = RunContext::active();
    for (const auto& prop : props)
    {
        const Polygon* outline = prop->outline();
        if (prop->isSolid(entity) && outline && outline->contains(point))
            return prop->allowsStanding(entity, run);
    }
    for (const Polygon& zone : restricted)
        if (zone.contains(point))
            return false;
    return boundaries.contains(point);
}

void Room::update(float dt)
{
    entities.update(dt);
    for (std::size_t i = 0; i < props.size(); ++i)
        props[i]->update(dt);
    for (auto& puddle : waters)
        if (puddle->animation())
            puddle->update(dt);

    if (entities.any(isLivingEnemy))
        enemyAliveClock.restart();

    const float alive = lifeClock.getElapsedTime().asSeconds();
    if (shadersLoaded_[0])
        treeShader.setUniform("compteur", alive);
    if (shadersLoaded_[4])
        shadowShader.setUniform("compteur", alive);
}

bool Room::isCleared() const
{
    return !entities.any(isLivingEnemy);
}

bool Room::hasDoor(int direction) const
{
    return std::any_of(doors.begin(), doors.end(), [direction](const Door& d) { return d.direction == direction; });
}

void Room::removeEntity(Entity* entity)
{
    entities.remove(entity);
}

Entity* Room::addEntity(std::unique_ptr<Entity> entity)
{
    return entities.add(std::move(entity));
}
