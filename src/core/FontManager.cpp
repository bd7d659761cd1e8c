#include "core/FontManager.h"

#include "core/Logger.h"

#include <map>
#include <memory>

namespace
{
// Fonts are loaded and used on the main thread only.
std::map<std::string, std::unique_ptr<sf::Font>>& fonts()
{
    static auto* instance = new std::map<std::string, std::unique_ptr<sf::Font>>();
    return *instance;
}
} // namespace

const std::vector<std::pair<std::string, std::string>>& FontManager::fontFiles()
{
    static const std::vector<std::pair<std::string, std::string>> files = {
        {"IRONHELM.TTF", "Ironhelm"},
        {"WARBRUSH.TTF", "Warbrush"},
        {"Spiritual Ritual.otf", "Ritual"},
    };
    return files;
}

void FontManager::loadFont(const std::string& file, const std::string& key)
{
    auto font = std::make_unique<sf::Font>();
    if (!font->loadFromFile("Assets/Fonts/" + file))
    {
        Logger::Error("Couldn't load font : " + key);
        return;
    }
    Logger::Success("Loaded font : " + key);
    fonts()[key] = std::move(font);
}

sf::Font* FontManager::getFont(const std::string& key)
{
    auto it = fonts().find(key);
    if (it == fonts().end())
    {
        Logger::Warning("You are trying to get an unknown font -> " + key);
        return nullptr;
    }
    return it->second.get();
}

void FontManager::loadAll()
{
    for (const auto& [file, key] : fontFiles())
        loadFont(file, key);
    Logger::Debug(std::to_string(fonts().size()) + " loaded fonts");
}

std::size_t FontManager::count() { return fonts().size(); }
void FontManager::clear() { fonts().clear(); }
