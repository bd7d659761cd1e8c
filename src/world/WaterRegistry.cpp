#include "world/WaterRegistry.h"

#include "core/KeyedRegistry.h"
#include "core/Logger.h"
#include "world/Water.h"

#include <cctype>
#include <string>

namespace
{
KeyedRegistry<Water>& registry()
{
    static auto* instance = new KeyedRegistry<Water>();
    return *instance;
}
} // namespace

const std::vector<std::string>& WaterRegistry::puddleNames()
{
    static const std::vector<std::string> names{"puddle", "puddle_2", "puddle_3", "puddle_4",   "puddle_5",
                                                "blood",  "lake",     "river",    "shop_puddle"};
    return names;
}

WaterRegistry::Surface WaterRegistry::surfaceOf(const std::string& name)
{
    if (name == "lake")
        return {{900, 620}, {440.f, 300.f}};
    if (name == "river")
        return {{1200, 420}, {600.f, 210.f}};
    if (name == "blood")
        return {{300, 220}, {145.f, 100.f}}; // the pool and its splashes
    if (name == "shop_puddle")
        return {{420, 280}, {200.f, 130.f}};
    // "puddle", "puddle_2" ... "puddle_5": a little larger with each number.
    const std::size_t cut = name.find_last_of('_');
    int k = 1;
    if (cut != std::string::npos && cut + 1 < name.size() && std::isdigit(static_cast<unsigned char>(name[cut + 1])))
        k = std::stoi(name.substr(cut + 1));
    const unsigned w = 200 + 40 * static_cast<unsigned>(k), h = 130 + 40 * static_cast<unsigned>(k % 3);
    return {{w, h}, {0.47f * static_cast<float>(w), 0.45f * static_cast<float>(h)}};
}

std::string WaterRegistry::textureFile(const std::string& name)
{
    return "Assets/Sprites/Puddles/" + name + ".png";
}

void WaterRegistry::registerPuddles()
{
    for (const std::string& name : puddleNames())
        add(std::make_unique<Water>(name));
}

void WaterRegistry::add(std::unique_ptr<Water> prototype)
{
    if (!prototype)
        return;
    const std::string name = prototype->name();
    registry().put(name, std::move(prototype));
}

void WaterRegistry::createAnimations()
{
    registry().forEach([](const std::string&, Water& prototype) { prototype.createAnimation(); });
}

const Water* WaterRegistry::find(const std::string& name)
{
    if (const Water* prototype = registry().get(name))
        return prototype;
    Logger::Error("Prop " + name + " not found in registered list of props");
    return nullptr;
}

std::unique_ptr<Water> WaterRegistry::cloneOf(const std::string& name)
{
    const Water* prototype = find(name);
    return prototype ? prototype->clone() : nullptr;
}

std::vector<std::string> WaterRegistry::registeredNames() { return registry().keys(); }

void WaterRegistry::clear() { registry().clear(); }

std::unique_ptr<TextureManager::Group> WaterRegistry::textureGroup()
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const std::string& name : puddleNames())
        group->add(name, textureFile(name));
    return group;
}
