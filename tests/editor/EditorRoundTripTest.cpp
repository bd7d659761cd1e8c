// One source of truth for the room templates: every file under Assets/Rooms/,
// opened in the editor and saved without a change, reads back as the same room
// for the game and the same document for the editor.
#include "core/JsonReader.h"
#include "core/RoomNameRegistry.h"
#include "creatures/EnemyDatabase.h"
#include "editor/EditorModel.h"
#include "support/TestSupport.h"
#include "world/RoomFile.h"

#include <json/value.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

TEST(EditorRoundTrip, EveryCommittedTemplateSavedUnchangedReadsBackTheSame)
{
    LogCapture log;
    RoomNameRegistry::fill();
    EnemyDatabase::loadData();
    const std::vector<std::string> enemies = EnemyDatabase::records().shared.nameList;
    const fs::path copies = fs::path(::testing::TempDir()) / "umbravale_editor_round_trip";
    fs::remove_all(copies);
    fs::create_directories(copies);

    int rooms = 0;
    for (const auto& entry : fs::directory_iterator(RoomFile::kDirectory))
    {
        if (entry.path().extension() != ".json")
            continue;
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        ++rooms;
        // The editor works on a copy: the committed file is never written by the test.
        fs::copy_file(entry.path(), copies / entry.path().filename());
        EditorModel model(enemies, copies.string() + "/");
        ASSERT_TRUE(model.editRoom(name)) << model.message().text;
        EXPECT_FALSE(model.message().error) << model.message().text;
        const Json::Value edited = model.room.toJson();
        ASSERT_TRUE(model.save()) << model.message().text;

        const std::string saved = (copies / entry.path().filename()).string();
        EXPECT_TRUE(RoomFile::load(saved) == RoomFile::load(entry.path().string()))
            << "the game reads a different room after the editor saved it";
        EditorModel again(enemies, copies.string() + "/");
        ASSERT_TRUE(again.editRoom(name));
        EXPECT_EQ(again.room.toJson(), edited) << "the editor reads back a different document";

        Json::Value committed, written;
        ASSERT_TRUE(JsonReader::parseFile(entry.path().string(), committed));
        ASSERT_TRUE(JsonReader::parseFile(saved, written));
        EXPECT_EQ(written, committed) << "the committed file is not in the form the editor writes";
    }
    EXPECT_GE(rooms, 37);
    EnemyDatabase::reset();
    if (!::testing::Test::HasFailure())
        fs::remove_all(copies);
}
} // namespace
