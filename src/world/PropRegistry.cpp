#include "world/PropRegistry.h"

#include "core/KeyedRegistry.h"
#include "core/Logger.h"
#include "core/Polygon.h"
#include "world/Bridge.h"
#include "world/Moss.h"
#include "world/Pentagram.h"
#include "world/Props.h"
#include "world/Vase.h"

#include <algorithm>
#include <map>

namespace
{
KeyedRegistry<Props>& registry()
{
    static auto* instance = new KeyedRegistry<Props>();
    return *instance;
}

std::string twoDigits(int i)
{
    return (i < 10 ? "0" : "") + std::to_string(i);
}

void range(std::vector<std::string>& out, const std::string& stem, int first, int last)
{
    for (int i = first; i <= last; ++i)
        out.push_back(stem + twoDigits(i));
}

std::vector<std::string> buildNames()
{
    std::vector<std::string> n{"bags", "barrel", "body"};
    range(n, "bones_", 1, 3);
    n.insert(n.end(), {"bow", "bramble_lantern_01", "bramble_lantern_02"});
    range(n, "brambles_", 1, 34);
    range(n, "branch_", 1, 9);
    range(n, "bridge_", 1, 3);
    n.push_back("bucket");
    range(n, "bush_", 1, 4);
    range(n, "double_grave_", 1, 3);
    n.insert(n.end(), {"double_mushroom_01", "double_mushroom_02", "firecamp", "flag", "flag_02", "flower_pot",
                       "flower_pot_02", "flowers", "flowers_02"});
    range(n, "fluid_", 1, 8);
    range(n, "fluid_", 11, 17);
    n.insert(n.end(), {"foundry", "foundry_02", "heap_of_leaves_01", "heap_of_leaves_02"});
    range(n, "moss_", 1, 19);
    range(n, "mushroom_", 1, 4);
    n.insert(n.end(), {"paper_boat", "pentagram"});
    range(n, "pillar_", 1, 3);
    range(n, "pot_", 1, 3);
    n.insert(n.end(), {"puddle_01", "puddle_02", "quiver_01", "quiver_02", "ribs_01", "ribs_02"});
    range(n, "root_", 1, 13);
    n.insert(n.end(), {"scythe", "shield", "single_grave"});
    range(n, "skull_", 1, 4);
    n.insert(n.end(), {"skull_bone", "skull_bone_ribs", "souls", "statue"});
    range(n, "stone_", 1, 6);
    n.insert(n.end(),
             {"strains",    "strains_02",   "swords_01",    "swords_02",   "tank_01",         "tank_02",
              "totem",      "triple_grave", "tube_01",      "tube_02",     "water_lilies_01", "water_lilies_02",
              "waterfalls", "workbench_01", "workbench_02", "fly",         "firefly",         "fluid_09",
              "fluid_10",   "Butterfly",    "Gem_red",      "Gem_blue",    "Gem_green",       "Gem_violet",
              "Gem_orange", "gold_bag",     "Fruit_good1",  "Fruit_good2", "Fruit_good3",     "Fruit_bad1",
              "Fruit_bad2", "Fruit_bad3"});
    range(n, "mini_mushroom_", 1, 4);
    n.insert(n.end(), {"blood_02", "boss_mushroom", "boss_moss", "boss_tree", "boss_fluid", "boss_brambles"});
    return n;
}

const std::map<std::string, PropRegistry::Strip>& strips()
{
    static const std::map<std::string, PropRegistry::Strip> table = []
    {
        std::map<std::string, PropRegistry::Strip> t;
        auto set = [&](std::initializer_list<const char*> names, unsigned w, unsigned h, unsigned frames, float time)
        {
            for (const char* name : names)
                t[name] = {{w, h}, frames, time};
        };
        set({"bramble_lantern_01", "bramble_lantern_02"}, 202, 333, 6, 0.14f);
        set({"bush_01", "bush_02"}, 197, 172, 4, 0.21f);
        set({"firecamp"}, 109, 186, 6, 0.14f);
        set({"flag", "flag_02"}, 132, 167, 9, 0.18f);
        set({"flower_pot", "flower_pot_02"}, 50, 101, 4, 0.2f);
        set({"flowers", "flowers_02"}, 64, 69, 4, 0.21f);
        set({"fluid_03"}, 316, 531, 16, 0.21f);
        set({"fluid_05"}, 249, 399, 14, 0.21f);
        set({"fluid_06"}, 329, 646, 20, 0.21f);
        set({"fluid_07"}, 377, 533, 20, 0.21f);
        set({"fluid_08"}, 306, 622, 17, 0.21f);
        set({"fluid_09"}, 75, 273, 8, 0.21f);
        set({"fluid_10"}, 316, 531, 8, 0.21f);
        set({"heap_of_leaves_01", "heap_of_leaves_02"}, 284, 422, 34, 0.21f);
        set({"moss_01"}, 237, 308, 4, 0.21f);
        set({"moss_02"}, 303, 356, 4, 0.21f);
        set({"moss_03"}, 217, 267, 4, 0.21f);
        set({"moss_04", "moss_10"}, 120, 145, 4, 0.21f);
        set({"moss_05"}, 293, 467, 4, 0.21f);
        set({"moss_06"}, 289, 384, 4, 0.21f);
        set({"moss_07"}, 347, 476, 4, 0.21f);
        set({"moss_08"}, 345, 510, 4, 0.21f);
        set({"moss_09", "moss_12"}, 278, 190, 4, 0.21f);
        set({"moss_11"}, 333, 389, 4, 0.21f);
        set({"souls"}, 1419, 980, 6, 0.175f);
        set({"water_lilies_01"}, 174, 158, 4, 0.21f);
        set({"water_lilies_02"}, 225, 126, 4, 0.21f);
        set({"waterfalls"}, 1181, 674, 6, 0.14f);
        set({"fly"}, 222, 143, 8, 0.14f);
        set({"firefly"}, 166, 159, 8, 0.14f);
        set({"Butterfly"}, 216, 261, 5, 0.14f);
        return t;
    }();
    return table;
}

// Props that stand up from the ground, at the size the content generator paints them.
const std::map<std::string, sf::Vector2u>& standingSizes()
{
    static const std::map<std::string, sf::Vector2u> table{
        {"single_grave", {170, 190}},       {"double_grave_01", {280, 190}},    {"double_grave_02", {280, 190}},
        {"double_grave_03", {280, 190}},    {"triple_grave", {390, 190}},       {"statue", {220, 320}},
        {"totem", {150, 320}},              {"stone_01", {160, 200}},           {"stone_02", {170, 230}},
        {"stone_03", {180, 170}},           {"stone_04", {190, 200}},           {"stone_05", {200, 230}},
        {"stone_06", {210, 170}},           {"pillar_01", {120, 300}},          {"pillar_02", {120, 300}},
        {"pillar_03", {120, 300}},          {"tank_01", {140, 210}},            {"tank_02", {140, 210}},
        {"barrel", {110, 140}},             {"foundry", {220, 240}},            {"foundry_02", {220, 240}},
        {"workbench_01", {240, 150}},       {"workbench_02", {240, 150}},       {"firecamp", {109, 186}},
        {"mushroom_01", {130, 130}},        {"mushroom_02", {130, 130}},        {"mushroom_03", {130, 130}},
        {"mushroom_04", {130, 130}},        {"double_mushroom_01", {170, 160}}, {"double_mushroom_02", {170, 160}},
        {"bramble_lantern_01", {202, 333}}, {"bramble_lantern_02", {202, 333}}, {"tube_01", {240, 90}},
        {"tube_02", {240, 90}},             {"boss_tree", {760, 760}},          {"boss_mushroom", {520, 520}},
    };
    return table;
}

std::unique_ptr<Props> makePrototype(const std::string& name)
{
    std::unique_ptr<Props> prop;
    auto numberOf = [&](const std::string& stem) { return std::stoi(name.substr(stem.size())); };
    if (name.rfind("pot_", 0) == 0)
        prop = std::make_unique<Vase>(name);
    else if (name.rfind("bridge_", 0) == 0)
        prop = std::make_unique<Bridge>(name);
    else if (name.rfind("moss_", 0) == 0 && numberOf("moss_") >= 13)
        prop = std::make_unique<Moss>(name);
    else if (name.rfind("fluid_", 0) == 0 && numberOf("fluid_") >= 11)
        prop = std::make_unique<Fluid>(name);
    else if (name == "pentagram")
        prop = std::make_unique<Pentagram>();
    else if (name == "souls")
        prop = std::make_unique<Props>(name, -1000);
    else if (name == "boss_moss" || name == "boss_fluid")
        prop = std::make_unique<Props>(name, -100000);
    else
        prop = std::make_unique<Props>(name);
    const PropRegistry::Strip strip = PropRegistry::stripOf(name);
    prop->setStrip(strip.frameSize, strip.frameCount, strip.frameTime);
    const std::vector<sf::Vector2f> foot = PropRegistry::footprintOf(name);
    if (!foot.empty())
        prop->setOutline(std::make_unique<Polygon>(foot));
    return prop;
}
} // namespace

const std::vector<std::string>& PropRegistry::propNames()
{
    static const std::vector<std::string> names = buildNames();
    return names;
}

PropRegistry::Strip PropRegistry::stripOf(const std::string& name)
{
    auto it = strips().find(name);
    return it == strips().end() ? Strip{} : it->second;
}

sf::Vector2u PropRegistry::standingSize(const std::string& name)
{
    auto it = standingSizes().find(name);
    return it == standingSizes().end() ? sf::Vector2u(0, 0) : it->second;
}

std::vector<sf::Vector2f> PropRegistry::footprintOf(const std::string& name)
{
    const sf::Vector2u size = standingSize(name);
    if (size.x == 0 || size.y == 0)
        return {};
    // The pictures stand their subject on a base near their lower edge, centred. The
    // band is at least 60 deep: a walker walking up probes about 53 px ahead of its
    // feet, so anything thinner would be stepped over. Whole
    // pixels, rounded half up, as the room authoring script reckons them.
    const auto percent = [](unsigned v, unsigned p) { return static_cast<float>((v * p + 50) / 100); };
    const float half = percent(size.x, 36);
    const float bottom = percent(size.y, 45);
    const float depth = std::clamp(percent(size.x, 30), 60.f, 80.f);
    return {{-half, bottom - depth}, {half, bottom - depth}, {half, bottom}, {-half, bottom}};
}

std::string PropRegistry::textureFile(const std::string& name)
{
    return "Assets/Sprites/Props/" + name + ".png";
}

void PropRegistry::registerProps()
{
    for (const std::string& name : propNames())
        add(makePrototype(name));
}

void PropRegistry::add(std::unique_ptr<Props> prototype)
{
    if (!prototype)
        return;
    const std::string name = prototype->name();
    registry().put(name, std::move(prototype));
}

void PropRegistry::createAnimations()
{
    registry().forEach([](const std::string&, Props& prototype) { prototype.createAnimation(); });
}

const Props* PropRegistry::find(const std::string& name)
{
    if (const Props* prototype = registry().get(name))
        return prototype;
    Logger::Error("Prop " + name + " not found in registered list of props");
    return nullptr;
}

std::unique_ptr<Props> PropRegistry::cloneOf(const std::string& name)
{
    const Props* prototype = find(name);
    return prototype ? prototype->clone() : nullptr;
}

std::vector<std::string> PropRegistry::registeredNames() { return registry().keys(); }

std::size_t PropRegistry::size() { return registry().size(); }

void PropRegistry::clear() { registry().clear(); }

std::unique_ptr<TextureManager::Group> PropRegistry::textureGroup()
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const std::string& name : propNames())
        group->add(name, textureFile(name));
    return group;
}
