#include "world/WaterRegistry.h"

#include "core/Logger.h"
#include "world/Water.h"

#include <map>
#include <mutex>

namespace
{
struct Registry
{
    std::mutex mutex;
    std::map<std::string, std::unique_ptr<Water>> prototypes;
};

Registry& registry()
{
    static auto* instance = new Registry();
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
    std::unique_ptr<Water> old;
    std::lock_guard lock(registry().mutex);
    auto& slot = registry().prototypes[prototype->name()];
    old = std::move(slot);
    slot = std::move(prototype);
}

void WaterRegistry::createAnimations()
{
    std::lock_guard lock(registry().mutex);
    for (auto& [name, prototype] : registry().prototypes)
        prototype->createAnimation();
}

const Water* WaterRegistry::find(const std::string& name)
{
    {
        std::lock_guard lock(registry().mutex);
        auto it = registry().prototypes.find(name);
        if (it != registry().prototypes.end())
            return it->second.get();
    }
    Logger::Error("Prop " + name + " not found in registered list of props");
    return nullptr;
}

std::unique_ptr<Water> WaterRegistry::cloneOf(const std::string& name)
{
    const Water* prototype = find(name);
    return prototype ? prototype->clone() : nullptr;
}

std::vector<std::string> WaterRegistry::registeredNames()
{
    std::lock_guard lock(registry().mutex);
    std::vector<std::string> names;
    for (const auto& [name, prototype] : registry().prototypes)
        names.push_back(name);
    return names;
}

void WaterRegistry::clear()
{
    std::map<std::string, std::unique_ptr<Water>> old;
    std::lock_guard lock(registry().mutex);
    old.swap(registry().prototypes);
}

std::unique_ptr<TextureManager::Group> WaterRegistry::textureGroup()
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const std::string& name : puddleNames())
        group->add(name, textureFile(name));
    return group;
}
