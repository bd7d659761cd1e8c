#pragma once

#include "core/RoomNameRegistry.h"
#include "creatures/Enemy.h"
#include "creatures/EnemyDatabase.h"
#include "creatures/EnemyFactory.h"
#include "support/FakeRun.h"
#include "world/PropRegistry.h"
#include "world/Room.h"
#include "world/WallRegistry.h"
#include "world/WaterRegistry.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

// A creature the fake spawners make: counts its updates, and can hand the room a
// new entity during its own update to show that newcomers are updated at once.
class CountingEnemy : public Enemy
{
public:
    void update(float dt) override
    {
        (void)dt;
        ++updates;
        if (spawnInto)
        {
            Room* room = spawnInto;
            spawnInto = nullptr;
            child = static_cast<CountingEnemy*>(room->addEntity(std::make_unique<CountingEnemy>()));
        }
    }
    int updates = 0;
    Room* spawnInto = nullptr;
    CountingEnemy* child = nullptr;
};

// Registries filled as a run fills them, a fake run for the karma, and a folder
// of hand-written room templates for the cases the shipped rooms do not show.
class RoomFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RoomNameRegistry::fill();
        PropRegistry::registerProps();
        WaterRegistry::registerPuddles();
        WallRegistry::registerWalls();
        EnemyFactory::reset();
        for (const char* kind : EnemyDatabase::kKindNames)
            EnemyFactory::registerKind(kind,
                                       [](CreatureWorld&, sf::Vector2f p)
                                       {
                                           auto enemy = std::make_unique<CountingEnemy>();
                                           enemy->setPosition(p);
                                           return enemy;
                                       });
        directory_ =
            std::filesystem::temp_directory_path() / ("umbravale_rooms_" + std::to_string(::getpid()) + "_" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(directory_);
    }

    void TearDown() override
    {
        Room::setTemplateDirectory("");
        EnemyFactory::reset();
        PropRegistry::clear();
        WaterRegistry::clear();
        WallRegistry::clear();
        RoomNameRegistry::fill();
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }

    // Writes a template and makes the builder read from the fixture folder.
    void writeTemplate(const std::string& name, const std::string& json)
    {
        std::ofstream(directory_ / (name + ".json")) << json;
        Room::setTemplateDirectory(directory_.string() + "/");
    }

    std::filesystem::path directory_;
};

// Door entries of a template: direction and output flag at a position.
inline std::string doorJson(int direction, bool output, float x, float y)
{
    return "{\"direction\":" + std::to_string(direction) + ",\"input\":" + (output ? "false" : "true") +
           ",\"output\":" + (output ? "true" : "false") +
           ",\"spriteDeltaX\":0,\"spriteDeltaY\":0,\"x\":" + std::to_string(x) + ",\"y\":" + std::to_string(y) + "}";
}

// A 2000 x 1000 room with the given members spliced in.
inline std::string roomJson(const std::string& name, int type, const std::string& members)
{
    return "{\"name\":\"" + name + "\",\"type\":" + std::to_string(type) + ",\"texture\":\"" + name +
           "\",\"boundaries\":[{\"x\":50,\"y\":50},{\"x\":1950,\"y\":50},"
           "{\"x\":1950,\"y\":950},{\"x\":50,\"y\":950}]" +
           (members.empty() ? "" : "," + members) + "}";
}
