#include "world/WaterRegistry.h"

#include "core/KeyedRegistry.h"
#include "core/Logger.h"
#include "world/Water.h"

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
