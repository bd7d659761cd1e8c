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
constexpr const char* kTreeShader = "Assets/Shaders/Background/SimplexNoiseTree.frag";
constexpr const char* kReflectionShader = "Assets/Shaders/Water/WorldReflection.frag";
constexpr const char* kWavesShader = "Assets/Shaders/Water/Waves.frag";
constexpr const char* kDoorShader = "Assets/Shaders/Room/OpeningDoor.frag";
constexpr const char* kShadowShader = "Assets/Shaders/Background/moveShadow.frag";
constexpr const char* kLightingShader = "Assets/Shaders/Light/BasicLighting.frag";
constexpr const char* kMaskKey = "mask";
constexpr const char* kMaskFile = "Assets/Sprites/Rooms/FirstFloor/mask.png";

// Room coordinates of the background grid's first cell, and the cell spacing.
constexpr float kBackgroundOrigin = -4000.f;
constexpr float kBackgroundStep = 1000.f;
constexpr int kBackgroundCells = 10;
constexpr float kPreviewReachSquared = 150.f * 150.f;

std::string& templateDirectory()
{
    static std::string directory = RoomFile::kDirectory;
    return directory;
}

unsigned& lightDownscale()
{
    static unsigned factor = 4;
    return factor;
}

bool& backgroundClippingEnabled()
{
    static bool enabled = true;
    return enabled;
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

// The process-wide clock of the lights' flicker, started by the first lighting pass.
sf::Clock& flickerClock()
{
    static sf::Clock clock;
    return clock;
}

std::string formatCoordinate(float value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%f", static_cast<double>(value));
    return buffer;
}

// Whether a sprite drawn on `target` would show any pixel of its current view.
bool isOnScreen(const sf::RenderTarget& target, const sf::FloatRect& bounds)
{
    const sf::View& view = target.getView();
    const sf::FloatRect visible(view.getCenter() - view.getSize() / 2.f, view.getSize());
    return bounds.intersects(visible);
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

void Room::loadShaders()
{
    // A room is built (and sometimes discarded for another pick) before it is ever
    // drawn, so its shaders are compiled on its first frame, once.
    if (shadersRequested_)
        return;
    shadersRequested_ = true;
    if (!sf::Shader::isAvailable())
    {
        Logger::Warning("Shaders are not available: rooms are drawn without them");
        return;
    }
    sf::Shader* shaders[5] = {&treeShader, &reflectionShader, &wavesShader, &doorShader, &shadowShader};
    const char* files[5] = {kTreeShader, kReflectionShader, kWavesShader, kDoorShader, kShadowShader};
    for (int i = 0; i < 5; ++i)
    {
        shadersLoaded_[i] = shaders[i]->loadFromFile(files[i], sf::Shader::Fragment);
        if (!shadersLoaded_[i])
            Logger::Warning(std::string("Failed to load shader ") + files[i]);
    }
    lightingLoaded_ = lightingShader_.loadFromFile(kLightingShader, sf::Shader::Fragment);
    if (!lightingLoaded_)
        Logger::Warning(std::string("Failed to load shader ") + kLightingShader);
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
        room->background = TextureManager::getSprite("bg_" + name.substr(0, 2));

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

        // The trader of Shop rooms belongs to the trade layer, which is not in the game
        // yet; a Shop room stands empty of it until then.

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

float Room::flickerWeight(float seconds, int& sampleIndex)
{
    const float f = 10.f * seconds;
    const float whole = std::floor(f);
    sampleIndex = static_cast<int>(whole);
    return (1.f - std::cos(3.14159265358979f * (f - whole))) / 2.f;
}

void Room::setLightingUniforms()
{
    int index = 0;
    const float w = flickerWeight(flickerClock().getElapsedTime().asSeconds(), index);
    sf::Glsl::Vec2 positions[10];
    sf::Glsl::Vec4 colours[10];
    float delta[10];
    for (std::size_t k = 0; k < lights.size(); ++k)
    {
        const LightSlot& slot = lights[k];
        positions[k] = sf::Glsl::Vec2(slot.position);
        colours[k] = sf::Glsl::Vec4(slot.colour[0], slot.colour[1], slot.colour[2], slot.colour[3]);
        delta[k] = (1.f - w) * slot.samples[static_cast<std::size_t>(index % 25)] +
                   w * slot.samples[static_cast<std::size_t>((index + 1) % 25)];
    }
    lightingShader_.setUniform("resolution",
                               sf::Glsl::Vec2(static_cast<float>(pictureSize_.x), static_cast<float>(pictureSize_.y)));
    lightingShader_.setUniformArray("lightPos", positions, 10);
    lightingShader_.setUniformArray("lightColor", colours, 10);
    lightingShader_.setUniformArray("deltaIntensity", delta, 10);
}

const sf::IntRect* Room::opaquePictureArea()
{
    // Whatever lies under the opaque part of the picture never shows. Room pictures
    // are opaque but for a soft band along their edge, so the part is found from
    // the middle row and column and then checked whole; reading a picture back costs
    // a few milliseconds, once per picture.
    static std::map<std::string, sf::IntRect> known;
    const sf::Texture* texture = picture.getTexture();
    if (!texture || !backgroundClippingEnabled())
        return nullptr;
    auto it = known.find(pictureKey_);
    if (it == known.end())
    {
        const sf::Image image = texture->copyToImage();
        const sf::Uint8* pixels = image.getPixelsPtr();
        const int w = static_cast<int>(image.getSize().x), h = static_cast<int>(image.getSize().y);
        auto opaque = [&](int x, int y) { return pixels[(static_cast<std::size_t>(y) * w + x) * 4 + 3] == 255; };
        sf::IntRect area;
        if (pixels && w > 0 && h > 0)
        {
            int left = 0, right = w, top = 0, bottom = h;
            while (left < w && !opaque(left, h / 2))
                ++left;
            while (right > left && !opaque(right - 1, h / 2))
                --right;
            while (top < h && !opaque(w / 2, top))
                ++top;
            while (bottom > top && !opaque(w / 2, bottom - 1))
                --bottom;
            const int step = std::max(8, std::min(w, h) / 40);
            for (int attempt = 0; attempt < 8 && left < right && top < bottom; ++attempt)
            {
                bool whole = true;
                for (int y = top; whole && y < bottom; ++y)
                    for (int x = left; whole && x < right; ++x)
                        whole = opaque(x, y);
                if (whole)
                {
                    area = sf::IntRect(left, top, right - left, bottom - top);
                    break;
                }
                left += step;
                right -= step;
                top += step;
                bottom -= step;
            }
        }
        it = known.emplace(pictureKey_, area).first;
    }
    return it->second.width > 0 && it->second.height > 0 ? &it->second : nullptr;
}

namespace
{
// A textured quad over `piece` (window coordinates) of a picture whose top-left
// corner is at `origin` and which is drawn at `scale`.
void addPiece(std::vector<sf::Vertex>& vertices, const sf::FloatRect& piece, sf::Vector2f origin, float scale)
{
    const float left = piece.left, top = piece.top, right = piece.left + piece.width, bottom = piece.top + piece.height;
    auto corner = [&](float x, float y) {
        return sf::Vertex({x, y}, sf::Color::White, {(x - origin.x) / scale, (y - origin.y) / scale});
    };
    vertices.push_back(corner(left, top));
    vertices.push_back(corner(right, top));
    vertices.push_back(corner(left, bottom));
    vertices.push_back(corner(right, top));
    vertices.push_back(corner(right, bottom));
    vertices.push_back(corner(left, bottom));
}

// The quads of a picture laid over `area`, leaving out what `hidden` covers (when set).
void addAround(std::vector<sf::Vertex>& vertices, const sf::FloatRect& area, const sf::FloatRect* hidden, float scale)
{
    const sf::Vector2f origin(area.left, area.top);
    sf::FloatRect covered;
    if (!hidden || !area.intersects(*hidden, covered))
    {
        addPiece(vertices, area, origin, scale);
        return;
    }
    // The bands above and below the hidden part, then the bands left and right of it
    // between those.
    const float areaRight = area.left + area.width, areaBottom = area.top + area.height;
    const float coveredRight = covered.left + covered.width, coveredBottom = covered.top + covered.height;
    if (covered.top > area.top)
        addPiece(vertices, {area.left, area.top, area.width, covered.top - area.top}, origin, scale);
    if (coveredBottom < areaBottom)
        addPiece(vertices, {area.left, coveredBottom, area.width, areaBottom - coveredBottom}, origin, scale);
    if (covered.left > area.left)
        addPiece(vertices, {area.left, covered.top, covered.left - area.left, covered.height}, origin, scale);
    if (coveredRight < areaRight)
        addPiece(vertices, {coveredRight, covered.top, areaRight - coveredRight, covered.height}, origin, scale);
}
} // namespace

sf::FloatRect Room::opaqueScreenArea(const sf::IntRect& opaque, const Camera& camera) const
{
    return sf::FloatRect(
        camera.toScreen(position + sf::Vector2f(static_cast<float>(opaque.left), static_cast<float>(opaque.top))),
        sf::Vector2f(static_cast<float>(opaque.width), static_cast<float>(opaque.height)) * camera.zoom);
}

void Room::drawBackground(sf::RenderTarget& window, const Camera& camera)
{
    const sf::Texture* texture = background.getTexture();
    if (!texture)
        return;
    const sf::Vector2f textureSize(texture->getSize());
    const sf::View& view = window.getView();
    const sf::FloatRect visible(view.getCenter() - view.getSize() / 2.f, view.getSize());

    // The background only shows around the opaque part of the picture: only that is drawn.
    sf::FloatRect pictureArea;
    const sf::IntRect* opaqueArea = opaquePictureArea();
    if (opaqueArea)
        pictureArea = opaqueScreenArea(*opaqueArea, camera);
    const sf::FloatRect* hidden = opaqueArea ? &pictureArea : nullptr;

    backgroundVertices_.clear();
    const sf::Shader* shader = nullptr;
    if (floorIndex_ == 2)
    {
        shader = shadersLoaded_[0] ? &treeShader : nullptr;
        addAround(backgroundVertices_, sf::FloatRect({0.f, 0.f}, textureSize), hidden, 1.f);
    }
    else
    {
        shader = floorIndex_ == 1 && shadersLoaded_[4] ? &shadowShader : nullptr;
        for (int i = 0; i < kBackgroundCells; ++i)
            for (int j = 0; j < kBackgroundCells; ++j)
            {
                const sf::Vector2f cell(kBackgroundOrigin + kBackgroundStep * static_cast<float>(i),
                                        kBackgroundOrigin + kBackgroundStep * static_cast<float>(j));
                const sf::FloatRect tile(camera.toScreen(cell), textureSize * camera.zoom);
                if (tile.intersects(visible))
                    addAround(backgroundVertices_, tile, hidden, camera.zoom);
            }
    }
    if (backgroundVertices_.empty())
        return;
    sf::RenderStates states(texture);
    states.shader = shader;
    window.draw(backgroundVertices_.data(), backgroundVertices_.size(), sf::Triangles, states);
}

void Room::drawPicture(sf::RenderTarget& window, const Camera& camera)
{
    const sf::Texture* texture = picture.getTexture();
    if (!texture)
        return;
    picture.setPosition(camera.toScreen(position));
    picture.setScale(camera.zoom, camera.zoom);
    const sf::FloatRect bounds = picture.getGlobalBounds();
    if (!isOnScreen(window, bounds))
        return;
    const sf::IntRect* opaqueArea = opaquePictureArea();
    if (!opaqueArea || picture.getColor() != sf::Color::White ||
        picture.getTextureRect() != sf::IntRect({0, 0}, sf::Vector2i(texture->getSize())))
    {
        window.draw(picture);
        return;
    }
    // The opaque part is copied without blending, which costs less, and only the soft
    // band around it is blended over what lies below.
    const sf::FloatRect opaque = opaqueScreenArea(*opaqueArea, camera);
    pictureVertices_.clear();
    addAround(pictureVertices_, bounds, &opaque, camera.zoom);
    if (!pictureVertices_.empty())
        window.draw(pictureVertices_.data(), pictureVertices_.size(), sf::Triangles, sf::RenderStates(texture));
    pictureVertices_.clear();
    addPiece(pictureVertices_, opaque, {bounds.left, bounds.top}, camera.zoom);
    sf::RenderStates copy(texture);
    copy.blendMode = sf::BlendNone;
    window.draw(pictureVertices_.data(), pictureVertices_.size(), sf::Triangles, copy);
}

void Room::draw(sf::RenderTarget& window, const Camera& camera)
{
    loadShaders();
    drawBackground(window, camera);

    drawPicture(window, camera);

    sceneOrder_.clear();
    sceneOrder_.reserve(entities.members().size() + props.size() + walls.size());
    for (Entity* entity : entities.members())
        if (!entity->isLeaving())
            sceneOrder_.push_back(entity);
    for (auto& prop : props)
        sceneOrder_.push_back(prop.get());
    for (auto& wall : walls)
        sceneOrder_.push_back(wall.get());
    DepthOrder::sort(sceneOrder_);

    // Puddles lie under everything in the scene, so they go first; the scene is then
    // drawn straight into the window, each element blended once over what lies below.
    for (auto& puddle : waters)
        if (puddle->animation())
            puddle->draw(window, camera);
    for (IWorldPlaceable* placed : sceneOrder_)
        if (auto* drawable = dynamic_cast<IRenderable*>(placed))
            drawable->draw(window, camera);

    sf::FloatRect lightArea;
    sf::Vector2u shaded;
    if (shadeLightLayer(window, camera, lightArea, shaded))
    {
        sf::Sprite layer(lightCanvas_->getTexture(),
                         sf::IntRect(0, 0, static_cast<int>(shaded.x), static_cast<int>(shaded.y)));
        layer.setPosition(lightArea.left, lightArea.top);
        layer.setScale(lightArea.width / static_cast<float>(shaded.x), lightArea.height / static_cast<float>(shaded.y));
        window.draw(layer);
    }
    drawDoors(window, camera);
}

void Room::setLightDownscale(unsigned factor)
{
    lightDownscale() = std::max(1u, factor);
}

void Room::setBackgroundClipping(bool enabled)
{
    backgroundClippingEnabled() = enabled;
}

bool Room::shadeLightLayer(const sf::RenderTarget& window, const Camera& camera, sf::FloatRect& area,
                           sf::Vector2u& shaded)
{
    if (!lightingLoaded_ || pictureSize_.x == 0 || pictureSize_.y == 0)
        return false;
    const sf::Vector2f topLeft = camera.toScreen(position);
    const sf::FloatRect whole(topLeft, sf::Vector2f(static_cast<float>(pictureSize_.x) * camera.zoom,
                                                    static_cast<float>(pictureSize_.y) * camera.zoom));
    const sf::View& view = window.getView();
    const sf::FloatRect visible(view.getCenter() - view.getSize() / 2.f, view.getSize());
    if (!whole.intersects(visible, area))
        return false;
    setLightingUniforms();

    // The light layer is smooth (wide pools, a soft vignette): only the part of it on
    // screen is shaded, on a canvas a quarter of the window's size, and each texel
    // laid over a 4 x 4 block of the window. Across a block the layer changes by less
    // than a colour level, so the blocks do not show, and it costs a sixteenth of the
    // shading work, which would otherwise dominate the frame on software renderers.
    const unsigned downscale = lightDownscale();
    const sf::Vector2u canvasSize(
        static_cast<unsigned>(std::ceil(view.getSize().x / static_cast<float>(downscale))) + 1,
        static_cast<unsigned>(std::ceil(view.getSize().y / static_cast<float>(downscale))) + 1);
    if (!lightCanvas_ || lightCanvas_->getSize() != canvasSize)
    {
        lightCanvas_ = std::make_unique<sf::RenderTexture>();
        if (!lightCanvas_->create(canvasSize.x, canvasSize.y))
        {
            lightCanvas_.reset();
            return false;
        }
    }
    auto texels = [&](float pixels, unsigned most)
    { return std::clamp(static_cast<unsigned>(std::ceil(pixels / static_cast<float>(downscale))), 1u, most); };
    shaded = sf::Vector2u(texels(area.width, canvasSize.x), texels(area.height, canvasSize.y));

    // The shader reads only its texture coordinates, 0 to 1 over the whole picture:
    // the quad carries those of the visible part. It is written as shaded (no
    // blending), then laid over the scene with ordinary alpha blending.
    const sf::Vector2f from((area.left - whole.left) / whole.width, (area.top - whole.top) / whole.height);
    const sf::Vector2f to((area.left + area.width - whole.left) / whole.width,
                          (area.top + area.height - whole.top) / whole.height);
    const sf::Vector2f extent(shaded);
    const sf::Color clear = sf::Color::Transparent;
    const sf::Vertex quad[4] = {
        sf::Vertex({0.f, 0.f}, clear, {from.x, from.y}),
        sf::Vertex({extent.x, 0.f}, clear, {to.x, from.y}),
        sf::Vertex({0.f, extent.y}, clear, {from.x, to.y}),
        sf::Vertex(extent, clear, {to.x, to.y}),
    };
    sf::RenderStates shading(&lightingShader_);
    shading.blendMode = sf::BlendNone;
    lightCanvas_->draw(quad, 4, sf::TriangleStrip, shading);
    lightCanvas_->display();
    return true;
}

void Room::drawDoors(sf::RenderTarget& window, const Camera& camera)
{
    const bool cleared = isCleared();
    const Entity* walker = player();
    for (const Door& door : doors)
    {
        sf::Sprite sprite =
            TextureManager::getSprite(name + "_" + std::to_string(door.direction), ORIGIN_CENTER_X | ORIGIN_CENTER_Y);
        sprite.setPosition(camera.toScreen(door.position + door.spriteDelta));
        sprite.setScale(camera.zoom, camera.zoom);

        if (walker && door.target && cleared && floor_)
        {
            const sf::Vector2f d = walker->getPosition() - door.position;
            if (d.x * d.x + d.y * d.y < kPreviewReachSquared)
                floor_->drawExitPreview(window, camera, door);
        }

        if (!sprite.getTexture() || !isOnScreen(window, sprite.getGlobalBounds()))
            continue;
        const bool opening = door.output && cleared && (door.target || type == ROOM_BOSS) && shadersLoaded_[3];
        if (opening)
        {
            doorShader.setUniform("timer", secondsSinceCleared());
            doorShader.setUniform("texture", sf::Shader::CurrentTexture);
            window.draw(sprite, &doorShader);
        }
        else
        {
            window.draw(sprite);
        }
    }
}
