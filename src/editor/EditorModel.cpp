#include "editor/EditorModel.h"

#include "core/Logger.h"
#include "core/Platform.h"
#include "core/RoomNameRegistry.h"
#include "core/TextureManager.h"
#include "world/PropRegistry.h"
#include "world/Wall.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <utility>

namespace
{
bool listed(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool hasDoor(const RoomTemplate& room, int direction, bool input, bool output)
{
    return std::any_of(room.doors.begin(), room.doors.end(),
                       [&](const DoorRecord& d)
                       { return d.direction == direction && (!input || d.input) && (!output || d.output); });
}

bool isTutorialRoom(const std::string& name)
{
    for (int type = ROOM_NORMAL; type <= ROOM_SOUL; ++type)
        if (listed(RoomNameRegistry::names(type, TUTORIAL_FLOOR), name))
            return true;
    return false;
}

// The outline without one vertex, at the same anchor.
Polygon withoutVertex(const Polygon& polygon, std::size_t index)
{
    std::vector<sf::Vector2f> local;
    for (std::size_t i = 0; i < polygon.vertexCount(); ++i)
        if (i != index)
            local.push_back(polygon.point(i) - polygon.getPosition());
    return Polygon(local, polygon.getPosition());
}

template <typename T> void eraseAt(std::vector<T>& list, std::size_t index)
{
    if (index < list.size())
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
}
} // namespace

EditorModel::EditorModel(std::vector<std::string> enemyNames, std::string roomsDirectory)
    : enemyNames_(std::move(enemyNames)), directory_(std::move(roomsDirectory))
{
}

std::string EditorModel::nameProblem(const std::string& name)
{
    if (name.empty())
        return "Type a room name first";
    if (name.size() > RoomTemplate::kMaxNameLength)
        return "A room name has at most " + std::to_string(RoomTemplate::kMaxNameLength) + " characters";
    if (!RoomTemplate::isValidName(name))
        return "A room name may only hold letters, digits, \"_\" and \"-\"";
    return "";
}

std::string EditorModel::playProblem(const RoomTemplate& room)
{
    if (room.boundary.vertexCount() < 3)
        return "the room outline needs at least 3 vertices";
    if (room.type < ROOM_NORMAL || room.type > ROOM_SOUL)
        return "the room type " + std::to_string(room.type) + " is not one the game knows";
    if (room.minEnemies < 0 || room.maxEnemies < 0)
        return "the enemy bounds must not be negative";
    const int fewest = std::min(room.minEnemies, room.maxEnemies);
    if (static_cast<std::size_t>(fewest) > room.spawners.size())
        return "the room asks for at least " + std::to_string(fewest) + " enemies but has " +
               std::to_string(room.spawners.size()) + " spawners";
    for (std::size_t i = 0; i < room.spawners.size(); ++i)
    {
        const auto& enemies = room.spawners[i].enemies;
        if (std::none_of(enemies.begin(), enemies.end(), [](const auto& e) { return e.second; }))
            return "Spawner #" + std::to_string(i) + " has no enemy kind";
    }

    // Every floor is first entered at a Bottom door, and so is a room reached through a Top door.
    if (!hasDoor(room, DOOR_BOTTOM, true, false))
        return "the room needs a Bottom door marked Input (the player enters there)";
    const std::string label = kRoomTypeLabels[static_cast<std::size_t>(room.type)];
    if (room.type == ROOM_BOSS || isTutorialRoom(room.name))
    {
        // The boss's Top door leads to the next floor; a tutorial room's to the next lesson.
        if (!hasDoor(room, DOOR_TOP, false, true))
            return "a " + std::string(room.type == ROOM_BOSS ? "Boss" : "tutorial") +
                   " room needs a Top door marked Output";
        return "";
    }
    // Any other room may get a child on each side and be entered from its left or right.
    if (!hasDoor(room, DOOR_LEFT, true, true))
        return "a " + label + " room needs a Left door marked Input and Output";
    if (!hasDoor(room, DOOR_RIGHT, true, true))
        return "a " + label + " room needs a Right door marked Input and Output";
    if (!hasDoor(room, DOOR_TOP, false, true))
        return "a " + label + " room needs a Top door marked Output";
    return "";
}

void EditorModel::setMessage(const std::string& text, bool error)
{
    message_ = {text, error};
}

void EditorModel::resetEditState()
{
    room = RoomTemplate{};
    camera = Camera{};
    showEvil = true;
    showOutline = showDoors = showProps = showSpawners = showWaters = showWalls = true;
    stopPlacing();
    removals_.clear();
}

bool EditorModel::editRoom(const std::string& name)
{
    if (const std::string problem = nameProblem(name); !problem.empty())
    {
        Logger::Error("Room editor: cannot open \"" + name + "\": " + problem);
        setMessage(problem, true);
        return false;
    }
    const std::string path = directory_ + name + ".json";
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored))
    {
        Logger::Error("Room editor: no room file " + path);
        setMessage("There is no room named \"" + name + "\" in " + directory_, true);
        return false;
    }
    RoomTemplate loaded;
    try
    {
        loaded = RoomTemplate::load(path, enemyNames_);
    }
    catch (const std::exception& error)
    {
        Logger::Error("Room editor: cannot read " + path + ": " + error.what());
        setMessage("Cannot read room \"" + name + "\": " + error.what(), true);
        return false;
    }

    resetEditState();
    room = std::move(loaded);
    std::string note;
    if (room.name != name)
    {
        // The file's stem is the room's name; saving writes the file that was opened.
        Logger::Warning("Room file " + path + " names itself \"" + room.name + "\"; it is edited as \"" + name + "\"");
        note = " (its \"name\" said \"" + room.name + "\")";
        room.name = name;
    }
    for (const RoomTemplate::Spawner& spawner : room.spawners)
        for (const auto& [enemy, selected] : spawner.enemies)
            if (selected && !listed(enemyNames_, enemy))
            {
                Logger::Warning("Room " + name + ": spawner enemy \"" + enemy + "\" is not a known kind; it is kept");
                note += " (unknown enemy \"" + enemy + "\" kept)";
            }
    // The view opens on the room's floor rather than on its top-left corner.
    if (room.boundary.vertexCount() > 0)
    {
        sf::Vector2f low = room.boundary.point(0), high = low;
        for (std::size_t i = 1; i < room.boundary.vertexCount(); ++i)
        {
            const sf::Vector2f p = room.boundary.point(i);
            low = {std::min(low.x, p.x), std::min(low.y, p.y)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y)};
        }
        camera.centre = (low + high) / 2.f;
    }
    page_ = Page::Editing;
    Logger::Info("Room editor: editing " + path);
    setMessage("Editing room \"" + name + "\"" + note, false);
    return true;
}

bool EditorModel::createRoom(const std::string& name, const std::string& textureKey)
{
    if (const std::string problem = nameProblem(name); !problem.empty())
    {
        Logger::Error("Room editor: cannot create \"" + name + "\": " + problem);
        setMessage(problem, true);
        return false;
    }
    resetEditState();
    room.name = name;
    room.texture = textureKey;
    page_ = Page::Editing;
    std::string text = "New room \"" + name + "\"";
    bool warning = false;
    if (const sf::Texture* picture = TextureManager::getTexture(textureKey))
        camera.centre = sf::Vector2f(picture->getSize()) / 2.f;
    else
    {
        Logger::Warning("Room editor: texture \"" + textureKey + "\" is not loaded; the room picture is empty");
        text += ": texture \"" + textureKey + "\" is not loaded, the picture is empty";
        warning = true;
    }
    std::error_code ignored;
    if (std::filesystem::exists(directory_ + name + ".json", ignored))
    {
        text += "; saving will replace the existing room of that name";
        warning = true;
    }
    setMessage(text, warning);
    return true;
}

bool EditorModel::save()
{
    if (const std::string problem = nameProblem(room.name); !problem.empty())
    {
        Logger::Error("Room editor: cannot save \"" + room.name + "\": " + problem);
        setMessage("Not saved: " + problem, true);
        return false;
    }
    if (const std::string problem = playProblem(room); !problem.empty())
    {
        Logger::Error("Room editor: not saving " + room.name + ": " + problem);
        setMessage("Not saved: " + problem, true);
        return false;
    }
    // An installed game's templates belong to its package: they are never written.
    std::filesystem::path rooms = std::filesystem::absolute(directory_);
    if (!rooms.has_filename())
        rooms = rooms.parent_path();
    const std::filesystem::path root = rooms.parent_path().parent_path();
    if (Platform::isInstalledContent(root) || !Platform::isWritable(directory_))
    {
        Logger::Error("Room editor: not saving " + room.name + ": the room templates of " + directory_ +
                      " are read-only");
        setMessage("Not saved: the room templates of this game are read-only", true);
        return false;
    }
    std::string why;
    if (!room.save(directory_, &why))
    {
        setMessage("Not saved: " + why, true);
        return false;
    }
    setMessage("Saved " + directory_ + room.name + ".json", false);
    return true;
}

void EditorModel::backToStart()
{
    stopPlacing();
    page_ = Page::Start;
}

void EditorModel::update(float dt, const HeldKeys& keys, sf::Vector2f mouseWorld)
{
    if (keys.zoomOut)
        camera.zoom = std::clamp(camera.zoom - dt, kMinZoom, kMaxZoom);
    else if (keys.zoomIn)
        camera.zoom = std::clamp(camera.zoom + dt, kMinZoom, kMaxZoom);
    if (keys.panUp)
        camera.centre.y -= kPanSpeed * dt;
    else if (keys.panDown)
        camera.centre.y += kPanSpeed * dt;
    if (keys.panLeft)
        camera.centre.x -= kPanSpeed * dt;
    else if (keys.panRight)
        camera.centre.x += kPanSpeed * dt;
    follower_ = mouseWorld;
}

void EditorModel::stopPlacing()
{
    placing_ = Placing::None;
    placingStatic_ = true;
    selectedProp_.clear();
    selectedWater_.clear();
    selectedWall_.clear();
    currentWall_.reset();
    currentCollection_.reset();
    zone_ = Polygon();
}

void EditorModel::startPlacing(Placing mode)
{
    stopPlacing();
    placing_ = mode;
}

void EditorModel::startStaticProps()
{
    startPlacing(Placing::Props);
    placingStatic_ = true;
}

void EditorModel::startCollectionItems(std::size_t collection)
{
    if (collection >= room.collections.size())
        return;
    startPlacing(Placing::Props);
    placingStatic_ = false;
    currentCollection_ = collection;
}

void EditorModel::startWallOutline(std::size_t wall)
{
    if (wall >= room.walls.size())
        return;
    startPlacing(Placing::WallOutline);
    currentWall_ = wall;
}

void EditorModel::startZone()
{
    startPlacing(Placing::Zone);
}

void EditorModel::selectProp(const std::string& name)
{
    if (PropRegistry::find(name))
        selectedProp_ = name;
}

void EditorModel::selectWater(const std::string& name)
{
    if (WaterRegistry::find(name))
        selectedWater_ = name;
}

void EditorModel::selectWall(const std::string& name)
{
    if (WallRegistry::find(name))
        selectedWall_ = name;
}

bool EditorModel::placesOnTheFloor() const
{
    return placing_ != Placing::None && placing_ != Placing::Vertices;
}

bool EditorModel::click(Click button, sf::Vector2f p, bool controlHeld)
{
    if (page_ != Page::Editing || placing_ == Placing::None)
        return false;
    const bool left = button == Click::Left;
    if (left && placesOnTheFloor() && !controlHeld && !room.boundary.contains(p))
        return false;
    if (!left)
    {
        switch (placing_)
        {
        case Placing::Props:
            // The first right click puts the prototype down, the second ends the mode.
            if (!selectedProp_.empty())
            {
                selectedProp_.clear();
                return true;
            }
            stopPlacing();
            return true;
        case Placing::Zone:
            if (zone_.vertexCount() >= 3)
                room.restricted.push_back(zone_);
            else if (zone_.vertexCount() > 0)
                setMessage("A restricted area needs at least 3 vertices; this one was dropped", true);
            stopPlacing();
            return true;
        default:
            stopPlacing();
            return true;
        }
    }

    switch (placing_)
    {
    case Placing::Vertices:
        room.boundary.addPoint(p);
        return true;
    case Placing::Doors:
        room.doors.push_back(DoorRecord{p, DOOR_TOP, true, true, {0.f, 0.f}});
        return true;
    case Placing::Props:
        if (selectedProp_.empty())
            return false;
        if (placingStatic_)
        {
            RoomTemplate::StaticProp prop;
            prop.position = p;
            prop.prop = selectedProp_;
            room.staticProps.push_back(std::move(prop));
            return true;
        }
        if (!currentCollection_ || *currentCollection_ >= room.collections.size())
            return false;
        room.collections[*currentCollection_].items.push_back(RoomTemplate::PropItem{p, selectedProp_, 100, false});
        return true;
    case Placing::Spawners:
        room.spawners.push_back(RoomTemplate::makeSpawner(p, enemyNames_));
        return true;
    case Placing::Waters:
        if (selectedWater_.empty())
            return false;
        room.waters.push_back(WaterRecord{p, selectedWater_});
        return true;
    case Placing::Walls:
    {
        const Wall* prototype = selectedWall_.empty() ? nullptr : WallRegistry::find(selectedWall_);
        if (!prototype)
            return false;
        RoomTemplate::Wall wall;
        wall.position = p;
        wall.texture = selectedWall_;
        const Polygon& shape = prototype->outline();
        std::vector<sf::Vector2f> local;
        for (std::size_t i = 0; i < shape.vertexCount(); ++i)
            local.push_back(shape.point(i) - shape.getPosition());
        wall.outline = Polygon(local, p);
        room.walls.push_back(std::move(wall));
        return true;
    }
    case Placing::WallOutline:
    {
        if (!currentWall_ || *currentWall_ >= room.walls.size())
            return false;
        Polygon& outline = room.walls[*currentWall_].outline;
        outline.addPoint(p - outline.getPosition());
        return true;
    }
    case Placing::Zone:
        zone_.addPoint(p);
        return true;
    case Placing::None:
        break;
    }
    return false;
}

void EditorModel::addCollection()
{
    room.collections.emplace_back();
}

void EditorModel::requestRemoval(List list, std::size_t index, std::size_t item)
{
    removals_.push_back({list, index, item, false});
}

void EditorModel::requestClear(List list, std::size_t index)
{
    removals_.push_back({list, index, 0, true});
}

void EditorModel::forgetOrShift(std::optional<std::size_t>& remembered, std::size_t erased)
{
    if (!remembered)
        return;
    if (*remembered == erased)
        remembered.reset();
    else if (*remembered > erased)
        --*remembered;
}

void EditorModel::removeNow(const Removal& r)
{
    switch (r.list)
    {
    case List::Boundary:
        room.boundary = r.wholeList ? Polygon() : withoutVertex(room.boundary, r.index);
        break;
    case List::Doors:
        r.wholeList ? room.doors.clear() : eraseAt(room.doors, r.index);
        break;
    case List::StaticProps:
        r.wholeList ? room.staticProps.clear() : eraseAt(room.staticProps, r.index);
        break;
    case List::Collections:
        if (r.wholeList)
        {
            room.collections.clear();
            currentCollection_.reset();
        }
        else
        {
            eraseAt(room.collections, r.index);
            forgetOrShift(currentCollection_, r.index);
        }
        if (placing_ == Placing::Props && !placingStatic_ && !currentCollection_)
            stopPlacing();
        break;
    case List::CollectionItems:
        if (r.index < room.collections.size())
        {
            auto& items = room.collections[r.index].items;
            r.wholeList ? items.clear() : eraseAt(items, r.item);
        }
        break;
    case List::Spawners:
        r.wholeList ? room.spawners.clear() : eraseAt(room.spawners, r.index);
        break;
    case List::Waters:
        r.wholeList ? room.waters.clear() : eraseAt(room.waters, r.index);
        break;
    case List::Walls:
        if (r.wholeList)
        {
            room.walls.clear();
            currentWall_.reset();
        }
        else
        {
            eraseAt(room.walls, r.index);
            forgetOrShift(currentWall_, r.index);
        }
        if (placing_ == Placing::WallOutline && !currentWall_)
            stopPlacing();
        break;
    case List::WallOutline:
        if (r.index < room.walls.size())
        {
            Polygon& outline = room.walls[r.index].outline;
            outline = r.wholeList ? Polygon({}, outline.getPosition()) : withoutVertex(outline, r.item);
        }
        break;
    case List::Zones:
        r.wholeList ? room.restricted.clear() : eraseAt(room.restricted, r.index);
        break;
    case List::ZoneOutline:
        if (r.index < room.restricted.size())
        {
            Polygon& zone = room.restricted[r.index];
            zone = r.wholeList ? Polygon() : withoutVertex(zone, r.item);
        }
        break;
    }
}

void EditorModel::applyRemovals()
{
    // Later entries first, so an earlier removal never shifts a later one's index.
    std::stable_sort(removals_.begin(), removals_.end(),
                     [](const Removal& a, const Removal& b)
                     { return std::pair(a.index, a.item) > std::pair(b.index, b.item); });
    for (const Removal& r : removals_)
        removeNow(r);
    removals_.clear();
}

std::string EditorModel::shownTextureKey() const
{
    if (room.karmaDependent)
    {
        const std::string& variant = showEvil ? room.evilTexture : room.goodTexture;
        if (!variant.empty() && TextureManager::isPresent(variant))
            return variant;
    }
    return room.texture;
}
