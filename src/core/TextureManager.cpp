#include "core/TextureManager.h"

#include "core/KeyedRegistry.h"
#include "core/Logger.h"

#include <SFML/Graphics/Image.hpp>

#include <stdexcept>

namespace
{
// Never destroyed: detached loader threads may still be inserting while the
// process exits, and textures must not outlive the GL driver's teardown.
KeyedRegistry<sf::Texture>& registry()
{
    static auto* instance = new KeyedRegistry<sf::Texture>();
    return *instance;
}

float axisOrigin(unsigned flags, unsigned low, float extent, float current)
{
    if (flags & low)
        return 0.f;
    if (flags & (low << 1))
        return extent / 2.f;
    if (flags & (low << 2))
        return extent;
    return current;
}
} // namespace

sf::Vector2f originFromFlags(unsigned flags, sf::Vector2f size, sf::Vector2f current)
{
    return {axisOrigin(flags, ORIGIN_LEFT, size.x, current.x), axisOrigin(flags, ORIGIN_TOP, size.y, current.y)};
}

void TextureManager::loadTexture(const std::string& key, const std::string& path)
{
    // A key already present keeps its old texture until the new one replaces it in
    // one step: screens built meanwhile (a loading screen hands over as soon as every
    // key is present) must never find it missing.
    if (registry().contains(key))
        Logger::Warning("Texture " + key + " already loaded");

    // Decoding and uploading happen outside the registry's lock so loader threads overlap.
    sf::Image image;
    auto texture = std::make_unique<sf::Texture>();
    if (!image.loadFromFile(path) || !texture->loadFromImage(image))
    {
        std::string message = "Failed to load texture: " + path;
        Logger::Error(message);
        throw std::runtime_error(message);
    }
    std::size_t count = registry().put(key, std::move(texture));
    Logger::Debug("LOAD : " + key + " (" + path + ") (" + std::to_string(count) + ")");
}

sf::Texture* TextureManager::getTexture(const std::string& key) { return registry().get(key); }

sf::Sprite TextureManager::getSprite(const std::string& key, unsigned originFlags)
{
    sf::Sprite sprite;
    if (sf::Texture* texture = getTexture(key))
    {
        sprite.setTexture(*texture, true);
        sprite.setOrigin(originFromFlags(originFlags, sf::Vector2f(texture->getSize())));
    }
    return sprite;
}

void TextureManager::unloadTexture(const std::string& key)
{
    std::size_t remaining = 0;
    if (registry().erase(key, &remaining))
        Logger::Debug("UNLOAD : " + key + " (" + std::to_string(remaining) + ")");
}

bool TextureManager::isPresent(const std::string& key) { return registry().contains(key); }
std::size_t TextureManager::count() { return registry().size(); }
void TextureManager::clear() { registry().clear(); }

TextureManager::Group::Group(std::initializer_list<std::pair<const std::string, std::string>> entries)
{
    for (const auto& [key, path] : entries)
        add(key, path);
}

void TextureManager::Group::add(const std::string& key, const std::string& path) { entries_[key] = path; }

TextureManager::Group& TextureManager::Group::addChild(std::unique_ptr<Group> child)
{
    children_.push_back(std::move(child));
    return *children_.back();
}

void TextureManager::Group::load() const
{
    for (const auto& [key, path] : entries_)
        TextureManager::loadTexture(key, path);
    for (const auto& child : children_)
        child->load();
}

void TextureManager::Group::unload() const
{
    for (const auto& [key, path] : entries_)
        TextureManager::unloadTexture(key);
    for (const auto& child : children_)
        child->unload();
}

bool TextureManager::Group::isLoaded() const
{
    for (const auto& [key, path] : entries_)
        if (!TextureManager::isPresent(key))
            return false;
    for (const auto& child : children_)
        if (!child->isLoaded())
            return false;
    return true;
}

std::size_t TextureManager::Group::size() const
{
    std::size_t total = entries_.size();
    for (const auto& child : children_)
        total += child->size();
    return total;
}

std::size_t TextureManager::Group::loadedCount() const
{
    std::size_t total = 0;
    for (const auto& [key, path] : entries_)
        total += TextureManager::isPresent(key) ? 1 : 0;
    for (const auto& child : children_)
        total += child->loadedCount();
    return total;
}

std::map<std::string, std::string> TextureManager::Group::flatten() const
{
    std::map<std::string, std::string> result = entries_;
    for (const auto& child : children_)
        result.merge(child->flatten());
    return result;
}
