// The real game under the test's X display, driven as a level author would:
// Control + F4 at the main menu, a new room from a picture, an outline, two
// doors and a spawner placed with the mouse, saved, opened again, then back to
// the menu. The game runs in a sandbox whose Assets/Rooms/ is a copy, so the
// committed templates are never touched.
#include "core/RoomNameRegistry.h"
#include "support/FakeRun.h"
#include "support/GameProcess.h"
#include "world/Floor.h"
#include "world/Room.h"
#include "world/RoomFile.h"
#include "world/RoomFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace
{
namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::path kSourceDir = UMBRAVALE_SOURCE_DIR;

// A content root of links to the real Assets/, with a folder of copied room
// templates, and the game binary linked beside it (the game finds its content
// next to its own executable).
class Sandbox
{
public:
    Sandbox() : root_(fs::temp_directory_path() / "umbravale_editor_sandbox")
    {
        fs::remove_all(root_);
        fs::create_directories(root_ / "Assets");
        for (const auto& entry : fs::directory_iterator(kSourceDir / "Assets"))
        {
            const fs::path target = root_ / "Assets" / entry.path().filename();
            if (entry.path().filename() == "Rooms")
                fs::copy(entry.path(), target, fs::copy_options::recursive);
            else
                fs::create_directory_symlink(entry.path(), target);
        }
        std::error_code linked;
        fs::create_hard_link(UMBRAVALE_GAME_BINARY, binary(), linked);
        if (linked)
            fs::copy_file(UMBRAVALE_GAME_BINARY, binary());
    }
    ~Sandbox()
    {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    fs::path binary() const { return root_ / "umbravale"; }
    fs::path rooms() const { return root_ / "Assets" / "Rooms"; }
    const fs::path& root() const { return root_; }

private:
    fs::path root_;
};

void typeText(GameProcess& game, const std::string& text)
{
    (void)game;
    GameProcess::run("xdotool type --delay 60 '" + text + "'");
    std::this_thread::sleep_for(200ms);
}

void rightClick(int x, int y)
{
    GameProcess::run("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
    std::this_thread::sleep_for(60ms);
    GameProcess::run("xdotool mousedown 3");
    std::this_thread::sleep_for(80ms);
    GameProcess::run("xdotool mouseup 3");
    std::this_thread::sleep_for(200ms);
}

bool waitForLog(GameProcess& game, const std::string& text, int count, std::chrono::seconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end)
    {
        if (game.countInLog(text) >= count)
            return true;
        std::this_thread::sleep_for(100ms);
    }
    return false;
}

// Where the editor's windows put their controls (the settings window at (10, 10),
// sections closed until clicked), in screen pixels.
namespace at
{
constexpr int kNameX = 877, kNameY = 433, kEditRoomX = 742, kEditRoomY = 456;
constexpr int kTextureX = 877, kTextureY = 479, kCreateX = 750, kCreateY = 502;
constexpr int kBackX = 725, kBackY = 525;
} // namespace at

class EditorEndToEnd : public RoomFixture
{
};

TEST_F(EditorEndToEnd, AnAuthorCreatesPlacesSavesReopensAndLeaves)
{
    if (!GameProcess::displayAvailable())
        GTEST_SKIP() << "needs an X display and xdotool";
    Sandbox sandbox;
    const fs::path log = sandbox.root() / "game.log";
    GameProcess game;
    ASSERT_TRUE(game.start(sandbox.binary().string(), sandbox.root().string(), log.string()));
    ASSERT_TRUE(game.waitForWindow(60s));
    ASSERT_TRUE(until([&] { return game.countInLog("Loading map textures") >= 1; }, [&] { game.click(400, 400); }, 60s))
        << game.log();
    std::this_thread::sleep_for(1s);
    ASSERT_TRUE(until([&] { return game.countInLog("Room editor opened") >= 1; }, [&] { game.press("ctrl+F4"); }, 60s))
        << "Control + F4 did not open the editor:\n"
        << game.log();
    std::this_thread::sleep_for(1s);
    const sf::Image start = game.screenshot((sandbox.root() / "start.png").string());
    EXPECT_GT(pictureContrast(start), 1.0) << "the start page is blank";

    // A bad name first: a message, no page change.
    game.click(at::kNameX, at::kNameY);
    typeText(game, "../escape");
    game.click(at::kCreateX, at::kCreateY);
    ASSERT_TRUE(waitForLog(game, "Room editor: cannot create", 1, 10s)) << game.log();
    game.click(at::kNameX, at::kNameY);
    for (int i = 0; i < 12; ++i)
        game.press("BackSpace");
    typeText(game, "e2e_room");
    game.click(at::kTextureX, at::kTextureY);
    typeText(game, "ff_boss");
    game.click(at::kCreateX, at::kCreateY);
    std::this_thread::sleep_for(800ms);

    // Room Type: Boss.
    game.click(200, 80);
    std::this_thread::sleep_for(300ms);
    game.click(36, 121);
    // Boundaries: add, four corners, right click to stop; then close the section.
    game.click(80, 173);
    game.click(30, 196);
    for (auto [x, y] : {std::pair(700, 150), std::pair(1800, 150), std::pair(1800, 1000), std::pair(700, 1000)})
        game.click(x, y);
    // A click on the settings window (the "Vertices" list) is the GUI's, not a vertex.
    game.click(80, 219);
    rightClick(1000, 600);
    game.click(80, 173);
    // Doors: add two, then turn the first into the Bottom entrance.
    game.click(80, 195);
    game.click(30, 218);
    game.click(1200, 950);
    game.click(1200, 200);
    rightClick(1000, 600);
    game.click(224, 301);
    std::this_thread::sleep_for(400ms);
    game.click(120, 377);
    std::this_thread::sleep_for(300ms);
    game.click(80, 195);
    // Spawners: one, spawning Zeyn.
    game.click(80, 241);
    game.click(30, 264);
    game.click(1200, 600);
    rightClick(1000, 600);
    game.click(182, 356);
    const sf::Image editing = game.screenshot((sandbox.root() / "editing.png").string());
    EXPECT_GT(pictureContrast(editing), 5.0) << "the room is not shown";

    // Save.
    game.click(32, 524);
    ASSERT_TRUE(waitForLog(game, "Room saved to Assets/Rooms/e2e_room.json", 1, 10s)) << game.log();
    const fs::path saved = sandbox.rooms() / "e2e_room.json";
    ASSERT_TRUE(fs::exists(saved));

    // The game's reader and builder take it as it is.
    const RoomFile file = RoomFile::load(saved.string());
    EXPECT_EQ(file.name, "e2e_room");
    EXPECT_EQ(file.type, ROOM_BOSS);
    EXPECT_EQ(file.texture, "ff_boss");
    EXPECT_EQ(file.boundaries.size(), 4u);
    ASSERT_EQ(file.doors.size(), 2u);
    EXPECT_EQ(file.doors[0].direction, DOOR_BOTTOM);
    EXPECT_EQ(file.doors[1].direction, DOOR_TOP);
    ASSERT_EQ(file.spawners.size(), 1u);
    EXPECT_EQ(file.spawners[0].enemies, std::vector<std::string>{"Zeyn"});
    {
        Room::setTemplateDirectory(sandbox.rooms().string() + "/");
        FakeRun run;
        Floor floor(0);
        std::unique_ptr<Room> room;
        ASSERT_NO_THROW(room = Room::buildRoom(run.player(), "e2e_room", nullptr, floor));
        ASSERT_TRUE(room);
        EXPECT_EQ(room->doors.size(), 2u);
        Room::setTemplateDirectory("");
    }

    // "back" to the start page, "Edit Room" reopens the saved file, then "Back" to the menu.
    game.click(64, 524);
    std::this_thread::sleep_for(500ms);
    game.click(at::kEditRoomX, at::kEditRoomY);
    ASSERT_TRUE(waitForLog(game, "Room editor: editing Assets/Rooms/e2e_room.json", 1, 10s)) << game.log();
    std::this_thread::sleep_for(500ms);
    game.click(64, 524);
    std::this_thread::sleep_for(500ms);
    game.click(at::kBackX, at::kBackY);
    ASSERT_TRUE(waitForLog(game, "Loading map textures", 2, 60s)) << "Back did not return to the menu:\n" << game.log();
    EXPECT_EQ(game.countInLog("Fatal"), 0) << game.log();
}
} // namespace
