#include "editor/PrototypeGallery.h"

#include "core/AnimationData.h"
#include "core/TextureManager.h"
#include "world/PropRegistry.h"
#include "world/Props.h"
#include "world/Wall.h"
#include "world/WallRegistry.h"
#include "world/Water.h"
#include "world/WaterRegistry.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>

namespace
{
sf::Sprite frameOf(const AnimationData* animation)
{
    if (!animation)
        return {};
    sf::Sprite sprite = animation->sprite;
    sprite.setTextureRect(animation->frameRect());
    return sprite;
}
} // namespace

PrototypeGallery::PrototypeGallery(const std::vector<Entry>& entries)
{
    if (entries.empty())
        return;
    const unsigned columns = std::min<unsigned>(kColumns, static_cast<unsigned>(entries.size()));
    const unsigned rows = static_cast<unsigned>((entries.size() + columns - 1) / columns);
    sf::RenderTexture canvas;
    if (!canvas.create(columns * kCell, rows * kCell))
        return;
    canvas.clear(sf::Color(0, 0, 0, 0));
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        names_.push_back(entries[i].name);
        sf::Sprite sprite = entries[i].picture;
        if (!sprite.getTexture())
            continue;
        const sf::IntRect rect = sprite.getTextureRect();
        if (rect.width <= 0 || rect.height <= 0)
            continue;
        const float fit = static_cast<float>(kCell) / static_cast<float>(std::max(rect.width, rect.height));
        sprite.setOrigin(static_cast<float>(rect.width) / 2.f, static_cast<float>(rect.height) / 2.f);
        sprite.setScale(fit, fit);
        sprite.setRotation(0.f);
        sprite.setColor(sf::Color::White);
        const float x = static_cast<float>((i % columns) * kCell + kCell / 2);
        const float y = static_cast<float>((i / columns) * kCell + kCell / 2);
        sprite.setPosition(x, y);
        canvas.draw(sprite);
    }
    canvas.display();
    // A plain texture (not the render target's, which is stored upside down) for the GUI.
    texture_.loadFromImage(canvas.getTexture().copyToImage());
}

void PrototypeGallery::cell(std::size_t index, sf::Vector2f& uv0, sf::Vector2f& uv1) const
{
    const sf::Vector2f size(texture_.getSize());
    if (size.x <= 0.f || size.y <= 0.f)
    {
        uv0 = uv1 = {0.f, 0.f};
        return;
    }
    const unsigned columns = static_cast<unsigned>(size.x) / kCell;
    const float x = static_cast<float>((index % columns) * kCell);
    const float y = static_cast<float>((index / columns) * kCell);
    uv0 = {x / size.x, y / size.y};
    uv1 = {(x + kCell) / size.x, (y + kCell) / size.y};
}

PrototypeGallery PrototypeGallery::ofProps()
{
    std::vector<Entry> entries;
    for (const std::string& name : PropRegistry::registeredNames())
        if (const Props* prototype = PropRegistry::find(name))
            entries.push_back({name, frameOf(prototype->animation())});
    return PrototypeGallery(entries);
}

PrototypeGallery PrototypeGallery::ofPuddles()
{
    std::vector<Entry> entries;
    for (const std::string& name : WaterRegistry::registeredNames())
        if (const Water* prototype = WaterRegistry::find(name))
            entries.push_back({name, frameOf(prototype->animation())});
    return PrototypeGallery(entries);
}

PrototypeGallery PrototypeGallery::ofWalls()
{
    std::vector<Entry> entries;
    for (const std::string& name : WallRegistry::registeredNames())
        if (const Wall* prototype = WallRegistry::find(name))
            entries.push_back({name, TextureManager::getSprite(prototype->evilKey())});
    return PrototypeGallery(entries);
}
