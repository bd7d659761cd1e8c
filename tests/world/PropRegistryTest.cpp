#include "world/PropRegistry.h"

#include "core/AnimationData.h"
#include "support/TestSupport.h"
#include "world/Bridge.h"
#include "world/Moss.h"
#include "world/Pentagram.h"
#include "world/Props.h"
#include "world/Vase.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
class PropRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PropRegistry::clear();
        LogCapture quiet; // the pentagram asks for a font the tests do not load
        PropRegistry::registerProps();
    }
    void TearDown() override { PropRegistry::clear(); }
};

struct StripRow
{
    const char* name;
    unsigned width, height, frames;
    float time;
};

const StripRow kAnimated[] = {
    {"bramble_lantern_01", 202, 333, 6, 0.14f},
    {"bramble_lantern_02", 202, 333, 6, 0.14f},
    {"bush_01", 197, 172, 4, 0.21f},
    {"bush_02", 197, 172, 4, 0.21f},
    {"firecamp", 109, 186, 6, 0.14f},
    {"flag", 132, 167, 9, 0.18f},
    {"flag_02", 132, 167, 9, 0.18f},
    {"flower_pot", 50, 101, 4, 0.2f},
    {"flower_pot_02", 50, 101, 4, 0.2f},
    {"flowers", 64, 69, 4, 0.21f},
    {"flowers_02", 64, 69, 4, 0.21f},
    {"fluid_03", 316, 531, 16, 0.21f},
    {"fluid_05", 249, 399, 14, 0.21f},
    {"fluid_06", 329, 646, 20, 0.21f},
    {"fluid_07", 377, 533, 20, 0.21f},
    {"fluid_08", 306, 622, 17, 0.21f},
    {"fluid_09", 75, 273, 8, 0.21f},
    {"fluid_10", 316, 531, 8, 0.21f},
    {"heap_of_leaves_01", 284, 422, 34, 0.21f},
    {"heap_of_leaves_02", 284, 422, 34, 0.21f},
    {"moss_01", 237, 308, 4, 0.21f},
    {"moss_02", 303, 356, 4, 0.21f},
    {"moss_03", 217, 267, 4, 0.21f},
    {"moss_04", 120, 145, 4, 0.21f},
    {"moss_05", 293, 467, 4, 0.21f},
    {"moss_06", 289, 384, 4, 0.21f},
    {"moss_07", 347, 476, 4, 0.21f},
    {"moss_08", 345, 510, 4, 0.21f},
    {"moss_09", 278, 190, 4, 0.21f},
    {"moss_10", 120, 145, 4, 0.21f},
    {"moss_11", 333, 389, 4, 0.21f},
    {"moss_12", 278, 190, 4, 0.21f},
    {"souls", 1419, 980, 6, 0.175f},
    {"water_lilies_01", 174, 158, 4, 0.21f},
    {"water_lilies_02", 225, 126, 4, 0.21f},
    {"waterfalls", 1181, 674, 6, 0.14f},
    {"fly", 222, 143, 8, 0.14f},
    {"firefly", 166, 159, 8, 0.14f},
    {"Butterfly", 216, 261, 5, 0.14f},
};
} // namespace

TEST_F(PropRegistryTest, RegistersTheTwoHundredNamesInTheirOrder)
{
    const auto& names = PropRegistry::propNames();
    ASSERT_EQ(names.size(), 200u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 200u) << "a name is listed twice";
    EXPECT_EQ(PropRegistry::size(), 200u);
    // Spot checks along the list: each numbered family runs unbroken, and the late additions close it.
    const std::pair<std::size_t, const char*> anchors[] = {
        {0, "bags"},         {3, "bones_01"},        {9, "brambles_01"}, {42, "brambles_34"}, {43, "branch_01"},
        {52, "bridge_01"},   {72, "fluid_01"},       {80, "fluid_11"},   {91, "moss_01"},     {109, "moss_19"},
        {115, "pentagram"},  {119, "pot_01"},        {164, "totem"},     {173, "fly"},        {194, "blood_02"},
        {198, "boss_fluid"}, {199, "boss_brambles"},
    };
    for (const auto& [index, name] : anchors)
        EXPECT_EQ(names[index], name) << "at position " << index;
    for (const auto& name : names)
        EXPECT_NE(PropRegistry::find(name), nullptr) << name;
}

TEST_F(PropRegistryTest, AnimationTableGivesEveryStripAndStillsTakeTheWholeTexture)
{
    std::set<std::string> animated;
    for (const StripRow& row : kAnimated)
    {
        animated.insert(row.name);
        const Props* prop = PropRegistry::find(row.name);
        ASSERT_NE(prop, nullptr) << row.name;
        EXPECT_EQ(prop->frameSize(), sf::Vector2u(row.width, row.height)) << row.name;
        EXPECT_EQ(prop->frameCount(), row.frames) << row.name;
        EXPECT_FLOAT_EQ(prop->frameTime(), row.time) << row.name;
    }
    for (const auto& name : PropRegistry::propNames())
    {
        if (animated.count(name))
            continue;
        const Props* prop = PropRegistry::find(name);
        EXPECT_EQ(prop->frameSize(), sf::Vector2u(0, 0)) << name << " should be a still picture";
        EXPECT_EQ(prop->frameCount(), 1u) << name;
        EXPECT_EQ(prop->frameTime(), 0.f) << name;
    }
}

TEST_F(PropRegistryTest, KindsAndLayersFollowTheirNames)
{
    struct Row
    {
        const char* name;
        const char* kind;
        int layer;
    };
    const Row rows[] = {
        {"pot_01", "Vase", 0},
        {"pot_03", "Vase", 0},
        {"bridge_02", "Bridge", -1},
        {"moss_13", "Moss", -1},
        {"moss_19", "Moss", -1},
        {"moss_12", "Props", 0},
        // Fluids are moss by another name: the same quick decal.
        {"fluid_11", "Moss", -1},
        {"fluid_17", "Moss", -1},
        {"fluid_10", "Props", 0},
        {"pentagram", "Pentagram", -1},
        {"souls", "Props", -1000},
        {"boss_moss", "Props", -100000},
        {"boss_fluid", "Props", -100000},
        {"boss_tree", "Props", 0},
        {"barrel", "Props", 0},
    };
    for (const Row& row : rows)
    {
        const Props* prop = PropRegistry::find(row.name);
        ASSERT_NE(prop, nullptr) << row.name;
        const std::string kind = dynamic_cast<const Vase*>(prop)        ? "Vase"
                                 : dynamic_cast<const Bridge*>(prop)    ? "Bridge"
                                 : dynamic_cast<const Moss*>(prop)      ? "Moss"
                                 : dynamic_cast<const Pentagram*>(prop) ? "Pentagram"
                                                                        : "Props";
        EXPECT_EQ(kind, row.kind) << row.name;
        EXPECT_EQ(prop->getLayer(), row.layer) << row.name;
        // The kind and layer survive cloning.
        auto copy = prop->clone();
        EXPECT_EQ(typeid(*copy), typeid(*prop)) << row.name;
        EXPECT_EQ(copy->getLayer(), row.layer) << row.name;
    }
}

TEST_F(PropRegistryTest, UnknownNameIsLoggedAndYieldsNothing)
{
    LogCapture log;
    EXPECT_EQ(PropRegistry::find("pot_04"), nullptr);
    EXPECT_EQ(PropRegistry::cloneOf("pot_04"), nullptr);
    EXPECT_EQ(log.count("Prop pot_04 not found in registered list of props"), 2);
}

TEST_F(PropRegistryTest, TextureGroupNamesOneFilePerProp)
{
    const auto files = PropRegistry::textureGroup()->flatten();
    ASSERT_EQ(files.size(), 200u);
    EXPECT_EQ(files.at("Gem_red"), "Assets/Sprites/Props/Gem_red.png");
    EXPECT_EQ(files.at("heap_of_leaves_02"), "Assets/Sprites/Props/heap_of_leaves_02.png");
}

TEST_F(PropRegistryTest, ResetEmptiesTheRegistryAndTestsMayAddTheirOwnPrototypes)
{
    PropRegistry::clear();
    EXPECT_EQ(PropRegistry::size(), 0u);
    PropRegistry::add(std::make_unique<Bridge>("test_bridge"));
    ASSERT_NE(PropRegistry::find("test_bridge"), nullptr);
    EXPECT_EQ(PropRegistry::registeredNames(), std::vector<std::string>{"test_bridge"});
}
