// The room editor's edits without a window: camera, placing modes and their
// clicks, the start page's name rule, loading errors, save refusals, atomic
// saving, the reset between rooms and deletions by index.
#include "editor/EditorModel.h"
#include "core/JsonReader.h"
#include "core/RoomNameRegistry.h"
#include "support/TestSupport.h"
#include "world/PropRegistry.h"
#include "world/RoomFile.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

#include <json/value.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;
using Placing = EditorModel::Placing;
using Click = EditorModel::Click;
using List = EditorModel::List;

const std::vector<std::string> kEnemies{"Kahiyu", "Zeyn", "Nazar"};

std::string slurp(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A square floor from (0, 0) to (1000, 1000).
void squareOutline(RoomTemplate& room)
{
    room.boundary = Polygon({{0.f, 0.f}, {1000.f, 0.f}, {1000.f, 1000.f}, {0.f, 1000.f}});
}

// A boss room the game can play: outline, Bottom entrance, Top exit, one Zeyn spawner.
RoomTemplate playableBossRoom(const std::string& name)
{
    RoomTemplate room;
    room.name = name;
    room.type = ROOM_BOSS;
    room.texture = "ff_boss";
    squareOutline(room);
    room.doors.push_back({{500.f, 950.f}, DOOR_BOTTOM, true, false, {}});
    room.doors.push_back({{500.f, 50.f}, DOOR_TOP, false, true, {}});
    room.spawners.push_back(RoomTemplate::makeSpawner({500.f, 500.f}, kEnemies));
    room.spawners.back().enemies[1].second = true;
    room.minEnemies = 1;
    room.maxEnemies = 1;
    return room;
}

class EditorModelTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        RoomNameRegistry::fill();
        PropRegistry::clear();
        PropRegistry::registerProps();
        WaterRegistry::clear();
        WaterRegistry::registerPuddles();
        WallRegistry::clear();
        WallRegistry::registerWalls();
    }
    static void TearDownTestSuite()
    {
        PropRegistry::clear();
        WaterRegistry::clear();
        WallRegistry::clear();
    }
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::path(::testing::TempDir()) / (std::string("umbravale_editor_") + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "Rooms");
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string rooms() const { return (dir / "Rooms").string() + "/"; }
    void write(const std::string& name, const std::string& text) const
    {
        std::ofstream(dir / "Rooms" / (name + ".json"), std::ios::binary) << text;
    }
    // An editor on the test's rooms folder, editing a blank room with a square floor.
    EditorModel editingSquare() const
    {
        EditorModel model(kEnemies, rooms());
        EXPECT_TRUE(model.createRoom("square", "no_such_texture"));
        squareOutline(model.room);
        return model;
    }

    fs::path dir;
    LogCapture log;
};

TEST_F(EditorModelTest, ZoomStopsAtItsBoundsHoweverLongTheKeyIsHeld)
{
    EditorModel model(kEnemies, rooms());
    EditorModel::HeldKeys in;
    in.zoomIn = true;
    for (int i = 0; i < 600; ++i)
        model.update(1.f / 60.f, in, {});
    EXPECT_FLOAT_EQ(model.camera.zoom, 5.f);
    model.update(100.f, in, {});
    EXPECT_FLOAT_EQ(model.camera.zoom, 5.f);

    EditorModel::HeldKeys out;
    out.zoomOut = true;
    out.zoomIn = true; // Down wins when both are held
    model.update(100.f, out, {});
    EXPECT_FLOAT_EQ(model.camera.zoom, 0.05f);
    for (int i = 0; i < 600; ++i)
        model.update(1.f / 60.f, out, {});
    EXPECT_FLOAT_EQ(model.camera.zoom, 0.05f);
}

TEST_F(EditorModelTest, PanMovesAThousandWorldUnitsASecondAndTheFollowerTracksTheMouse)
{
    EditorModel model(kEnemies, rooms());
    EditorModel::HeldKeys keys;
    keys.panUp = true;
    keys.panLeft = true;
    model.update(0.5f, keys, {12.f, 34.f});
    EXPECT_FLOAT_EQ(model.camera.centre.x, -500.f);
    EXPECT_FLOAT_EQ(model.camera.centre.y, -500.f);
    EXPECT_EQ(model.followerPosition(), sf::Vector2f(12.f, 34.f));
    keys = {};
    keys.panDown = true;
    keys.panRight = true;
    model.update(0.25f, keys, {});
    EXPECT_FLOAT_EQ(model.camera.centre.x, -250.f);
    EXPECT_FLOAT_EQ(model.camera.centre.y, -250.f);
}

// How many elements the mode's list holds.
std::size_t placedCount(const EditorModel& model, Placing mode)
{
    const RoomTemplate& r = model.room;
    switch (mode)
    {
    case Placing::Vertices:
        return r.boundary.vertexCount();
    case Placing::Doors:
        return r.doors.size();
    case Placing::Props:
        return r.staticProps.size();
    case Placing::Spawners:
        return r.spawners.size();
    case Placing::Waters:
        return r.waters.size();
    case Placing::Walls:
        return r.walls.size();
    case Placing::WallOutline:
        return r.walls.empty() ? 0 : r.walls[0].outline.vertexCount();
    case Placing::Zone:
        return model.zoneBeingDrawn().vertexCount();
    case Placing::None:
        break;
    }
    return 0;
}

// Starts `mode` the way its add button does, with a prototype chosen where it needs one.
void start(EditorModel& model, Placing mode)
{
    switch (mode)
    {
    case Placing::Props:
        model.startStaticProps();
        model.selectProp("pot_01");
        break;
    case Placing::Waters:
        model.startPlacing(mode);
        model.selectWater("lake");
        break;
    case Placing::Walls:
        model.startPlacing(mode);
        model.selectWall("tf_boss_wall_1");
        break;
    case Placing::WallOutline:
        if (model.room.walls.empty())
            model.room.walls.push_back({{500.f, 500.f}, "tf_boss_wall_1", Polygon({}, {500.f, 500.f})});
        model.startWallOutline(0);
        break;
    case Placing::Zone:
        model.startZone();
        break;
    default:
        model.startPlacing(mode);
        break;
    }
}

const Placing kModes[] = {Placing::Vertices, Placing::Doors, Placing::Props,       Placing::Spawners,
                          Placing::Waters,   Placing::Walls, Placing::WallOutline, Placing::Zone};

TEST_F(EditorModelTest, OutsideTheOutlineOnlyLeftControlPlaces)
{
    const sf::Vector2f outside(1500.f, 200.f);
    for (Placing mode : kModes)
    {
        SCOPED_TRACE(static_cast<int>(mode));
        EditorModel model = editingSquare();
        start(model, mode);
        const std::size_t before = placedCount(model, mode);
        const bool placed = model.click(Click::Left, outside, false);
        // The outline itself is drawn anywhere.
        const bool anywhere = mode == Placing::Vertices;
        EXPECT_EQ(placed, anywhere);
        EXPECT_EQ(placedCount(model, mode), before + (anywhere ? 1 : 0));
        EXPECT_TRUE(model.click(Click::Left, outside, true));
        EXPECT_EQ(placedCount(model, mode), before + (anywhere ? 2 : 1));
        EXPECT_EQ(model.placing(), mode) << "placing goes on after a click";
    }
}

TEST_F(EditorModelTest, LeftClicksPlaceWhatEachModeSaysAndRightClicksEndIt)
{
    const sf::Vector2f p(300.f, 400.f);
    for (Placing mode : kModes)
    {
        SCOPED_TRACE(static_cast<int>(mode));
        EditorModel model = editingSquare();
        start(model, mode);
        const std::size_t before = placedCount(model, mode);
        ASSERT_TRUE(model.click(Click::Left, p, false));
        ASSERT_EQ(placedCount(model, mode), before + 1);
        model.click(Click::Left, p + sf::Vector2f(100.f, 0.f), false);
        model.click(Click::Left, p + sf::Vector2f(100.f, 100.f), false);
        model.click(Click::Right, p, false);
        if (mode == Placing::Props)
        {
            // The first right click puts the prototype down; a left click then places nothing.
            EXPECT_EQ(model.placing(), Placing::Props);
            EXPECT_TRUE(model.selectedProp().empty());
            EXPECT_FALSE(model.click(Click::Left, p, false));
            model.click(Click::Right, p, false);
        }
        EXPECT_EQ(model.placing(), Placing::None);
    }

    // What each placed element holds.
    EditorModel model = editingSquare();
    start(model, Placing::Doors);
    model.click(Click::Left, p, false);
    const DoorRecord& door = model.room.doors.back();
    EXPECT_EQ(door.position, p);
    EXPECT_EQ(door.direction, DOOR_TOP);
    EXPECT_TRUE(door.input && door.output);
    EXPECT_EQ(door.spriteDelta, sf::Vector2f());

    start(model, Placing::Props);
    model.click(Click::Left, p, false);
    const RoomTemplate::StaticProp& prop = model.room.staticProps.back();
    EXPECT_EQ(prop.prop, "pot_01");
    EXPECT_TRUE(prop.neutral && !prop.good && !prop.evil && !prop.hidden);

    model.addCollection();
    model.startCollectionItems(0);
    model.selectProp("skull_01");
    model.click(Click::Left, p, false);
    ASSERT_EQ(model.room.collections[0].items.size(), 1u);
    EXPECT_EQ(model.room.collections[0].items[0].prop, "skull_01");
    EXPECT_EQ(model.room.collections[0].items[0].chance, 100);
    EXPECT_EQ(model.room.staticProps.size(), 1u) << "a collection's item is not a static prop";

    start(model, Placing::Spawners);
    model.click(Click::Left, p, false);
    EXPECT_EQ(model.room.spawners.back().enemies.size(), kEnemies.size());

    start(model, Placing::Walls);
    model.click(Click::Left, p, false);
    start(model, Placing::WallOutline);
    model.click(Click::Left, p + sf::Vector2f(10.f, 20.f), false);
    const RoomTemplate::Wall& wall = model.room.walls[0];
    ASSERT_EQ(wall.outline.vertexCount(), 1u);
    EXPECT_EQ(wall.outline.point(0) - wall.outline.getPosition(), sf::Vector2f(10.f, 20.f))
        << "a wall's outline is kept relative to the wall";

    start(model, Placing::Zone);
    for (sf::Vector2f z : {sf::Vector2f(100.f, 100.f), sf::Vector2f(200.f, 100.f), sf::Vector2f(200.f, 200.f)})
        model.click(Click::Left, z, false);
    EXPECT_TRUE(model.room.restricted.empty()) << "the zone joins the room on the right click";
    model.click(Click::Right, p, false);
    ASSERT_EQ(model.room.restricted.size(), 1u);
    EXPECT_EQ(model.room.restricted[0].vertexCount(), 3u);
}

TEST_F(EditorModelTest, WatersAndWallsWithoutAChosenPrototypePlaceNothing)
{
    EditorModel model = editingSquare();
    for (Placing mode : {Placing::Waters, Placing::Walls})
    {
        model.startPlacing(mode);
        EXPECT_FALSE(model.click(Click::Left, {500.f, 500.f}, false));
    }
    model.startPlacing(Placing::Walls);
    model.selectWall("no_such_wall");
    EXPECT_TRUE(model.selectedWall().empty()) << "an unregistered name cannot be chosen";
    EXPECT_FALSE(model.click(Click::Left, {500.f, 500.f}, false));
    EXPECT_TRUE(model.room.waters.empty());
    EXPECT_TRUE(model.room.walls.empty());
}

TEST_F(EditorModelTest, EveryAddStopsThePlacingBefore)
{
    EditorModel model = editingSquare();
    model.room.walls.push_back({{500.f, 500.f}, "tf_boss_wall_1", Polygon({}, {500.f, 500.f})});
    model.startWallOutline(0);
    ASSERT_EQ(model.currentWall(), std::optional<std::size_t>(0));
    model.startPlacing(Placing::Waters);
    model.selectWater("lake");
    EXPECT_FALSE(model.currentWall().has_value());
    model.startStaticProps();
    EXPECT_TRUE(model.selectedWater().empty());
    EXPECT_EQ(model.placing(), Placing::Props);
    EXPECT_TRUE(model.placingStatic());
}

TEST_F(EditorModelTest, RoomNamesAreLettersDigitsUnderscoresAndDashes)
{
    const struct
    {
        std::string name;
        bool accepted;
    } cases[] = {
        {"ff_norm1", true},
        {"My-Room_2", true},
        {std::string(63, 'a'), true},
        {"", false},
        {std::string(64, 'a'), false},
        {std::string(300, 'a'), false},
        {"a/b", false},
        {"../ff_norm1", false},
        {"..", false},
        {".", false},
        {"a\\b", false},
        {"two words", false},
        {"salle\xc3\xa9", false},
        {"name.json", false},
        {std::string("nul\0l", 5), false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE("\"" + c.name + "\"");
        EXPECT_EQ(EditorModel::nameProblem(c.name).empty(), c.accepted);
        EditorModel model(kEnemies, rooms());
        EXPECT_EQ(model.createRoom(c.name, "ff_norm1"), c.accepted);
        EXPECT_EQ(model.page(), c.accepted ? EditorModel::Page::Editing : EditorModel::Page::Start);
        if (!c.accepted)
        {
            EXPECT_TRUE(model.message().error);
            EXPECT_FALSE(model.message().text.empty());
            EXPECT_FALSE(model.editRoom(c.name));
        }
    }
    // Nothing was written anywhere: not in the rooms folder, not beside it.
    EXPECT_TRUE(fs::is_empty(dir / "Rooms"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(EditorModelTest, AMissingOrBrokenFileStaysOnTheStartPageWithTheReason)
{
    write("empty", "");
    write("truncated", R"({"name": "truncated", "boundaries": [{"x": 1,)");
    write("array", "[1, 2, 3]");
    write("wrongtype", R"({"name": "wrongtype", "type": "boss"})");
    write("wrongpoint", R"({"boundaries": [{"x": "left", "y": 0}]})");
    for (const char* name : {"missing", "empty", "truncated", "array", "wrongtype", "wrongpoint"})
    {
        SCOPED_TRACE(name);
        EditorModel model(kEnemies, rooms());
        EXPECT_FALSE(model.editRoom(name));
        EXPECT_EQ(model.page(), EditorModel::Page::Start);
        EXPECT_TRUE(model.message().error);
        EXPECT_NE(model.message().text.find(name), std::string::npos) << model.message().text;
    }
    EXPECT_GE(log.count("Error"), 6);
}

TEST_F(EditorModelTest, HugeListsLoadAndSave)
{
    std::string text = R"({"name": "huge", "type": 1, "boundaries": [)";
    for (int i = 0; i < 20000; ++i)
        text += std::string(i ? "," : "") + R"({"x": )" + std::to_string(i % 1000) + R"(, "y": )" +
                std::to_string(i / 1000) + "}";
    text += "]}";
    write("huge", text);
    EditorModel model(kEnemies, rooms());
    ASSERT_TRUE(model.editRoom("huge"));
    EXPECT_EQ(model.room.boundary.vertexCount(), 20000u);
}

TEST_F(EditorModelTest, EditRoomTwiceDiscardsUnsavedChangesAndCreateKeepsNothingOfTheLastRoom)
{
    RoomTemplate stored = playableBossRoom("stored");
    stored.karmaDependent = true;
    stored.evilTexture = "ff_boss_bad";
    stored.goodTexture = "ff_boss_good";
    stored.restricted.push_back(Polygon({{10.f, 10.f}, {60.f, 10.f}, {60.f, 60.f}}));
    ASSERT_TRUE(stored.save(rooms()));

    EditorModel model(kEnemies, rooms());
    ASSERT_TRUE(model.editRoom("stored"));
    const Json::Value original = model.room.toJson();
    model.startPlacing(Placing::Vertices);
    model.click(Click::Left, {5.f, 5.f}, false);
    model.startPlacing(Placing::Doors);
    model.click(Click::Left, {500.f, 500.f}, false);
    model.room.type = ROOM_SHOP;
    model.showOutline = false;
    ASSERT_TRUE(model.editRoom("stored"));
    EXPECT_EQ(model.room.toJson(), original) << "the second Edit Room reloads the file";
    EXPECT_EQ(model.placing(), Placing::None);
    EXPECT_TRUE(model.showOutline);

    model.startZone();
    model.click(Click::Left, {100.f, 100.f}, false);
    ASSERT_TRUE(model.createRoom("fresh", "ff_norm1"));
    const RoomTemplate& fresh = model.room;
    EXPECT_EQ(fresh.name, "fresh");
    EXPECT_EQ(fresh.texture, "ff_norm1");
    EXPECT_EQ(fresh.boundary.vertexCount(), 0u) << "a new room inherits no outline";
    EXPECT_TRUE(fresh.restricted.empty()) << "a new room inherits no restricted areas";
    EXPECT_EQ(fresh.type, ROOM_NORMAL);
    EXPECT_FALSE(fresh.karmaDependent);
    EXPECT_TRUE(fresh.evilTexture.empty() && fresh.goodTexture.empty());
    EXPECT_EQ(fresh.minEnemies, 0);
    EXPECT_EQ(fresh.maxEnemies, 0);
    EXPECT_TRUE(fresh.doors.empty() && fresh.spawners.empty() && fresh.walls.empty());
    EXPECT_EQ(model.placing(), Placing::None);
    EXPECT_EQ(model.zoneBeingDrawn().vertexCount(), 0u);
}

TEST_F(EditorModelTest, ANewRoomWithoutDoorsIsWrittenWithNullDoorsButTheEditorWillNotSaveIt)
{
    EditorModel model = editingSquare();
    EXPECT_TRUE(model.room.toJson()["doors"].isNull());
    ASSERT_TRUE(model.room.save(rooms()));
    Json::Value saved;
    ASSERT_TRUE(JsonReader::parseFile(rooms() + "square.json", saved));
    EXPECT_TRUE(saved.isMember("doors"));
    EXPECT_TRUE(saved["doors"].isNull());
    EXPECT_TRUE(RoomFile::load(rooms() + "square.json").doors.empty());
    fs::remove(rooms() + "square.json");

    // No player could enter it: the editor says so and writes nothing.
    EXPECT_FALSE(model.save());
    EXPECT_NE(model.message().text.find("Bottom door"), std::string::npos) << model.message().text;
    EXPECT_FALSE(fs::exists(rooms() + "square.json"));
}

TEST_F(EditorModelTest, RoomsTheGameCannotPlayAreRefusedWithTheReason)
{
    const struct
    {
        const char* what;
        void (*spoil)(RoomTemplate&);
        const char* reason;
    } cases[] = {
        {"no outline", [](RoomTemplate& r) { r.boundary = Polygon(); }, "at least 3 vertices"},
        {"two vertices",
         [](RoomTemplate& r) {
             r.boundary = Polygon({{0.f, 0.f}, {10.f, 0.f}});
         },
         "at least 3 vertices"},
        {"more enemies than spawners",
         [](RoomTemplate& r)
         {
             r.minEnemies = 2;
             r.maxEnemies = 4;
         },
         "spawners"},
        {"crossed bounds above the spawners",
         [](RoomTemplate& r)
         {
             r.minEnemies = 5;
             r.maxEnemies = 2;
         },
         "spawners"},
        {"negative bounds", [](RoomTemplate& r) { r.minEnemies = -1; }, "negative"},
        {"a spawner with no kind", [](RoomTemplate& r) { r.spawners[0].enemies[1].second = false; },
         "Spawner #0 has no enemy"},
        {"no entrance", [](RoomTemplate& r) { r.doors[0].input = false; }, "Bottom door"},
        {"a boss with no exit", [](RoomTemplate& r) { r.doors[1].output = false; }, "Top door"},
        {"a normal room with only two doors", [](RoomTemplate& r) { r.type = ROOM_NORMAL; }, "Left door"},
        {"a shop with no right door",
         [](RoomTemplate& r)
         {
             r.type = ROOM_SHOP;
             r.doors.push_back({{50.f, 500.f}, DOOR_LEFT, true, true, {}});
         },
         "Right door"},
        {"an unknown type", [](RoomTemplate& r) { r.type = 9; }, "type"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        EditorModel model(kEnemies, rooms());
        ASSERT_TRUE(model.createRoom("refused", "ff_boss"));
        model.room = playableBossRoom("refused");
        ASSERT_EQ(EditorModel::playProblem(model.room), "");
        c.spoil(model.room);
        EXPECT_FALSE(model.save());
        EXPECT_TRUE(model.message().error);
        EXPECT_NE(model.message().text.find(c.reason), std::string::npos) << model.message().text;
        EXPECT_FALSE(fs::exists(rooms() + "refused.json"));
    }

    // A full normal room passes, and a tutorial room needs only its Top exit.
    RoomTemplate normal = playableBossRoom("normal");
    normal.type = ROOM_NORMAL;
    normal.doors.push_back({{50.f, 500.f}, DOOR_LEFT, true, true, {}});
    normal.doors.push_back({{950.f, 500.f}, DOOR_RIGHT, true, true, {}});
    EXPECT_EQ(EditorModel::playProblem(normal), "");
    RoomTemplate tutorial = playableBossRoom("Tuto_3");
    tutorial.type = ROOM_HEAL;
    EXPECT_EQ(EditorModel::playProblem(tutorial), "");
}

TEST_F(EditorModelTest, SavingWritesAtomicallyAndAnInterruptedSaveLeavesTheOldFileWhole)
{
    EditorModel model(kEnemies, rooms());
    ASSERT_TRUE(model.createRoom("arena", "ff_boss"));
    model.room = playableBossRoom("arena");
    ASSERT_TRUE(model.save()) << model.message().text;
    EXPECT_FALSE(model.message().error);
    const std::string before = slurp(rooms() + "arena.json");
    ASSERT_FALSE(before.empty());

    // The process stops with the new text complete beside the old file, before the rename.
    model.room.doors.push_back({{700.f, 700.f}, DOOR_LEFT, true, true, {}});
    std::string why;
    bool sawTemporary = false;
    EXPECT_FALSE(model.room.save(rooms(), &why,
                                 [&](const std::string& temporary)
                                 {
                                     sawTemporary =
                                         fs::exists(temporary) && fs::path(temporary).parent_path() ==
                                                                      fs::path(rooms() + "arena.json").parent_path();
                                     return false;
                                 }));
    EXPECT_TRUE(sawTemporary) << "the new text is written beside the old file";
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(slurp(rooms() + "arena.json"), before);
    EXPECT_EQ(RoomFile::load(rooms() + "arena.json").doors.size(), 2u);
    for (const auto& entry : fs::directory_iterator(dir / "Rooms"))
        EXPECT_EQ(entry.path().filename(), "arena.json") << "a temporary file was left behind";

    // A folder that cannot be written: the failure is shown and logged.
    EditorModel nowhere(kEnemies, (dir / "missing").string() + "/");
    ASSERT_TRUE(nowhere.createRoom("arena", "ff_boss"));
    nowhere.room = playableBossRoom("arena");
    EXPECT_FALSE(nowhere.save());
    EXPECT_TRUE(nowhere.message().error);
    EXPECT_GE(log.count("Cannot"), 1);
}

TEST_F(EditorModelTest, UnknownEnemyNamesAndTheStemNameSurviveLoadAndSave)
{
    RoomTemplate stored = playableBossRoom("oddity");
    stored.spawners[0].enemies.emplace_back("FutureKind", true);
    ASSERT_TRUE(stored.save(rooms()));
    EditorModel model(kEnemies, rooms());
    ASSERT_TRUE(model.editRoom("oddity"));
    EXPECT_NE(model.message().text.find("FutureKind"), std::string::npos) << model.message().text;
    ASSERT_TRUE(model.save());
    const RoomFile saved = RoomFile::load(rooms() + "oddity.json");
    ASSERT_EQ(saved.spawners.size(), 1u);
    EXPECT_EQ(saved.spawners[0].enemies, (std::vector<std::string>{"Zeyn", "FutureKind"}));

    // The builder draws a listed name by index: the file's order and repeats are kept, and
    // a name ticked in the editor comes after them.
    write("ordered", R"({"spawners": [{"x": 1, "y": 2, "enemies": ["Nazar", "Zeyn", "Nazar"]}]})");
    ASSERT_TRUE(model.editRoom("ordered"));
    model.room.spawners[0].enemies[0].second = true; // Kahiyu
    const Json::Value names = model.room.toJson()["spawners"][0]["enemies"];
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0].asString() + names[1].asString() + names[2].asString() + names[3].asString(),
              "NazarZeynNazarKahiyu");

    // A document naming itself otherwise is edited, and saved, under its file's name.
    write("renamed", R"({"name": "../../elsewhere"})");
    ASSERT_TRUE(model.editRoom("renamed"));
    EXPECT_EQ(model.room.name, "renamed");
}

TEST_F(EditorModelTest, DeletionsWaitForTheListLoopsAndRememberedElementsFollowTheirIndex)
{
    EditorModel model = editingSquare();
    for (float x : {100.f, 200.f, 300.f})
        model.room.walls.push_back({{x, 500.f}, "tf_boss_wall_1", Polygon({}, {x, 500.f})});
    model.startWallOutline(2);

    // Asked for inside the GUI's walk over the walls: nothing moves until it is over.
    for (std::size_t i = 0; i < model.room.walls.size(); ++i)
        if (i == 0)
            model.requestRemoval(List::Walls, i);
    EXPECT_EQ(model.room.walls.size(), 3u);
    model.applyRemovals();
    ASSERT_EQ(model.room.walls.size(), 2u);
    EXPECT_EQ(model.currentWall(), std::optional<std::size_t>(1)) << "still the wall at x = 300";
    model.click(Click::Left, {310.f, 510.f}, false);
    EXPECT_EQ(model.room.walls[1].outline.vertexCount(), 1u);
    EXPECT_EQ(model.room.walls[0].outline.vertexCount(), 0u);

    // Deleting the wall being outlined ends the outline; later clicks touch nothing.
    model.requestRemoval(List::Walls, 1);
    model.applyRemovals();
    EXPECT_EQ(model.placing(), Placing::None);
    EXPECT_FALSE(model.currentWall().has_value());
    EXPECT_FALSE(model.click(Click::Left, {110.f, 510.f}, false));

    // The same for the collection receiving items, and for clearing a whole list.
    model.addCollection();
    model.addCollection();
    model.startCollectionItems(1);
    model.selectProp("pot_02");
    model.requestClear(List::Collections);
    model.applyRemovals();
    EXPECT_EQ(model.placing(), Placing::None);
    EXPECT_FALSE(model.click(Click::Left, {500.f, 500.f}, false));

    // Out-of-range requests are ignored; two deletions in one pass remove the entries asked for.
    model.room.doors = {
        {{1.f, 1.f}, 0, true, true, {}}, {{2.f, 2.f}, 1, true, true, {}}, {{3.f, 3.f}, 2, true, true, {}}};
    model.requestRemoval(List::Doors, 0);
    model.requestRemoval(List::Doors, 2);
    model.requestRemoval(List::Doors, 99);
    model.requestRemoval(List::Boundary, 99);
    model.applyRemovals();
    ASSERT_EQ(model.room.doors.size(), 1u);
    EXPECT_EQ(model.room.doors[0].direction, 1);
    EXPECT_EQ(model.room.boundary.vertexCount(), 4u);
}

TEST_F(EditorModelTest, TheKarmaViewPicksTheLoadedVariant)
{
    EditorModel model = editingSquare();
    EXPECT_NE(model.message().text.find("not loaded"), std::string::npos)
        << "a picture that is not loaded is reported: " << model.message().text;
    model.room.texture = "plain";
    EXPECT_EQ(model.shownTextureKey(), "plain");
    model.room.karmaDependent = true;
    model.room.evilTexture = "not_loaded_bad";
    EXPECT_EQ(model.shownTextureKey(), "plain") << "a variant that is not loaded falls back to the base picture";
}

TEST(EditorTextField, LongStringsAreCutToTheField)
{
    std::array<char, 64> field;
    field.fill('x');
    copyToField(field, std::string(200, 'a'));
    EXPECT_EQ(std::string(field.data()), std::string(63, 'a'));
    copyToField(field, "short");
    EXPECT_EQ(std::string(field.data()), "short");
    copyToField(field, "");
    EXPECT_EQ(field[0], '\0');
}
} // namespace
